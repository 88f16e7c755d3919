// Modal dialogs shown with Qt's own dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "Dialogs.h"

namespace tw {

class QtDialogs final : public IDialogs {
 public:
  explicit QtDialogs(QWidget* Parent = nullptr) : FParent(Parent) {}
  void SetParent(QWidget* Parent) { FParent = Parent; }

  void ShowMessage(const std::string& Text) override;
  TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, unsigned Buttons,
                          int HelpContext) override;
  std::string InputBox(const std::string& Caption, const std::string& Prompt,
                       const std::string& Default) override;
  bool OpenFileDialog(const TFileDialogOptions& Options, std::string& FileName) override;
  bool SaveFileDialog(const TFileDialogOptions& Options, std::string& FileName) override;

 private:
  bool FileDialog(bool Save, const TFileDialogOptions& Options, std::string& FileName);
  QPointer<QWidget> FParent;
};

// "Description (*.ext)|*.EXT" as a Qt name filter matching either case: "Description (*.ext
// *.EXT)".
QString QtNameFilter(const std::string& Filter);

}  // namespace tw
