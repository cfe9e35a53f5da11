#include "controls.h"

#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

QColor vbColor(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

VbLabel::VbLabel(QWidget* parent, const QString& caption) : QLabel(caption, parent) {
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void VbLabel::place(int left, int top, int width, int height) {
    if (width < 0 || height < 0) {
        adjustSize();
        move(twipsToPixels(left), twipsToPixels(top));
        return;
    }
    setGeometry(twipsRect(left, top, width, height));
}

void VbLabel::setForeColor(quint32 color) {
    foreColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, vbColor(color));
    setPalette(p);
}

void VbLabel::setBackColor(quint32 color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void VbLabel::setAutoSize(bool on) {
    autoSize_ = on;
    if (on) adjustSize();
}

void VbLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    event->accept();
}

void VbLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    event->accept();
    if (click) emit Click();
}

void VbLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

VbImage::VbImage(QWidget* parent, const QPixmap& picture) : VbLabel(parent) {
    setPicture(picture);
}

void VbImage::setPicture(const QPixmap& picture) {
    setPixmap(picture);
    if (!picture.isNull()) resize(picture.size());
}

VbTextBox::VbTextBox(QWidget* parent) : QLineEdit(parent) {}

void VbTextBox::place(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

void VbTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit KeyPress(13);
        return;
    }
    const QString text = event->text();
    QLineEdit::keyPressEvent(event);
    if (!text.isEmpty() && text.at(0).isPrint()) emit KeyPress(text.at(0).unicode());
}

}  // namespace qv
