// A plain window around the playfield: plays the levels with the arrow keys.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <memory>

#include "Component.h"
#include "Game.h"
#include "PlayfieldWidget.h"
#include "QtDialogs.h"

namespace tw {

class PlayWindow : public QMainWindow, public TComponent, public IGameView {
  Q_OBJECT
 public:
  // Owner is the application's identity; Handler receives the errors the window reports.
  // Dialogs, when given, answers the window's message boxes instead of Qt.
  PlayWindow(const std::string& AppDir, const TComponent* Owner, IExceptionHandler* Handler,
             IDialogs* Dialogs = nullptr, QWidget* Parent = nullptr);
  ~PlayWindow() override;

  TGame& Game() { return *FGame; }
  PlayfieldWidget& Playfield() { return *FPlayfield; }
  QString MovesText() const { return FMoves->text(); }

  // Starts FLevel on the board.
  void StartLevel();

  void SetCaption(const std::string& Text) override;
  void SetMovesCaption(const std::string& Text) override;
  void FrameChanged() override;
  void InvalidateRect(const TRect& R) override;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  QtDialogs FDialogs;
  PlayfieldWidget* FPlayfield;
  QLabel* FMoves;
  std::unique_ptr<TGame> FGame;
};

}  // namespace tw
