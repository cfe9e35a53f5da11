#include "frame_box.h"

#include "twips.h"

#include <QPainter>

namespace qv {

FrameBox::FrameBox(QWidget* parent, int borderStyle) : QFrame(parent), borderStyle_(borderStyle) {
    setFrameShape(QFrame::NoFrame);
    setToolTip(QStringLiteral("Orlenix Studio"));
}

void FrameBox::place(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

int FrameBox::Width() const {
    return pixelsToTwips(width());
}

int FrameBox::Height() const {
    return pixelsToTwips(height());
}

void FrameBox::setHeight(int twips) {
    resize(width(), std::max(0, twipsToPixels(twips)));
}

void FrameBox::setBorderStyle(int style) {
    borderStyle_ = style;
    update();
}

void FrameBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor shadow = palette().color(QPalette::Shadow);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const auto edge = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    switch (borderStyle_) {
        case 4:
            edge(outer, dark, light);
            edge(outer.adjusted(1, 1, -1, -1), shadow, palette().color(QPalette::Midlight));
            break;
        case 5:
            edge(outer, light, dark);
            edge(outer.adjusted(1, 1, -1, -1), dark, light);
            break;
        default:
            painter.setPen(dark);
            painter.drawRect(outer);
            break;
    }
}

}  // namespace qv
