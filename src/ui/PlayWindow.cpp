#include "PlayWindow.h"

#include <QKeyEvent>
#include <QLayout>
#include <QStatusBar>

#include "FileUtil.h"
#include "KeyMap.h"

namespace tw {

PlayWindow::PlayWindow(const std::string& AppDir, const TComponent* Owner,
                       IExceptionHandler* Handler, IDialogs* Dialogs, QWidget* Parent)
    : QMainWindow(Parent), TComponent("T_frm_main", "_frm_main", Owner), FDialogs(this) {
  setObjectName("_frm_main");
  setWindowTitle("Tollywinder v1.3");
  FPlayfield = new PlayfieldWidget(this);
  setCentralWidget(FPlayfield);
  FMoves = new QLabel(this);
  statusBar()->addWidget(FMoves);
  statusBar()->setSizeGripEnabled(false);

  TGameServices services;
  services.View = this;
  services.ExceptionHandler = Handler;
  services.Dialogs = Dialogs ? Dialogs : &FDialogs;
  services.Sender = this;
  FGame = std::make_unique<TGame>(AppDir, services);
  FGame->FImageLeft = 0;
  FGame->FImageTop = 0;
  FPlayfield->SetGame(FGame.get());
  FGame->act_load_backgroundExecute();
  FGame->CreateKeeper();
  SetMovesCaption(FGame->MovesCaption());
  StartLevel();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

PlayWindow::~PlayWindow() {
  // The figures tell the playfield about their last hiding; detach it first.
  FPlayfield->SetGame(nullptr);
  FGame.reset();
}

void PlayWindow::StartLevel() {
  FGame->StartLevel();
}

void PlayWindow::SetCaption(const std::string& Text) {
  setWindowTitle(QString::fromLocal8Bit(Text));
}

void PlayWindow::SetMovesCaption(const std::string& Text) {
  FMoves->setText(QString::fromLocal8Bit(Text));
}

void PlayWindow::FrameChanged() {
  FPlayfield->FrameChanged();
}

void PlayWindow::InvalidateRect(const TRect& R) {
  FPlayfield->InvalidateFigureRect(R);
}

void PlayWindow::keyPressEvent(QKeyEvent* Event) {
  std::uint16_t key = VirtualKeyFromQt(Event->key());
  if (key == 116) {  // F5 starts the level again
    StartLevel();
    return;
  }
  const TKeyResult result = FGame->FormKeyDown(key);
  if (!result.Won) {
    QMainWindow::keyPressEvent(Event);
    return;
  }
  const int next = FGame->FLevel + 1;
  FGame->FLevel = FileExists(FGame->FAppDir + "map/" + ZeroPad(next, 2) + ".map") ? next : 1;
  StartLevel();
}

}  // namespace tw
