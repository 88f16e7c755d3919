// The main window driven as a player would: keys, actions, menus, dialogs (answered by a fake,
// and a few real ones), timers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>

#include "Bitmap.h"
#include "MainWindow.h"
#include "Recording.h"
#include "TestUtil.h"

using namespace tw;

namespace {

const std::string kBin = std::string(TW_BIN_DIR) + "/";
constexpr std::uint8_t L = 37, U = 38, R = 39, D = 40;

struct ScriptedDialogs : IDialogs {
  std::vector<std::string> Log;
  std::deque<std::string> Inputs;
  std::deque<TModalResult> Answers;
  std::deque<std::string> Files;  // names the file dialogs return; empty: cancelled
  void ShowMessage(const std::string& t) override { Log.push_back("message: " + t); }
  TModalResult MessageDlg(const std::string& t, TMsgDlgType k, unsigned b, int) override {
    Log.push_back((k == TMsgDlgType::mtConfirmation ? "confirm" : "dialog") +
                  std::string(b == (mbYes | mbCancel) ? "(yes/cancel): " : ": ") + t);
    if (Answers.empty()) return TModalResult::mrOk;
    auto a = Answers.front();
    Answers.pop_front();
    return a;
  }
  std::string InputBox(const std::string& c, const std::string& p, const std::string&) override {
    Log.push_back("input: " + c + " / " + p);
    if (Inputs.empty()) return "";
    auto s = Inputs.front();
    Inputs.pop_front();
    return s;
  }
  bool File(const char* kind, const TFileDialogOptions& o, std::string& name) {
    Log.push_back(std::string(kind) + ": " + o.Filter + " ." + o.DefaultExt);
    if (Files.empty() || Files.front().empty()) {
      if (!Files.empty()) Files.pop_front();
      return false;
    }
    name = Files.front();
    Files.pop_front();
    return true;
  }
  bool OpenFileDialog(const TFileDialogOptions& o, std::string& n) override {
    return File("open", o, n);
  }
  bool SaveFileDialog(const TFileDialogOptions& o, std::string& n) override {
    return File("save", o, n);
  }
};

struct RecordingHandler : IExceptionHandler {
  std::vector<std::string> Messages;
  void HandleException(const TObject*, const std::exception& e) override {
    Messages.push_back(e.what());
  }
};

// A program folder with the real textures and 21 one-push levels: Right wins each.
class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& e : std::filesystem::directory_iterator(kBin + "texture")) {
      Folder.Write("texture/" + e.path().filename().string(), test::ReadText(e.path().string()));
    }
    for (int k = 1; k <= 21; ++k) {
      Folder.Write("map/" + ZeroPad(k, 2) + ".map", "111111\n110001\n113241\n111111\n");
    }
    TMainWindowServices s;
    s.Dialogs = &Dialogs;
    s.ExceptionHandler = &Handler;
    W = std::make_unique<T_frm_main>(Folder.Dir(), nullptr, s);
    W->show();
    W->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
  }
  void TearDown() override { W.reset(); }

  TGame& G() { return W->Game(); }
  void Key(Qt::Key k) { QTest::keyClick(W->focusWidget() ? W->focusWidget() : W.get(), k); }
  std::pair<int, int> Player() { return {G().FKeeper->PosX(), G().FKeeper->PosY()}; }
  std::string Moves() { return W->dxStatusBar->dxmoves()->text().toStdString(); }
  std::string File(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    Folder.Write(name, bytes);
    return Folder.File(name);
  }

  test::TempDir Folder;
  ScriptedDialogs Dialogs;
  RecordingHandler Handler;
  std::unique_ptr<T_frm_main> W;
};

