#include "start_pictures.h"

#include "picture_kit.h"

#include <QPainter>
#include <QPainterPath>

namespace qv::pictures {

QPixmap startBackground() {
    const QSize size(640, 455);
    QPixmap pixmap = gradient(size, QColor(18, 92, 170), QColor(10, 44, 96));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint grid of "keys" behind the title, like a keyboard seen from above.
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int y = 250; y < 360; y += 28) {
        for (int x = 40 + (y / 28 % 2) * 14; x < 600; x += 42)
            painter.drawRoundedRect(x, y, 34, 22, 4, 4);
    }
    // A white band for the title.
    QLinearGradient band(0, 40, 0, 200);
    band.setColorAt(0, QColor(255, 255, 255, 40));
    band.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(0, 40, size.width(), 160, band);
    painter.setFont(chineseFont(40, true, QStringLiteral("SimHei")));
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(0, 70, size.width(), 56), Qt::AlignCenter,
                     QStringLiteral("全国计算机等级考试模拟系统"));
    painter.setFont(chineseFont(26, true, QStringLiteral("SimHei")));
    painter.setPen(QColor(255, 224, 120));
    painter.drawText(QRect(0, 136, size.width(), 40), Qt::AlignCenter,
                     QStringLiteral("二级 Visual Basic 上机考试"));
    // The frame in which the two buttons sit.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2));
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(QRectF(100, 372, 440, 56), 28, 28);
    return pixmap;
}

QPixmap startEnterButton(bool highlighted) {
    return buttonFace(QSize(105, 33), QStringLiteral("进入考试"), QColor(30, 140, 60), highlighted);
}

QPixmap startExitButton(bool highlighted) {
    return buttonFace(QSize(105, 33), QStringLiteral("退出系统"), QColor(170, 50, 40), highlighted);
}

}  // namespace qv::pictures
