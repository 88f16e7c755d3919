#include "PlayfieldWidget.h"

#include <QPaintEvent>
#include <QPainter>

namespace tw {

PlayfieldWidget::PlayfieldWidget(QWidget* Parent) : QWidget(Parent) {
  setObjectName("Image");
  setFixedSize(kFrameWidth, kFrameHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void PlayfieldWidget::SetGame(TGame* Game) {
  FGame = Game;
  FrameChanged();
}

void PlayfieldWidget::FrameChanged() {
  FFrameDirty = true;
  update();
}

void PlayfieldWidget::InvalidateFigureRect(const TRect& R) {
  if (!FGame || R.Width <= 0 || R.Height <= 0) return;
  update(R.Left - FGame->FImageLeft, R.Top - FGame->FImageTop, R.Width, R.Height);
}

void PlayfieldWidget::DrawFigure(QPainter& Painter, const TElement& Figure, const QRect& Clip) {
  if (!Figure.Visible()) return;
  const TSprite* sprite = Figure.PaintImage();
  if (!sprite) return;
  const QRect at(Figure.Left() - FGame->FImageLeft, Figure.Top() - FGame->FImageTop, sprite->Width,
                 sprite->Height);
  if (!at.intersects(Clip)) return;
  const QImage image(reinterpret_cast<const uchar*>(sprite->Pixels.data()), sprite->Width,
                     sprite->Height, sprite->Width * 4, QImage::Format_ARGB32_Premultiplied);
  Painter.drawImage(at.topLeft(), image);
  if (Figure.FOnPainted) Figure.FOnPainted(Figure);
}

void PlayfieldWidget::paintEvent(QPaintEvent* Event) {
  QPainter painter(this);
  const QRect clip = Event->rect();
  if (!FGame) {
    painter.fillRect(clip, Qt::black);
    return;
  }
  if (FFrameDirty) {
    // Converted once per change: drawing a 24-bit image on every paint costs ten times more.
    FFrameImage = QImage(FGame->FFrame.Bits(), kFrameWidth, kFrameHeight, int(kFrameStride),
                         QImage::Format_BGR888)
                      .convertToFormat(QImage::Format_RGB32);
    FFrameDirty = false;
  }
  for (const QRect& r : Event->region()) painter.drawImage(r.topLeft(), FFrameImage, r);
  // Figures made later lie over earlier ones.
  if (FGame->FKeeper) DrawFigure(painter, *FGame->FKeeper, clip);
  for (const auto& box : FGame->FBoxes) DrawFigure(painter, *box, clip);
}

}  // namespace tw
