#include "login_pictures.h"

#include "picture_kit.h"

#include <QPainter>
#include <QPainterPath>

namespace qv::pictures {
namespace {

// Where the login's two step buttons sit on the background (pixels).
constexpr QRect kButtonPlates[] = {QRect(317, 375, 105, 34), QRect(472, 375, 105, 34)};

void drawPanel(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
    painter.setBrush(QColor(0, 20, 60, 70));
    painter.drawRoundedRect(area, 14, 14);
}

}  // namespace

QPixmap loginBackground() {
    const QSize size(640, 455);
    QPixmap pixmap = gradient(size, QColor(22, 112, 190), QColor(12, 52, 110));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A title band at the top.
    QLinearGradient band(0, 0, 0, 110);
    band.setColorAt(0, QColor(255, 255, 255, 55));
    band.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(0, 0, size.width(), 110, band);
    painter.setFont(chineseFont(34, true, QStringLiteral("SimHei")));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 28, size.width(), 48), Qt::AlignCenter,
                     QStringLiteral("考 生 登 录"));
    painter.setFont(chineseFont(15, false));
    painter.setPen(QColor(255, 224, 120));
    painter.drawText(QRect(0, 80, size.width(), 24), Qt::AlignCenter,
                     QStringLiteral("二级 Visual Basic 上机考试 · 请输入准考证号"));
    // The panel behind the three data lines.
    drawPanel(painter, QRectF(110, 128, 420, 188));
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    for (int y : {198, 268}) painter.drawLine(130, y, 510, y);
    // The plates of the two step buttons; the captions are drawn by the window.
    for (const QRect& plate : kButtonPlates) {
        QPainterPath path;
        path.addRoundedRect(QRectF(plate), 12, 12);
        QLinearGradient fill(0, plate.top(), 0, plate.bottom());
        fill.setColorAt(0, QColor(60, 150, 220));
        fill.setColorAt(1, QColor(20, 80, 150));
        painter.fillPath(path, fill);
        painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
        painter.drawPath(path);
    }
    return pixmap;
}

QPixmap loginHighlight() {
    const QSize size(77, 22);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(size.width() / 2.0, size.height() / 2.0, size.width() / 2.0);
    glow.setColorAt(0, QColor(255, 236, 150, 230));
    glow.setColorAt(0.7, QColor(255, 190, 60, 160));
    glow.setColorAt(1, QColor(255, 160, 0, 0));
    QPainterPath path;
    path.addRoundedRect(QRectF(pixmap.rect()), 10, 10);
    painter.fillPath(path, glow);
    return pixmap;
}

QPixmap loginWait() {
    const QSize size(260, 30);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(path, QColor(255, 250, 220));
    painter.setPen(QPen(QColor(200, 120, 0), 1));
    painter.drawPath(path);
    // An hourglass.
    painter.setBrush(QColor(200, 120, 0));
    const QPointF top[] = {{10, 6}, {24, 6}, {17, 15}};
    const QPointF bottom[] = {{17, 15}, {24, 24}, {10, 24}};
    painter.drawPolygon(top, 3);
    painter.drawPolygon(bottom, 3);
    painter.setFont(chineseFont(15, true));
    painter.setPen(QColor(120, 50, 0));
    painter.drawText(QRect(32, 0, size.width() - 36, size.height()), Qt::AlignVCenter,
                     QStringLiteral("正在抽取试题,请稍候..."));
    return pixmap;
}

}  // namespace qv::pictures
