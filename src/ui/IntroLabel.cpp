#include "IntroLabel.h"

#include <QPainter>

namespace tw {
namespace {

constexpr double kShear = -0.22;  // slant to the right
constexpr int kDepth = 6;         // pixels of extrusion, before scaling
// Letters above 64 pixels are filled as paths on every draw, several times slower than the
// glyph cache; they are drawn at this size and the picture is scaled to the 75-pixel height.
constexpr int kDrawnSize = 60;
constexpr double kScale = 75.0 / kDrawnSize;

}  // namespace

TIntroLabel::TIntroLabel(const QString& Caption, QWidget* Parent)
    : QWidget(Parent), FCaption(Caption), FFont("Verdana") {
  setObjectName("lblIntro");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  FFont.setPixelSize(kDrawnSize);
  FFont.setBold(true);
  const QFontMetrics m(FFont);
  resize(int((m.horizontalAdvance(FCaption) + m.height() * -kShear + kDepth) * kScale) + 12,
         int((m.height() + kDepth) * kScale) + 8);
}

void TIntroLabel::paintEvent(QPaintEvent*) {
  const QFontMetrics m(FFont);
  if (FImage.isNull()) {
    // Upright letters first, from the glyph cache: text drawn along a slant would be filled
    // as paths, several times slower.
    FImage = QImage(m.horizontalAdvance(FCaption) + kDepth + 4, m.height() + kDepth + 4,
                    QImage::Format_ARGB32_Premultiplied);
    FImage.fill(Qt::transparent);
    QPainter p(&FImage);
    p.setFont(FFont);
    for (int d = kDepth; d >= 1; --d) {  // the extrusion: dark red copies stepping down-right
      p.setPen(QColor(90 + 8 * (kDepth - d), 0, 0));
      p.drawText(d, m.ascent() + d, FCaption);
    }
    QLinearGradient face(0, 0, 0, m.height());
    face.setColorAt(0, QColor(255, 70, 60));
    face.setColorAt(1, QColor(205, 0, 0));
    p.setPen(QPen(QBrush(face), 1));
    p.drawText(0, m.ascent(), FCaption);
  }
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QTransform slant;
  slant.translate(-kShear * FImage.height() * kScale + 4, 2);
  slant.scale(kScale, kScale);
  slant.shear(kShear, 0);
  p.setTransform(slant);
  p.drawImage(0, 0, FImage);
}

}  // namespace tw
