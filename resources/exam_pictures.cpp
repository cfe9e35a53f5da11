#include "exam_pictures.h"

#include "picture_kit.h"

#include <QPainter>
#include <QPainterPath>

namespace qv::pictures {

QPixmap noticeBackground() {
    const QSize size(638, 454);
    QPixmap pixmap = gradient(size, QColor(22, 153, 207), QColor(12, 82, 150));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A light panel behind the notice text.
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawRoundedRect(QRectF(40, 96, 558, 290), 12, 12);
    // The oval frame in which the start button lies (the button sits at 209, 404).
    const QRectF oval(189, 394, 260, 44);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
    painter.setBrush(QColor(0, 40, 90, 110));
    painter.drawEllipse(oval);
    painter.setPen(QPen(QColor(255, 230, 140, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(oval.adjusted(-5, -4, 5, 4));
    return pixmap;
}

QPixmap noticeStartButton(bool highlighted) {
    return buttonFace(QSize(220, 24), QStringLiteral("开始答题并计时"), QColor(30, 110, 190),
                      highlighted, 15);
}

namespace {

void drawSeparator(QPainter& painter, int x) {
    painter.setPen(QColor(150, 170, 200));
    painter.drawLine(x, 2, x, 16);
    painter.setPen(Qt::white);
    painter.drawLine(x + 1, 2, x + 1, 16);
}

void drawLogo(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 64, 192));
    painter.drawEllipse(QRectF(4, 2, 15, 15));
    painter.setPen(Qt::white);
    painter.setFont(chineseFont(10, true));
    painter.drawText(QRectF(4, 2, 15, 15), Qt::AlignCenter, QStringLiteral("Q"));
}

void drawPerson(QPainter& painter, qreal x) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 90, 160));
    painter.drawEllipse(QRectF(x + 3, 2, 7, 7));
    QPainterPath body;
    body.moveTo(x, 17);
    body.cubicTo(x, 9, x + 13, 9, x + 13, 17);
    painter.drawPath(body);
}

void drawClock(QPainter& painter, qreal x) {
    painter.setPen(QPen(QColor(60, 90, 160), 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, 3, 13, 13));
    painter.drawLine(QPointF(x + 6.5, 9.5), QPointF(x + 6.5, 5.5));
    painter.drawLine(QPointF(x + 6.5, 9.5), QPointF(x + 9.5, 9.5));
}

void drawCross(QPainter& painter, qreal x) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRoundedRect(QRectF(x, 3, 13, 13), 3, 3);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(x + 3.5, 6.5), QPointF(x + 9.5, 12.5));
    painter.drawLine(QPointF(x + 9.5, 6.5), QPointF(x + 3.5, 12.5));
}

}  // namespace

QPixmap examBarStrip() {
    // Icons lie just left of the labels they go with (positions in pixels: the labels start at
    // 25, 124, 345 and 401, the last after three blanks).
    QPixmap pixmap = gradient(QSize(462, 19), QColor(250, 252, 255), QColor(200, 214, 236));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLogo(painter);
    drawSeparator(painter, 22);
    drawSeparator(painter, 90);
    drawPerson(painter, 106);
    drawSeparator(painter, 323);
    drawClock(painter, 329);
    drawSeparator(painter, 392);
    drawCross(painter, 397);
    painter.setPen(QColor(120, 140, 180));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap informationIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(2, 1, 28, 24));
    QPainterPath tail;
    tail.moveTo(9, 20);
    tail.lineTo(6, 31);
    tail.lineTo(16, 23);
    tail.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 60, 200));
    painter.drawEllipse(QRectF(14, 5, 4, 4));
    painter.drawRoundedRect(QRectF(14, 11, 4, 10), 1, 1);
    return pixmap;
}

}  // namespace qv::pictures
