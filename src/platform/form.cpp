#include "form.h"

#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace qv {

Form::Form(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::showModal() {
    QPointer<Form> self(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    connect(this, &Form::unloaded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (isVisible()) loop.exec();
}

void Form::setDefaultButton(QAbstractButton* button) {
    if (defaultButton_ == nullptr && button != nullptr) {
        // A shortcut sees Enter before the focused control, which may well accept the key for
        // itself (a text box does) and so never pass it on to the form.
        auto* enter = new QShortcut(this);
        enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, &Form::pressDefaultButton);
    }
    defaultButton_ = button;
}

void Form::pressDefaultButton() {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QAbstractButton* target = focused != nullptr ? focused : defaultButton_;
    if (target != nullptr && target->isEnabled()) target->click();
}

QSize Form::frameExtra() const {
    if (!isVisible()) return QSize(0, 0);
    return frameGeometry().size() - size();
}

int Form::Width() const {
    return pixelsToTwips(width() + frameExtra().width());
}
int Form::Height() const {
    return pixelsToTwips(height() + frameExtra().height());
}

void Form::setWidth(int twips) {
    resize(std::max(1, twipsToPixels(twips) - frameExtra().width()), height());
}

void Form::setHeight(int twips) {
    resize(width(), std::max(1, twipsToPixels(twips) - frameExtra().height()));
}

int Form::Left() const {
    return pixelsToTwips(frameGeometry().x());
}
int Form::Top() const {
    return pixelsToTwips(frameGeometry().y());
}

void Form::moveTo(int leftTwips, int topTwips) {
    move(twipsToPixels(leftTwips), twipsToPixels(topTwips));
}

void Form::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize outer = size() + frameExtra();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void Form::closeEvent(QCloseEvent* event) {
    // A close request from the window manager is an unload request; the form may refuse it.
    if (unloading_) {
        event->accept();
        return;
    }
    event->ignore();
    Forms::unload(this);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Form_KeyPress(13);
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty()) Form_KeyPress(text.at(0).unicode());
    QWidget::keyPressEvent(event);
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

std::map<std::type_index, Form*>& Forms::registry() {
    static std::map<std::type_index, Form*> forms;
    return forms;
}

bool Forms::unload(Form* form) {
    if (form == nullptr || form->unloading_) return true;
    int cancel = 0;
    form->Form_Unload(cancel);
    if (cancel != 0) return false;
    form->unloading_ = true;
    for (auto& [type, slot] : registry()) {
        if (slot == form) slot = nullptr;
    }
    form->hide();
    emit form->unloaded();
    // Deferred, since the unload often runs inside one of the form's own handlers.
    form->deleteLater();
    return true;
}

void Forms::destroyAll() {
    for (auto& [type, slot] : registry()) {
        if (slot != nullptr) {
            slot->unloading_ = true;
            delete slot;
            slot = nullptr;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace qv
