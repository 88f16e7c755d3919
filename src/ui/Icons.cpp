#include "Icons.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tw {
namespace {

const QColor kInk(30, 58, 112);

QColor SkinColor(const QString& name) {
  if (name == "Black") return QColor(60, 60, 66);
  if (name == "Blue") return QColor(74, 126, 206);
  if (name == "Caramel") return QColor(196, 142, 84);
  if (name == "Lilian") return QColor(170, 128, 196);
  if (name == "Silver") return QColor(176, 182, 192);
  return QColor(40, 150, 110);  // Xmas2008Blue: a festive green-blue
}

QBrush Glossy(const QColor& base, const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(150));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(130));
  return g;
}

void Crate(QPainter& p, const QRectF& r) {
  p.setBrush(Glossy(QColor(190, 132, 66), r));
  p.drawRoundedRect(r, 2, 2);
  p.setBrush(Glossy(QColor(214, 160, 92), r));
  const QRectF inner = r.adjusted(r.width() / 6, r.height() / 6, -r.width() / 6, -r.height() / 6);
  p.drawRect(inner);
  p.drawLine(inner.topLeft(), inner.bottomRight());
}

void Draw(QPainter& p, const QString& name) {
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (name == "open") {
    p.setBrush(Glossy(QColor(240, 196, 84), QRectF(3, 8, 26, 19)));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(14, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Glossy(QColor(252, 220, 120), QRectF(6, 14, 24, 12)));
    p.drawPolygon(QPolygonF({QPointF(7, 14), QPointF(30, 14), QPointF(26, 26), QPointF(3, 26)}));
  } else if (name == "save") {
    p.setBrush(Glossy(QColor(64, 108, 196), QRectF(4, 4, 24, 24)));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    p.setBrush(QColor(244, 246, 252));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(220, 226, 240));
    p.drawRect(QRectF(8, 17, 16, 11));
    p.drawLine(QPointF(18, 6), QPointF(18, 11));
  } else if (name == "refresh") {
    p.setPen(QPen(QColor(30, 130, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 6, 20, 20), 70 * 16, 280 * 16);
    p.setPen(QPen(QColor(20, 90, 40), 1.2));
    p.setBrush(QColor(40, 160, 70));
    p.drawPolygon(QPolygonF({QPointF(17, 1), QPointF(26, 7), QPointF(16, 12)}));
  } else if (name == "close") {
    p.setBrush(Glossy(QColor(214, 64, 52), QRectF(4, 4, 24, 24)));
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
  } else if (name == "help") {
    p.setBrush(Glossy(QColor(72, 124, 214), QRectF(3, 3, 26, 26)));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath q;
    q.moveTo(12, 12.5);
    q.cubicTo(12, 7, 21, 7, 20.5, 12.5);
    q.cubicTo(20, 16, 16, 15.5, 16, 19.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(q);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 24), 2, 2);
  } else if (name == "link") {
    p.setBrush(Glossy(QColor(86, 160, 228), QRectF(4, 4, 24, 24)));
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(11, 4, 10, 24));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
    p.drawLine(QPointF(6.5, 10), QPointF(25.5, 10));
    p.drawLine(QPointF(6.5, 22), QPointF(25.5, 22));
  } else if (name == "ribbon") {
    p.setBrush(QColor(244, 248, 255));
    p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
    p.setBrush(Glossy(QColor(110, 156, 220), QRectF(3, 5, 26, 8)));
    p.drawRoundedRect(QRectF(3, 5, 26, 8), 2, 2);
    p.setPen(QPen(kInk, 1));
    for (int x : {7, 13, 19}) p.drawRect(QRectF(x, 16, 4, 6));
  } else if (name == "window") {
    Crate(p, QRectF(4, 4, 24, 24));
  } else if (name == "award") {
    // A gold medal on a blue ribbon, with a crate on it.
    p.setBrush(Glossy(QColor(60, 100, 200), QRectF(8, 0, 16, 14)));
    p.drawPolygon(QPolygonF({QPointF(9, 0), QPointF(15, 0), QPointF(19, 13), QPointF(13, 13)}));
    p.drawPolygon(QPolygonF({QPointF(17, 0), QPointF(23, 0), QPointF(19, 13), QPointF(13, 13)}));
    QRadialGradient gold(QPointF(14, 16), 14);
    gold.setColorAt(0, QColor(255, 240, 150));
    gold.setColorAt(0.7, QColor(230, 180, 40));
    gold.setColorAt(1, QColor(180, 120, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(140, 90, 10), 1.4));
    p.drawEllipse(QPointF(16, 20), 10.5, 10.5);
    p.setPen(QPen(QColor(110, 70, 20), 1));
    Crate(p, QRectF(11, 15, 10, 10));
  } else {  // the skins: a little window in the skin's colour
    const QColor c = SkinColor(name);
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(3, 5, 26, 22), 3, 3);
    p.setBrush(Glossy(c, QRectF(3, 5, 26, 9)));
    p.drawRoundedRect(QRectF(3, 5, 26, 9), 3, 3);
    p.setBrush(c.lighter(130));
    p.setPen(QPen(c.darker(150), 1));
    p.drawRect(QRectF(6, 17, 9, 7));
    p.drawRect(QRectF(17, 17, 9, 7));
  }
}

}  // namespace

QStringList GameIconNames() {
  return {"open",  "save", "refresh", "close",  "help",   "link",         "window", "ribbon",
          "Black", "Blue", "Caramel", "Lilian", "Silver", "Xmas2008Blue", "award"};
}

QImage DrawGameIcon(const QString& Name, int Size) {
  QImage image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(Size / 32.0, Size / 32.0);
  Draw(p, Name);
  return image;
}

QIcon GameIcon(const std::string& AppDir, const QString& Name, int Size) {
  const QString base = QString::fromLocal8Bit(AppDir) + "icons/" + Name;
  const QString file = Size <= 16 ? base + "_16.png" : base + ".png";
  if (QFileInfo::exists(file)) {
    QIcon icon(file);
    if (!icon.isNull()) return icon;
  }
  return QIcon(QPixmap::fromImage(DrawGameIcon(Name, Size)));
}

}  // namespace tw
