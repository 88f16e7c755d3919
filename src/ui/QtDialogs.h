// Modal dialogs shown with Qt's message boxes.
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

 private:
  QPointer<QWidget> FParent;
};

}  // namespace tw
