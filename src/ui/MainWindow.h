// The main window: ribbon, playfield and status bar around the game, and the game's flow:
// start-up, level start, levels menu, recordings and replay, focus return, confirmed exit.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "Component.h"
#include "Dialogs.h"
#include "Game.h"
#include "Globals.h"
#include "IntroLabel.h"
#include "LevelCodes.h"
#include "MusicPlayer.h"
#include "PlayfieldWidget.h"
#include "QtDialogs.h"
#include "Ribbon.h"
#include "StatusBar.h"

namespace tw {

class T_frm_main;

// What the window needs from the rest of the program. Anything left empty is skipped: the
// window still starts and plays.
struct TMainWindowServices {
  TGlobals* Settings = nullptr;
  IExceptionHandler* ExceptionHandler = nullptr;
  IDialogs* Dialogs = nullptr;        // Qt's dialogs when empty
  IWavePlayer* WavePlayer = nullptr;  // silent when empty
  IMusicPlayer* Music = nullptr;
  std::function<void(const std::string& SkinName)> ApplySkin;
  std::function<void(T_frm_main&)> SetupAudio;  // mixer and device combos
  // The completion flow after a won level; when empty the next level simply starts.
  std::function<void(T_frm_main&)> LevelWon;
};

inline constexpr int kWindowWidth = 1024;
inline constexpr int kWindowHeight = kRibbonHeight + kFrameHeight + kStatusBarHeight;
inline constexpr const char* kExitQuestion = " Would you like to finish the game and exit?";

class T_frm_main : public QWidget, public TComponent, public IGameView {
  Q_OBJECT
 public:
  T_frm_main(const std::string& AppDir, const TComponent* Owner, TMainWindowServices Services,
             QWidget* Parent = nullptr);
  ~T_frm_main() override;

  // Handlers, named as the actions and events they serve.
  void act_RefreshExecute();
  void act_finishExecute();
  void act_minimizeExecute();
  void act_set_focus_formExecute();
  void timer_formTimer();
  void act_create_levels_itemsExecute();
  void act_btnlevel_changeExecute(QAction* Sender);
  void act_Save_FileExecute();
  void act_openExecute();
  void Timer_replayTimer();
  void FormKeyDown(std::uint16_t& Key);
  void FormClose();

  TGame& Game() { return *FGame; }
  int FLevel() const { return FGame->FLevel; }
  void SetLevel(int Level) { FGame->FLevel = Level; }
  QAction* LevelItem(int Level) const { return FLevelItems.at(std::size_t(Level - 1)); }
  static int Tag(const QAction* Item) { return Item->data().toInt(); }
  static void SetTag(QAction* Item, int Tag) { Item->setData(Tag); }
  const TLevelCodes& FLevelCodes() const { return FCodes; }
  const std::vector<std::uint8_t>& FFinishSound() const { return FFinish; }

  // Components, by their names.
  TRibbon* Ribbon;
  PlayfieldWidget* Image;
  TIntroLabel* lblIntro;
  TStatusBar* dxStatusBar;
  QLineEdit* cxNick;
  QLineEdit* cxEmail;
  QTimer* timer_form;
  QTimer* Timer_replay;
  QAction* act_Refresh;
  QAction* act_finish;
  QAction* act_open;
  QAction* act_Save_File;
  QAction* act_minimize;

  // IGameView
  void SetCaption(const std::string& Text) override;
  void SetMovesCaption(const std::string& Text) override;
  void FrameChanged() override;
  void InvalidateRect(const TRect& R) override;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  void FormCreate();
  void BuildRibbon();
  // Runs a handler; what it raises goes to the exception handler with this window as sender.
  void Run(const std::function<void()>& Handler);
  void DefaultLevelWon();
  void ProcessMessages();

  std::string FAppDir;
  TMainWindowServices FServices;
  QtDialogs FQtDialogs;
  IDialogs* FDialogs;
  std::unique_ptr<TGame> FGame;
  TLevelCodes FCodes;
  std::vector<QAction*> FLevelItems;
  std::vector<std::uint8_t> FFinish;
  bool FCentred = false;
};

}  // namespace tw