TEST_F(Window, LayoutAndStateBeforeTheFirstStart) {
  EXPECT_EQ(W->size(), QSize(1024, 147 + 640 + 28));
  EXPECT_EQ(W->Image->geometry(), QRect(0, 147, 1024, 640));
  EXPECT_EQ(W->dxStatusBar->geometry(), QRect(0, 787, 1024, 28));
  EXPECT_EQ(W->Ribbon->height(), 147);
  EXPECT_EQ(W->lblIntro->pos(), QPoint(59, 191));
  EXPECT_TRUE(W->lblIntro->isVisible());
  EXPECT_EQ(W->windowTitle(), "Tollywinder v1.3");
  EXPECT_TRUE(G().FInputLocked);
  EXPECT_EQ(G().FMoves, nullptr);
  EXPECT_EQ(W->act_Refresh->text(), "&Refresh");
  EXPECT_EQ(W->act_Refresh->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(W->act_minimize->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_EQ(W->act_finish->text(), "&Close");
  EXPECT_EQ(W->act_open->text(), "Open Tollywinder Movements");
  EXPECT_EQ(W->act_Save_File->text(), "&Save Movements");
  QStringList groups;
  for (auto* g : W->Ribbon->Groups()) groups << g->objectName() + ":" + g->Caption();
  EXPECT_EQ(groups.join(","),
            "MainManagerBar4:Apperance,SoundBar:Sound,dxMusic:Music,"
            "dxUserBar:UserBar,MainManagerBar3:Help");
  for (const char* b : {"dxOpen", "dxSave", "dxBarButton4", "dxBarButton7"}) {
    EXPECT_NE(W->Ribbon->findChild<QToolButton*>(b), nullptr) << b;
  }
  ASSERT_EQ(W->dxStatusBar->PopUpMenu2()->actions().size(), 21);
  EXPECT_EQ(W->LevelItem(21)->text(), "Level 21");
  EXPECT_TRUE(W->LevelItem(1)->isChecked());
  EXPECT_EQ(T_frm_main::Tag(W->LevelItem(1)), 1);
  EXPECT_EQ(T_frm_main::Tag(W->LevelItem(2)), 0);

  // Arrow keys before F5 do nothing.
  const auto start = Player();
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down, Qt::Key_C}) Key(k);
  EXPECT_EQ(Player(), start);
  EXPECT_EQ(G().FMoveCount, 0);
  EXPECT_EQ(G().FMoves, nullptr);
}

TEST_F(Window, F5StartsLevelOneAndRestartsIt) {
  Key(Qt::Key_F5);
  EXPECT_EQ(W->windowTitle(), "Tollywinder v1.3 - level 1");
  EXPECT_EQ(Moves(), "moves: 0");
  EXPECT_FALSE(G().FInputLocked);
  EXPECT_TRUE(W->lblIntro->isHidden());
  EXPECT_TRUE(W->LevelItem(1)->isChecked());
  EXPECT_EQ(W->dxStatusBar->dxLevels()->text(), "Level 1");
  const auto start = Player();
  Key(Qt::Key_Up);  // into the floor above
  Key(Qt::Key_Up);  // into the wall
  EXPECT_EQ(Moves(), "moves: 1");
  EXPECT_EQ(G().FMoves->Bytes(), (std::vector<std::uint8_t>{U}));
  Key(Qt::Key_F5);
  EXPECT_EQ(Moves(), "moves: 0");
  EXPECT_EQ(G().FMoves->Size(), 0u);
  EXPECT_EQ(Player(), start);
  EXPECT_EQ(G().FBoxes.at(0)->PosX(), 3);
  EXPECT_TRUE(W->lblIntro->isHidden()) << "gone for good";
}

TEST_F(Window, AWinStartsTheNextLevelAndUnlocksIt) {
  Key(Qt::Key_F5);
  Key(Qt::Key_Right);
  EXPECT_EQ(W->FLevel(), 2);
  EXPECT_EQ(W->windowTitle(), "Tollywinder v1.3 - level 2");
  EXPECT_EQ(T_frm_main::Tag(W->LevelItem(2)), 1);
  EXPECT_TRUE(W->LevelItem(2)->isChecked());
}

