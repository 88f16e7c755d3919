#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace tw {

void QtDialogs::ShowMessage(const std::string& Text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                  QString::fromLocal8Bit(Text), QMessageBox::Ok, FParent);
  box.exec();
}

TModalResult QtDialogs::MessageDlg(const std::string& Text, TMsgDlgType Type, unsigned Buttons,
                                   int HelpContext) {
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
  if (Buttons & mbHelp) {
    // No help file is installed: say so instead of closing the message.
    QPushButton* help = qobject_cast<QPushButton*>(box.button(QMessageBox::Help));
    QObject::disconnect(help, nullptr, &box, nullptr);
    QObject::connect(help, &QPushButton::clicked, &box, [&box, HelpContext] {
      QMessageBox::information(
          &box, "Help",
          QString("No help is installed for this topic (help context %1).").arg(HelpContext));
    });
  }
  box.exec();
  const auto pressed = box.standardButton(box.clickedButton());
  for (const Map& m : kMap) {
    if (m.Button == pressed) return m.Result;
  }
  return (Buttons & mbCancel) ? TModalResult::mrCancel : TModalResult::mrNone;
}

std::string QtDialogs::InputBox(const std::string& Caption, const std::string& Prompt,
                                const std::string& Default) {
  QInputDialog dialog(FParent);
  dialog.setObjectName("InputBox");
  dialog.setWindowTitle(QString::fromLocal8Bit(Caption));
  dialog.setLabelText(QString::fromLocal8Bit(Prompt));
  dialog.setTextValue(QString::fromLocal8Bit(Default));
  if (dialog.exec() != QDialog::Accepted) return "";
  return dialog.textValue().toLocal8Bit().toStdString();
}

QString QtNameFilter(const std::string& Filter) {
  const QString f = QString::fromLocal8Bit(Filter);
  const int bar = f.indexOf('|');
  QString description = bar < 0 ? f : f.left(bar);
  const QString patterns = bar < 0 ? QString("*") : f.mid(bar + 1);
  description.remove(QRegularExpression("\\s*\\([^)]*\\)\\s*$"));
  QStringList both;
  for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
    for (const QString& v : {p.toLower(), p.toUpper()}) {
      if (!both.contains(v)) both << v;
    }
  }
  return description + " (" + both.join(' ') + ")";
}

bool QtDialogs::FileDialog(bool Save, const TFileDialogOptions& Options, std::string& FileName) {
  QFileDialog dialog(FParent);
  dialog.setObjectName(Save ? "SaveDialog" : "OpenDialog");
  // Qt's own dialog on every desktop: the same look everywhere, and tests can type into it.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(QtNameFilter(Options.Filter));
  dialog.setDefaultSuffix(QString::fromLocal8Bit(Options.DefaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().first().toLocal8Bit().toStdString();
  return true;
}

bool QtDialogs::OpenFileDialog(const TFileDialogOptions& Options, std::string& FileName) {
  return FileDialog(false, Options, FileName);
}

bool QtDialogs::SaveFileDialog(const TFileDialogOptions& Options, std::string& FileName) {
  return FileDialog(true, Options, FileName);
}

}  // namespace tw
