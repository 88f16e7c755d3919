#include "StatusBar.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

namespace tw {

TStatusBar::TStatusBar(QWidget* Parent) : QWidget(Parent) {
  setObjectName("dxStatusBar");
  setFixedHeight(kStatusBarHeight);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(8);
  auto panel = [this, row](const char* name) {
    auto* w = new QWidget(this);
    w->setObjectName(name);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(6, 0, 6, 0);
    row->addWidget(w);
    return w;
  };
  FLinkPanel = panel("QuentavoxBar");
  QWidget* moves = panel("dxBarMovements");
  QWidget* levels = panel("dxBarLevels");
  row->insertStretch(1, 1);

  FMoves = new QLabel("moves:", moves);
  FMoves->setObjectName("dxmoves");
  FMoves->setMinimumWidth(90);
  moves->layout()->addWidget(FMoves);

  FLevels = new QToolButton(levels);
  FLevels->setObjectName("dxLevels");
  FLevels->setText("Level 1");
  FLevels->setAutoRaise(true);
  FLevels->setFocusPolicy(Qt::ClickFocus);
  FLevels->setPopupMode(QToolButton::InstantPopup);
  FLevels->setMinimumWidth(80);
  FMenu = new QMenu(FLevels);
  FMenu->setObjectName("PopUpMenu2");
  FLevels->setMenu(FMenu);
  levels->layout()->addWidget(FLevels);
}

void TStatusBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(221, 233, 248));
  g.setColorAt(0.5, QColor(200, 218, 243));
  g.setColorAt(1, QColor(184, 206, 237));
  p.fillRect(rect(), g);
  p.setPen(QColor(141, 178, 227));
  p.drawLine(0, 0, width(), 0);
  // A groove before each panel but the first.
  for (const char* name : {"dxBarMovements", "dxBarLevels"}) {
    if (auto* w = findChild<QWidget*>(name)) {
      const int x = w->geometry().left() - 4;
      p.setPen(QColor(150, 180, 220));
      p.drawLine(x, 4, x, height() - 5);
      p.setPen(QColor(245, 249, 255));
      p.drawLine(x + 1, 4, x + 1, height() - 5);
    }
  }
}

}  // namespace tw