TEST_F(Window, ExitIsConfirmed) {
  Dialogs.Answers = {TModalResult::mrCancel};
  W->act_finish->trigger();
  EXPECT_TRUE(W->isVisible());
  ASSERT_EQ(Dialogs.Log.size(), 1u);
  EXPECT_EQ(Dialogs.Log[0], std::string("confirm(yes/cancel): ") + kExitQuestion);
  Dialogs.Answers = {TModalResult::mrYes};
  W->act_finish->trigger();
  EXPECT_FALSE(W->isVisible());
  EXPECT_EQ(G().FKeeper, nullptr) << "closing frees the figures";
}

TEST_F(Window, TheFocusComesBackAfterARibbonClick) {
  Key(Qt::Key_F5);
  auto* help = W->Ribbon->findChild<QToolButton*>("dxHelp");
  ASSERT_NE(help, nullptr);
  QTest::mouseClick(help, Qt::LeftButton);
  ASSERT_EQ(W->focusWidget(), help);
  EXPECT_TRUE(W->timer_form->isActive());
  EXPECT_EQ(W->timer_form->interval(), 1200);
  Key(Qt::Key_Up);
  EXPECT_EQ(G().FMoveCount, 0) << "the button holds the keys";
  ASSERT_TRUE(QTest::qWaitFor([&] { return W->focusWidget() == W.get(); }, 5000));
  EXPECT_FALSE(W->timer_form->isActive());
  Key(Qt::Key_Up);
  EXPECT_EQ(G().FMoveCount, 1);
}

TEST_F(Window, NickAndEmailGoToTheSettingsOnEveryChange) {
  test::TempDir dir;
  TGlobals settings(dir.Dir(), LocalNow, TDateNames{});
  settings.Nick = "ann";
  settings.Email = "ann@example.invalid";
  TMainWindowServices s;
  s.Settings = &settings;
  s.Dialogs = &Dialogs;
  T_frm_main w(Folder.Dir(), nullptr, s);
  EXPECT_EQ(w.cxNick->text(), "ann");
  EXPECT_EQ(w.cxEmail->text(), "ann@example.invalid");
  w.cxNick->clear();
  QTest::keyClicks(w.cxNick, "zed");
  EXPECT_EQ(settings.Nick, "zed");
  w.cxEmail->clear();
  QTest::keyClicks(w.cxEmail, "a b@c!.de");  // the blank and "!" can never match
  EXPECT_EQ(w.cxEmail->text(), "ab@c.de");
  EXPECT_EQ(settings.Email, "ab@c.de");
}

// --- The levels menu and its codes.

TEST_F(Window, LevelCodesAreDecodedDistinctAndEasyToType) {
  const TLevelCodes& codes = W->FLevelCodes();
  EXPECT_EQ(codes[1], "");
  std::set<std::string> seen;
  for (int k = 2; k <= 21; ++k) {
    const std::string& c = codes[std::size_t(k)];
    EXPECT_GE(c.size(), 3u);
    EXPECT_LE(c.size(), 9u);
    for (char ch : c) {
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(ch)) ||
                  std::isdigit(static_cast<unsigned char>(ch)))
          << c;
      EXPECT_EQ(std::string("0O1IL").find(ch), std::string::npos) << "look-alike in " << c;
    }
    EXPECT_TRUE(seen.insert(c).second) << c;
  }
  EXPECT_EQ(codes[2], "CRATE");
}

