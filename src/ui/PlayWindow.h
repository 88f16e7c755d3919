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

class PlayWindow : public QMainWindow, public IGameView, public IExceptionHandler {
  Q_OBJECT
 public:
  explicit PlayWindow(const std::string& AppDir, QWidget* Parent = nullptr);
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
  void HandleException(const TComponent* Sender, const std::exception& E) override;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  TComponent FIdentity{"T_frm_main", "_frm_main"};
  QtDialogs FDialogs;
  PlayfieldWidget* FPlayfield;
  QLabel* FMoves;
  std::unique_ptr<TGame> FGame;
};

}  // namespace tw
