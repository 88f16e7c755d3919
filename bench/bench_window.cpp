// One key press through the main window's event path, up to the repainted pixels.
#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>

#include "MainWindow.h"

using namespace tw;

namespace {

void BM_KeyPressToRepaint(benchmark::State& state) {
  struct Quiet : IDialogs {
    void ShowMessage(const std::string&) override {}
    TModalResult MessageDlg(const std::string&, TMsgDlgType, unsigned, int) override {
      return TModalResult::mrOk;
    }
  } dialogs;
  TMainWindowServices s;
  s.Dialogs = &dialogs;
  T_frm_main w(std::string(TW_BIN_DIR) + "/", nullptr, s);
  w.show();
  QCoreApplication::processEvents();
  w.act_Refresh->trigger();
  QCoreApplication::processEvents();
  // Find a direction the player can walk back and forth in.
  int keys[2] = {Qt::Key_Right, Qt::Key_Left};
  for (auto pair : {std::pair(Qt::Key_Right, Qt::Key_Left), std::pair(Qt::Key_Up, Qt::Key_Down),
                    std::pair(Qt::Key_Left, Qt::Key_Right), std::pair(Qt::Key_Down, Qt::Key_Up)}) {
    const int before = w.Game().FMoveCount;
    QKeyEvent probe(QEvent::KeyPress, pair.first, Qt::NoModifier);
    QApplication::sendEvent(&w, &probe);
    if (w.Game().FMoveCount > before) {
      keys[0] = pair.second, keys[1] = pair.first;
      break;
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, keys[i++ % 2], Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QCoreApplication::processEvents();  // the update is painted here
  }
  state.counters["moves"] = double(w.Game().FMoveCount);
}
BENCHMARK(BM_KeyPressToRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

TW_QT_BENCHMARK_MAIN()
