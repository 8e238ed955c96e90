#include "navigation/toolbar_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace qfc {

namespace {

const QColor kInk(0, 0, 128);  // dark blue, readable on light and dark toolbars

[[nodiscard]] QIcon Drawn(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(kToolbarIconSize, kToolbarIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

// An arrow pointing up in a 16 x 16 box; `flip` turns it upside down.
[[nodiscard]] QIcon Arrow(bool flip) {
  return Drawn([flip](QPainter& painter) {
    QPolygonF arrow{{8, 1.5}, {14.5, 8}, {10.5, 8}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 8}, {1.5, 8}};
    if (flip) {
      for (QPointF& point : arrow) point.setY(kToolbarIconSize - point.y());
    }
    painter.setPen(QPen(kInk.darker(), 1));
    painter.setBrush(kInk);
    painter.drawPolygon(arrow);
  });
}

}  // namespace

QIcon FindIcon() {
  return QIcon::fromTheme("edit-find", Drawn([](QPainter& painter) {
                            painter.setPen(QPen(kInk, 2));
                            painter.setBrush(QColor(200, 225, 255));
                            painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
                            painter.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
                            painter.drawLine(QPointF(10, 10), QPointF(14, 14));
                          }));
}

QIcon UpIcon() { return QIcon::fromTheme("go-up", Arrow(false)); }

QIcon DownIcon() { return QIcon::fromTheme("go-down", Arrow(true)); }

}  // namespace qfc
