#include "QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tw {

void QtDialogs::ShowMessage(const std::string& Text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                  QString::fromLocal8Bit(Text), QMessageBox::Ok, FParent);
  box.exec();
}

TModalResult QtDialogs::MessageDlg(const std::string& Text, TMsgDlgType Type, unsigned Buttons,
                                   int /*HelpContext*/) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title = QApplication::applicationDisplayName();
  switch (Type) {
    case TMsgDlgType::mtWarning:
      icon = QMessageBox::Warning, title = "Warning";
      break;
    case TMsgDlgType::mtError:
      icon = QMessageBox::Critical, title = "Error";
      break;
    case TMsgDlgType::mtInformation:
      icon = QMessageBox::Information, title = "Information";
      break;
    case TMsgDlgType::mtConfirmation:
      icon = QMessageBox::Question, title = "Confirm";
      break;
    case TMsgDlgType::mtCustom:
      break;
  }
  QMessageBox box(icon, title, QString::fromLocal8Bit(Text), QMessageBox::NoButton, FParent);
  struct Map {
    unsigned Flag;
    QMessageBox::StandardButton Button;
    TModalResult Result;
  };
  static const Map kMap[] = {{mbYes, QMessageBox::Yes, TModalResult::mrYes},
                             {mbNo, QMessageBox::No, TModalResult::mrNo},
                             {mbOK, QMessageBox::Ok, TModalResult::mrOk},
                             {mbCancel, QMessageBox::Cancel, TModalResult::mrCancel},
                             {mbHelp, QMessageBox::Help, TModalResult::mrHelp}};
  for (const Map& m : kMap) {
    if (Buttons & m.Flag) box.addButton(m.Button);
  }
  box.exec();
  const auto pressed = box.standardButton(box.clickedButton());
  for (const Map& m : kMap) {
    if (m.Button == pressed) return m.Result;
  }
  return (Buttons & mbCancel) ? TModalResult::mrCancel : TModalResult::mrNone;
}

}  // namespace tw
