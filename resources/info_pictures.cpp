#include "info_pictures.h"

#include "picture_kit.h"

#include <QPainter>

namespace qv::pictures {

QPixmap programIcon() {
    // A monitor with a check mark: the computer-based paper, graded.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 60), 1.5));
    painter.setBrush(QColor(18, 92, 170));
    painter.drawRoundedRect(QRectF(2, 3, 28, 20), 3, 3);
    painter.setBrush(QColor(90, 90, 100));
    painter.drawRect(QRectF(12, 23, 8, 4));
    painter.drawRect(QRectF(8, 27, 16, 2));
    painter.setPen(QPen(QColor(255, 224, 120), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(9, 13), QPointF(14, 18), QPointF(23, 8)}));
    return pixmap;
}

QPixmap aboutPicture() {
    const QSize size(96, 64);
    QPixmap pixmap = gradient(size, QColor(18, 92, 170), QColor(10, 44, 96));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int x = 6; x < size.width(); x += 14) painter.drawRoundedRect(x, 42, 10, 8, 2, 2);
    painter.setFont(chineseFont(18, true, QStringLiteral("SimHei")));
    painter.setPen(QColor(255, 224, 120));
    painter.drawText(QRect(0, 6, size.width(), 30), Qt::AlignCenter, QStringLiteral("VB 二级"));
    return pixmap;
}

}  // namespace qv::pictures
