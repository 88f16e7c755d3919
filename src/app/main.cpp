#include <QApplication>
#include <QDir>

#include "PlayWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Tollywinder");
  const std::string appDir =
      QDir(QCoreApplication::applicationDirPath()).absolutePath().toLocal8Bit().toStdString() + "/";
  tw::PlayWindow window(appDir);
  window.show();
  window.activateWindow();
  return app.exec();
}
