// Modal dialogs, behind an interface so that the core stays free of any toolkit and tests
// can answer them.
#pragma once

#include <string>

namespace tw {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbHelp = 16 };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo, mrHelp };

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // A plain message box with an OK button.
  virtual void ShowMessage(const std::string& Text) = 0;
  // A message dialog with a set of TMsgDlgButton flags; HelpContext is offered by Help.
  virtual TModalResult MessageDlg(const std::string& Text, TMsgDlgType Type, unsigned Buttons,
                                  int HelpContext) = 0;
};

}  // namespace tw