TEST_F(Window, ChoosingLevels) {
  const std::string code5 = W->FLevelCodes()[5];
  const struct {
    const char* Name;
    int Item;
    std::vector<std::string> Typed;
    int LevelAfter;  // 0: no level started (still before F5 or unchanged)
    bool Asked;
  } steps[] = {
      {"the current level does nothing", 1, {}, 0, false},
      {"a wrong code", 5, {"WRONG"}, 0, true},
      {"the code in other case", 5, {"lower"}, 0, true},
      {"the code with a blank before", 5, {" " + code5}, 0, true},
      {"the code with a blank after", 5, {code5 + " "}, 0, true},
      {"cancelled", 5, {""}, 0, true},
      {"the right code before any F5 starts the level", 5, {code5}, 5, true},
      {"unlocked now: no question", 1, {}, 1, false},
      {"and back without a code", 5, {}, 5, false},
      {"level 1 is always open", 1, {}, 1, false},
  };
  int level = 1;
  for (auto step : steps) {
    for (auto& t : step.Typed) {
      if (t == "lower") {
        t = code5;
        for (auto& ch : t) ch = char(std::tolower(static_cast<unsigned char>(ch)));
      }
    }
    Dialogs.Log.clear();
    Dialogs.Inputs.assign(step.Typed.begin(), step.Typed.end());
    const bool lockedBefore = G().FInputLocked;
    W->LevelItem(step.Item)->trigger();
    EXPECT_EQ(!Dialogs.Log.empty(), step.Asked) << step.Name;
    if (step.Asked) {
      EXPECT_EQ(Dialogs.Log[0], "input: Changing Level / Enter level code");
    }
    if (step.LevelAfter) level = step.LevelAfter;
    EXPECT_EQ(W->FLevel(), level) << step.Name;
    EXPECT_TRUE(W->LevelItem(level)->isChecked())
        << step.Name << ": the mark is on the current level";
    if (step.LevelAfter) {
      EXPECT_FALSE(G().FInputLocked) << step.Name;
      EXPECT_EQ(W->windowTitle().toStdString(),
                "Tollywinder v1.3 - level " + std::to_string(level));
      EXPECT_EQ(W->dxStatusBar->dxLevels()->text().toStdString(), "Level " + std::to_string(level));
    } else {
      EXPECT_EQ(G().FInputLocked, lockedBefore) << step.Name;
    }
  }
  EXPECT_EQ(T_frm_main::Tag(W->LevelItem(5)), 1);
  EXPECT_EQ(T_frm_main::Tag(W->LevelItem(6)), 0);
  EXPECT_TRUE(W->lblIntro->isHidden());
}

// --- Recordings.

TEST_F(Window, SaveAndOpenRoundTripAndReplay) {
  Key(Qt::Key_F5);
  Key(Qt::Key_Up);
  Key(Qt::Key_Down);
  const std::string path = Folder.File("path.wvr");
  Dialogs.Files = {path};
  W->act_Save_File->trigger();
  EXPECT_EQ(Dialogs.Log.back(), "save: Tollywinder Movements (*.wvr)|*.WVR .wvr");
  EXPECT_EQ(test::ReadText(path), std::string({char(U), char(D)}));

  // Start again and replay the saved moves: they happen, uncounted and unrecorded.
  Key(Qt::Key_F5);
  Dialogs.Files = {path};
  W->act_open->trigger();
  EXPECT_EQ(Dialogs.Log.back(), "open: tollywinder movements (*.wvr)|*.WVR .wvr");
  EXPECT_TRUE(W->Timer_replay->isActive());
  EXPECT_EQ(W->Timer_replay->interval(), 500);
  const auto start = Player();
  W->Timer_replayTimer();
  EXPECT_EQ(Player(), std::make_pair(start.first, start.second - 1));
  EXPECT_FALSE(G().FReplaying);
  W->Timer_replayTimer();
  W->Timer_replayTimer();
  EXPECT_FALSE(W->Timer_replay->isActive()) << "no byte left";
  EXPECT_EQ(Player(), start);
  EXPECT_EQ(G().FMoveCount, 0);
  EXPECT_EQ(Moves(), "moves: 0");
  EXPECT_EQ(G().FMoves->Size(), 2u);
  // Afterwards the player's moves are appended to the opened bytes.
  Key(Qt::Key_Up);
  EXPECT_EQ(G().FMoves->Bytes(), (std::vector<std::uint8_t>{U, D, U}));
}

