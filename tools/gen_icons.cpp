// Draws the icons into icons/ of the given folder: NAME.png at 32 pixels and NAME_16.png at
// 16, and the award picture award.png at 96.
//   tw_gen_icons DATA_DIR
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "Icons.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
    return 2;
  }
  const QString dir = QString(argv[1]) + "/icons/";
  QDir().mkpath(dir);
  for (const QString& name : tw::GameIconNames()) {
    if (name == "award") {
      tw::DrawGameIcon(name, 96).save(dir + "award.png");
      continue;
    }
    tw::DrawGameIcon(name, 32).save(dir + name + ".png");
    tw::DrawGameIcon(name, 16).save(dir + name + "_16.png");
  }
  std::printf("wrote %lld icons to %s\n", static_cast<long long>(tw::GameIconNames().size()),
              qPrintable(dir));
  return 0;
}
