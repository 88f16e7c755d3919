// Shows the game's frame buffer 1:1 with the figures over it.
#pragma once

#include <QImage>
#include <QWidget>

#include "Game.h"

namespace tw {

class PlayfieldWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PlayfieldWidget(QWidget* Parent = nullptr);

  void SetGame(TGame* Game);
  // The frame buffer changed: convert it again before the next paint.
  void FrameChanged();
  // A figure's area in window coordinates (the game's pixel space) must be painted again.
  void InvalidateFigureRect(const TRect& R);

  QSize sizeHint() const override { return {kFrameWidth, kFrameHeight}; }

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  void DrawFigure(class QPainter& Painter, const TElement& Figure, const QRect& Clip);

  TGame* FGame = nullptr;
  QImage FFrameImage;  // RGB32 copy of the frame buffer; cheap to draw
  bool FFrameDirty = true;
};

}  // namespace tw
