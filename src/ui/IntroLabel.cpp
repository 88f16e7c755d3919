#include "IntroLabel.h"

#include <QPainter>
#include <QPainterPath>

namespace tw {
namespace {

constexpr double kShear = -0.22;  // slant to the right
constexpr int kDepth = 7;         // pixels of extrusion

}  // namespace

TIntroLabel::TIntroLabel(const QString& Caption, QWidget* Parent)
    : QWidget(Parent), FCaption(Caption), FFont("Verdana") {
  setObjectName("lblIntro");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  FFont.setPixelSize(75);
  FFont.setBold(true);
  const QFontMetrics m(FFont);
  resize(m.horizontalAdvance(FCaption) + int(m.height() * -kShear) + kDepth + 12,
         m.height() + kDepth + 8);
}

void TIntroLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics m(FFont);
  QPainterPath text;
  text.addText(0, m.ascent(), FFont, FCaption);
  QTransform slant;
  slant.translate(-kShear * m.height() + 4, 2);
  slant.shear(kShear, 0);
  text = slant.map(text);
  // The extrusion: dark red copies stepping down-right, then the face on top.
  p.setPen(Qt::NoPen);
  for (int d = kDepth; d >= 1; --d) {
    p.setBrush(QColor(90 + 8 * (kDepth - d), 0, 0));
    p.drawPath(text.translated(d, d));
  }
  QLinearGradient face(0, 0, 0, m.height());
  face.setColorAt(0, QColor(255, 70, 60));
  face.setColorAt(1, QColor(205, 0, 0));
  p.setBrush(face);
  p.setPen(QPen(QColor(120, 0, 0), 1));
  p.drawPath(text);
}

}  // namespace tw
