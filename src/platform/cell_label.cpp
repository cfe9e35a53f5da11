#include "cell_label.h"

#include <QPainter>

namespace qv {

CellLabel::CellLabel(QWidget* parent, const QString& caption) : VbLabel(parent, caption) {}

int CellLabel::cellsOf(QChar c) {
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2500 && u <= 0x257F) ||
                      (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3) ||
                      (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
                      (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
    return wide ? 2 : 1;
}

int CellLabel::cellWidth() const {
    return fontMetrics().horizontalAdvance(QChar('0'));
}

QSize CellLabel::sizeHint() const {
    int cells = 0;
    for (const QChar c : text()) cells += cellsOf(c);
    return QSize(cells * cellWidth(), fontMetrics().height());
}

void CellLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int cell = cellWidth();
    const int height = fontMetrics().height();
    int x = 0;
    for (const QChar c : text()) {
        const int cells = cellsOf(c);
        const QRect box(x, 0, cells * cell, height);
        if (c.unicode() >= 0x2500 && c.unicode() <= 0x257F) {
            // Stretch a rule to its two cells, so neighbouring rules join into one line.
            const int advance = std::max(1, fontMetrics().horizontalAdvance(c));
            painter.save();
            painter.translate(x, 0);
            painter.scale(static_cast<double>(box.width()) / advance, 1.0);
            painter.drawText(QRect(0, 0, advance, height), Qt::AlignLeft | Qt::AlignVCenter, c);
            painter.restore();
        } else {
            painter.drawText(box, Qt::AlignCenter, c);
        }
        x += cells * cell;
    }
}

}  // namespace qv
