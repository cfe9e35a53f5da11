#include "picture_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qv::pictures {

QFont chineseFont(int pixelSize, bool bold, const QString& family) {
    QFont font(family);
    // Fall back on any installed CJK face (WenQuanYi Micro Hei on our machines).
    font.setFamilies(
        {family, QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPixmap gradient(QSize size, const QColor& top, const QColor& bottom) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillRect(pixmap.rect(), fill);
    return pixmap;
}

QPixmap buttonFace(QSize size, const QString& caption, const QColor& base, bool highlighted,
                   int pixelSize) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    QPainterPath path;
    path.addRoundedRect(face, face.height() / 2.5, face.height() / 2.5);
    const QColor light = highlighted ? base.lighter(165) : base.lighter(125);
    const QColor dark = highlighted ? base.lighter(115) : base.darker(130);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    painter.fillPath(path, fill);
    painter.setPen(
        QPen(highlighted ? QColor(255, 240, 160) : base.darker(170), highlighted ? 2 : 1));
    painter.drawPath(path);
    painter.setFont(chineseFont(pixelSize, true));
    painter.setPen(highlighted ? QColor(120, 40, 0) : Qt::white);
    painter.drawText(face, Qt::AlignCenter, caption);
    return pixmap;
}

}  // namespace qv::pictures
