// Modal dialogs, behind an interface so that the core stays free of any toolkit and tests
// can answer them.
#pragma once

#include <string>

namespace tw {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbHelp = 16 };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo, mrHelp };

// A file dialog's settings. Filter is "Description|*.EXT" as the game states it.
struct TFileDialogOptions {
  std::string Filter;
  std::string DefaultExt;
};

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // A plain message box with an OK button.
  virtual void ShowMessage(const std::string& Text) = 0;
  // A message dialog with a set of TMsgDlgButton flags; HelpContext is offered by Help.
  virtual TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, unsigned Buttons,
                                  int HelpContext) = 0;
  // A one-line text prompt; Cancel gives the empty text.
  virtual std::string InputBox(const std::string& /*Caption*/, const std::string& /*Prompt*/,
                               const std::string& Default) {
    return Default;
  }
  // File dialogs: true and the chosen name when the player confirms.
  virtual bool OpenFileDialog(const TFileDialogOptions& /*Options*/, std::string& /*FileName*/) {
    return false;
  }
  virtual bool SaveFileDialog(const TFileDialogOptions& /*Options*/, std::string& /*FileName*/) {
    return false;
  }
};

}  // namespace tw
