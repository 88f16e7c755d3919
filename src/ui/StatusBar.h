// The status bar under the playfield: the link panel, the move counter and the level button.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace tw {

inline constexpr int kStatusBarHeight = 28;

class TStatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit TStatusBar(QWidget* Parent);

  QWidget* QuentavoxBar() const { return FLinkPanel; }
  QLabel* dxmoves() const { return FMoves; }
  QToolButton* dxLevels() const { return FLevels; }
  QMenu* PopUpMenu2() const { return FMenu; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QWidget* FLinkPanel;
  QLabel* FMoves;
  QToolButton* FLevels;
  QMenu* FMenu;
};

}  // namespace tw