TEST_F(Window, AReplayedWinningPathEndsWonWithoutAWin) {
  Key(Qt::Key_F5);
  Dialogs.Files = {File("win.wvr", {R})};
  W->act_open->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !W->Timer_replay->isActive(); }, 5000));
  EXPECT_EQ(G().Cell(4, 2), ccBoxOnTarget);
  EXPECT_EQ(W->FLevel(), 1) << "no completion";
  EXPECT_EQ(G().FMoveCount, 0);
}

TEST_F(Window, ReplayEdgeCases) {
  Key(Qt::Key_F5);
  // An empty file: the first tick stops the timer.
  Dialogs.Files = {File("empty.wvr", {})};
  W->act_open->trigger();
  W->Timer_replayTimer();
  EXPECT_FALSE(W->Timer_replay->isActive());

  // Bytes other than the five key codes are used up without effect.
  const auto start = Player();
  Dialogs.Files = {File("odd.wvr", {0, 1, 13, 65, 200, 255, U})};
  W->act_open->trigger();
  for (int i = 0; i < 6; ++i) W->Timer_replayTimer();
  EXPECT_EQ(Player(), start);
  W->Timer_replayTimer();
  EXPECT_EQ(Player(), std::make_pair(start.first, start.second - 1));

  // A key typed between ticks is counted and written where the next byte would be read.
  Key(Qt::Key_F5);
  Dialogs.Files = {File("three.wvr", {U, D, U})};
  W->act_open->trigger();
  W->Timer_replayTimer();  // U
  Key(Qt::Key_Down);       // the player's own move, over the recorded D
  EXPECT_EQ(G().FMoveCount, 1);
  EXPECT_EQ(G().FMoves->Bytes(), (std::vector<std::uint8_t>{U, D, U}));
  EXPECT_EQ(G().FMoves->Position(), 2u);
  W->Timer_replayTimer();  // U again
  EXPECT_EQ(Player(), std::make_pair(start.first, start.second - 1));
}

TEST_F(Window, AFailedOpenKeepsTheRecording) {
  Key(Qt::Key_F5);
  Key(Qt::Key_Up);
  const std::vector<std::uint8_t> before = G().FMoves->Bytes();
  Dialogs.Files = {Folder.File("missing.wvr")};
  W->act_open->trigger();
  ASSERT_EQ(Handler.Messages.size(), 1u);
  EXPECT_EQ(Handler.Messages[0].rfind("13000|The recording could not be opened.", 0), 0u);
  EXPECT_EQ(G().FMoves->Bytes(), before);
  EXPECT_FALSE(W->Timer_replay->isActive());

  // A file far larger than any recording is refused without being read.
  const std::string big = Folder.File("big.wvr");
  { std::ofstream(big, std::ios::binary); }
  std::filesystem::resize_file(big, kMaxRecordingBytes + 1);
  Dialogs.Files = {big};
  W->act_open->trigger();
  ASSERT_EQ(Handler.Messages.size(), 2u);
  EXPECT_NE(Handler.Messages[1].find("is not a recording"), std::string::npos);
  EXPECT_EQ(G().FMoves->Bytes(), before);

  // A cancelled dialog changes nothing either.
  Dialogs.Files = {""};
  W->act_open->trigger();
  EXPECT_EQ(G().FMoves->Bytes(), before);
}

TEST_F(Window, SavingBeforeAnyRecordingAndAFailedSave) {
  W->act_Save_File->trigger();
  ASSERT_EQ(Dialogs.Log.size(), 1u);
  EXPECT_NE(Dialogs.Log[0].find("no moves to save yet"), std::string::npos);
  Key(Qt::Key_F5);
  Key(Qt::Key_Up);
  Dialogs.Files = {Folder.File("no-such-folder/x.wvr")};
  W->act_Save_File->trigger();
  ASSERT_EQ(Handler.Messages.size(), 1u);
  EXPECT_EQ(Handler.Messages[0].rfind("13001|The recording could not be saved.", 0), 0u);
  // An existing file is replaced whole.
  const std::string path = File("old.wvr", {1, 2, 3, 4, 5, 6});
  Dialogs.Files = {path};
  W->act_Save_File->trigger();
  EXPECT_EQ(test::ReadText(path), std::string(1, char(U)));
}

