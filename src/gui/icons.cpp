#include "gui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvalis::gui {

namespace {

QPixmap Canvas(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

// A block of stock with an end mill above it.
QIcon ProgramIcon() {
    QPixmap pixmap = Canvas(64);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 60, 90), 2));
    painter.setBrush(QColor(120, 150, 190));
    QPainterPath block;
    block.moveTo(8, 40);
    block.lineTo(32, 30);
    block.lineTo(56, 40);
    block.lineTo(32, 50);
    block.closeSubpath();
    painter.drawPath(block);
    painter.setBrush(QColor(90, 115, 150));
    painter.drawPolygon(QPolygonF({{8, 40}, {32, 50}, {32, 60}, {8, 50}}));
    painter.setBrush(QColor(70, 90, 120));
    painter.drawPolygon(QPolygonF({{32, 50}, {56, 40}, {56, 50}, {32, 60}}));
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRect(QRectF(27, 4, 10, 18));
    painter.setBrush(QColor(230, 170, 40));
    painter.drawRect(QRectF(29, 22, 6, 12));
    return QIcon(pixmap);
}

// A camera.
QIcon CaptureIcon() {
    QPixmap pixmap = Canvas(48);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 50), 2));
    painter.setBrush(QColor(90, 95, 110));
    painter.drawRoundedRect(QRectF(4, 14, 40, 26), 4, 4);
    painter.drawRect(QRectF(16, 9, 14, 6));
    painter.setBrush(QColor(170, 200, 235));
    painter.drawEllipse(QPointF(24, 27), 8, 8);
    return QIcon(pixmap);
}

}  // namespace orvalis::gui
