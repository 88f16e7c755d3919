// Start-up to the first painted frame, for the game and for a bare Qt window; run each as its
// own process (bench/startup.sh does) so that loading and initialising are counted. With
// TW_START_NS set to the launch time (nanoseconds of the real-time clock) it prints the
// microseconds from launch to the end of the first paint.
//   tw_bench_startup bare | label | game | memory
// "label" is the bare window with one line of text, which pays for the font system's start.
// "memory" starts the game, presses F5 and prints the peak resident set size in KiB.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include "Environment.h"
#include "MainWindow.h"
#include "Program.h"

namespace {

// Quits the application once the watched widget has painted.
void PrintSinceLaunch() {
  const char* start = std::getenv("TW_START_NS");
  if (!start) return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long ns = now.tv_sec * 1000000000LL + now.tv_nsec - std::atoll(start);
  std::printf("first paint: %lld us\n", ns / 1000);
}

class FirstPaint : public QObject {
 public:
  std::function<void()> Then;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint && Then) {
      // Posted: runs once this paint (and the rest of the frame) is done.
      QTimer::singleShot(0, o, [] { PrintSinceLaunch(); });
      auto then = std::move(Then);
      Then = nullptr;
      QTimer::singleShot(0, o, then);
    }
    return false;
  }
};

long PeakKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "game";
  FirstPaint watcher;
  if (mode == "bare" || mode == "label") {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(1024, 815);
    if (mode == "label") (new QLabel("Tollywinder v1.3", &w))->move(10, 10);
    w.installEventFilter(&watcher);
    watcher.Then = [] { QApplication::quit(); };
    w.show();
    return app.exec();
  }
  tw::TProgramHooks hooks;
  hooks.OnCreated = [&](QWidget& window) {
    auto& main = static_cast<tw::T_frm_main&>(window);
    main.Image->installEventFilter(&watcher);
    watcher.Then = [&main, mode] {
      if (mode == "memory") {
        main.act_Refresh->trigger();
        QCoreApplication::processEvents();
        std::printf("peak after F5: %ld KiB\n", PeakKiB());
      }
      main.close();
    };
  };
  return tw::RunProgram(argc, argv, tw::ProgramFolder(argv[0]), hooks);
}
