#include "Icons.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tw {
namespace {

QPixmap Drawn(const QString& name, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  const QColor ink(36, 72, 140), light(250, 250, 255);
  p.setPen(QPen(ink, 2));
  if (name == "open") {
    p.setBrush(QColor(246, 206, 96));
    p.drawRect(4, 9, 24, 17);
    p.drawRect(4, 6, 10, 4);
  } else if (name == "save") {
    p.setBrush(QColor(70, 110, 190));
    p.drawRoundedRect(5, 5, 22, 22, 2, 2);
    p.setBrush(light);
    p.drawRect(10, 5, 12, 8);
    p.drawRect(9, 18, 14, 9);
  } else if (name == "refresh") {
    p.setPen(QPen(QColor(40, 150, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 290 * 16);
    p.setBrush(QColor(40, 150, 60));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(19, 2), QPointF(27, 8), QPointF(18, 12)}));
  } else if (name == "close") {
    p.setPen(QPen(QColor(190, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(9, 9, 23, 23);
    p.drawLine(23, 9, 9, 23);
  } else if (name == "help") {
    p.setBrush(QColor(70, 120, 210));
    p.drawEllipse(3, 3, 26, 26);
    p.setPen(light);
    QFont f("DejaVu Sans");
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, "?");
  } else if (name == "link") {
    p.setBrush(QColor(90, 160, 230));
    p.drawEllipse(4, 4, 24, 24);
    p.drawLine(4, 16, 28, 16);
    p.drawEllipse(QRectF(11, 4, 10, 24));
  } else {  // a crate: the game's own mark
    p.setBrush(QColor(190, 130, 60));
    p.drawRect(5, 5, 22, 22);
    p.drawLine(5, 5, 27, 27);
    p.drawLine(27, 5, 5, 27);
  }
  return pm;
}

}  // namespace

QIcon GameIcon(const std::string& AppDir, const QString& Name, int Size) {
  const QString file = QString::fromLocal8Bit(AppDir) + "icons/" + Name + ".png";
  if (QFileInfo::exists(file)) {
    QIcon icon(file);
    if (!icon.isNull()) return icon;
  }
  return QIcon(Drawn(Name, Size));
}

}  // namespace tw
