// The program block end to end: settings first and last, errors shown and logged.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <fstream>
#include <sstream>

#include "Errors.h"
#include "Globals.h"
#include "Program.h"
#include "TestUtil.h"

using namespace tw;

namespace {

struct FakeDialogs : IDialogs {
  std::vector<std::string> Log;
  void ShowMessage(const std::string& t) override { Log.push_back("message: " + t); }
  TModalResult MessageDlg(const std::string& t, TMsgDlgType k, unsigned b, int h) override {
    Log.push_back(std::string(k == TMsgDlgType::mtWarning ? "warning" : "error") +
                  (b & mbHelp ? "+help " : " ") + std::to_string(h) + ": " + t);
    return TModalResult::mrOk;
  }
};

// A control whose key handler fails.
class ThrowingControl : public QWidget, public TComponent {
 public:
  ThrowingControl(QWidget* parent, const TComponent* owner)
      : QWidget(parent), TComponent("TcxButton", "btnBoom", owner) {}

 protected:
  void keyPressEvent(QKeyEvent*) override { throw EProjectError("11000|The server is away"); }
};

int RunGame(const std::string& dir, FakeDialogs& dialogs, std::function<void(QWidget&)> shown) {
  static char name[] = "tollywinder";
  static char* argv[] = {name, nullptr};
  TProgramHooks hooks;
  hooks.Dialogs = &dialogs;
  hooks.OnShown = std::move(shown);
  return RunProgram(1, argv, dir, hooks);
}

TEST(Program, EmptyFolderStartsCreatesSettingsAndWritesThemBack) {
  test::TempDir d;
  FakeDialogs dialogs;
  std::string atStart;
  const int status = RunGame(d.Dir(), dialogs, [&](QWidget& window) {
    ASSERT_NE(Globals, nullptr);
    atStart = test::ReadText(d.File("app.ini"));
    Globals->Nick = "zed";
    window.findChild<QAction*>("act_Refresh")->trigger();  // no maps here: the level cannot load
    window.close();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(Globals, nullptr);
  EXPECT_EQ(atStart,
            "[general]\r\nlast_victory=0\r\nMidiDevice=\r\nWavDevice=\r\nMidiVolume=0\r\n"
            "WavVolume=0\r\nNick=\r\nEmail=\r\nSkinName=\r\n");
  EXPECT_NE(test::ReadText(d.File("app.ini")).find("\r\nNick=zed\r\n"), std::string::npos);
  // No maps here: the loader's error was logged with the window as sender, then shown.
  ASSERT_EQ(dialogs.Log.size(), 1u);
  EXPECT_EQ(dialogs.Log[0].rfind("message: Unexpected error: Cannot open file", 0), 0u)
      << dialogs.Log[0];
  std::string log;
  for (const auto& e : std::filesystem::directory_iterator(d.Dir())) {
    if (e.path().filename().string().rfind("Except_", 0) == 0)
      log = test::ReadText(e.path().string());
  }
  EXPECT_NE(log.find("\tT_frm_main\t(_frm_main) Cannot open file"), std::string::npos) << log;
  EXPECT_NE(log.find("\t\t\t+- TApplication\t()\r\n\t\t\t|- T_frm_main\t(_frm_main)\r\n"),
            std::string::npos);
}

TEST(Program, AnExceptionInAHandlerIsShownAndLogged) {
  test::TempDir d;
  FakeDialogs dialogs;
  std::string logFile;
  RunGame(d.Dir(), dialogs, [&](QWidget& window) {
    auto* control = new ThrowingControl(&window, dynamic_cast<const TComponent*>(&window));
    control->show();
    dialogs.Log.clear();
    QTest::keyClick(control, Qt::Key_A);
    logFile = Globals->ExceptLogFile;
    window.close();
  });
  ASSERT_EQ(dialogs.Log.size(), 1u);
  EXPECT_EQ(dialogs.Log[0], "warning+help 11000: The server is away");
  const std::string log = test::ReadText(logFile);
  EXPECT_NE(log.find("\tTcxButton\t(btnBoom) 11000|The server is away\r\n"
                     "\t\t\t+- TApplication\t()\r\n"
                     "\t\t\t|- T_frm_main\t(_frm_main)\r\n"
                     "\t\t\t|- TcxButton\t(btnBoom)\r\n"),
            std::string::npos)
      << log;
}

TEST(Program, AFolderThatCannotBeWrittenIsToldAndEndsWithAnError) {
  FakeDialogs dialogs;
  bool shown = false;
  const int status = RunGame("/nonexistent-tollywinder/", dialogs, [&](QWidget&) { shown = true; });
  EXPECT_NE(status, 0);
  EXPECT_FALSE(shown);
  ASSERT_EQ(dialogs.Log.size(), 1u);
  EXPECT_NE(dialogs.Log[0].find("Unable to write to /nonexistent-tollywinder/app.ini"),
            std::string::npos)
      << dialogs.Log[0];
}

TEST(Program, AFailedSaveAtExitIsToldAndEndsWithAnError) {
  test::TempDir d;
  FakeDialogs dialogs;
  const int status = RunGame(d.Dir(), dialogs, [&](QWidget& window) {
    Globals->IniFileName = d.File("gone/app.ini");
    dialogs.Log.clear();
    window.close();
  });
  EXPECT_NE(status, 0);
  ASSERT_EQ(dialogs.Log.size(), 1u);
  EXPECT_NE(dialogs.Log[0].find("could not be saved"), std::string::npos) << dialogs.Log[0];
}

}  // namespace