// --- The real Qt dialogs.

TEST_F(Window, TheRealInputBoxAndSaveDialog) {
  QtDialogs real(W.get());
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QInputDialog*>(w)) {
        EXPECT_EQ(box->windowTitle(), "Changing Level");
        EXPECT_EQ(box->labelText(), "Enter level code");
        box->setTextValue("CRATE");
        box->accept();
      }
    }
  });
  EXPECT_EQ(real.InputBox("Changing Level", "Enter level code", ""), "CRATE");

  const std::string target = Folder.File("typed");
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<QFileDialog*>(w)) {
        EXPECT_EQ(d->nameFilters().join(";"), "Tollywinder Movements (*.wvr *.WVR)");
        auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText(QString::fromStdString(target));
        QTest::keyClick(edit, Qt::Key_Return);
      }
    }
  });
  std::string chosen;
  ASSERT_TRUE(real.SaveFileDialog({"Tollywinder Movements (*.wvr)|*.WVR", "wvr"}, chosen));
  EXPECT_EQ(chosen, target + ".wvr") << "the default extension is added";
}

// --- The playfield's pixels after F5 with the real data.

QRgb Rgb(TColor c) {
  return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

TEST(Playfield, ShowsTheLevelWithItsTransparentColours) {
  ScriptedDialogs dialogs;
  TMainWindowServices s;
  s.Dialogs = &dialogs;
  T_frm_main w(kBin, nullptr, s);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.act_Refresh->trigger();
  TGame& g = w.Game();
  ASSERT_FALSE(g.FBoxes.empty());
  EXPECT_TRUE(dialogs.Log.empty());
  const QImage shot = w.Image->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(1024, 640));

  auto find = [&](std::uint8_t code, int& cx, int& cy) {
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 32; ++x)
        if (g.Cell(x, y) == code && !g.FindBox(x, y) &&
            std::pair(x, y) != std::pair(g.FKeeper->PosX(), g.FKeeper->PosY())) {
          cx = x, cy = y;
          return true;
        }
    return false;
  };
  int fx = 0, fy = 0, wx = 0, wy = 0;
  ASSERT_TRUE(find(ccFloor, fx, fy));
  ASSERT_TRUE(find(ccWall, wx, wy));
  EXPECT_EQ(shot.pixel(fx * 32 + 16, fy * 32 + 16), Rgb(FloorColor));
  const TBitmap wall = LoadBitmapFromFile(kBin + "texture/wall.bmp");
  for (int y = 0; y < 32; y += 7)
    for (int x = 0; x < 32; x += 5)
      EXPECT_EQ(shot.pixel(wx * 32 + x, wy * 32 + y), Rgb(wall.Pixel(x, y)));

  const TBitmap box = LoadBitmapFromFile(kBin + "texture/box.bmp");
  const TBox& b = *g.FBoxes[0];
  ASSERT_EQ(g.Cell(b.PosX(), b.PosY()), ccBox);
  int transparent = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb want = box.Pixel(x, y) == FloorColor ? Rgb(FloorColor) : Rgb(box.Pixel(x, y));
      transparent += box.Pixel(x, y) == FloorColor;
      ASSERT_EQ(shot.pixel(b.PosX() * 32 + x, b.PosY() * 32 + y), want) << x << "," << y;
    }
  EXPECT_GT(transparent, 0) << "the box texture needs a floor-coloured surround";

  const TBitmap up = LoadBitmapFromFile(kBin + "texture/wvU.bmp");
  int magenta = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool clear = up.Pixel(x, y) == MaskMagenta;
      magenta += clear;
      ASSERT_EQ(shot.pixel(g.FKeeper->PosX() * 32 + x, g.FKeeper->PosY() * 32 + y),
                clear ? Rgb(FloorColor) : Rgb(up.Pixel(x, y)))
          << x << "," << y;
    }
  EXPECT_GT(magenta, 0);
}

}  // namespace
