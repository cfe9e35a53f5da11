#include "qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace qv {
namespace {

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    QString caption;
    MsgResult result;
};

std::vector<ButtonSpec> buttonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel:
            return {{QStringLiteral("确定"), MsgResult::Ok},
                    {QStringLiteral("取消"), MsgResult::Cancel}};
        case MsgButtons::YesNo:
            return {{QStringLiteral("是(&Y)"), MsgResult::Yes},
                    {QStringLiteral("否(&N)"), MsgResult::No}};
        case MsgButtons::Ok:
            break;
    }
    return {{QStringLiteral("确定"), MsgResult::Ok}};
}

}  // namespace

MsgResult QtDialogs::messageBox(const MessageRequest& request) {
    QMessageBox box(iconOf(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    const std::vector<ButtonSpec> specs = buttonsOf(request.buttons);
    std::vector<QPushButton*> pushButtons;
    for (const ButtonSpec& spec : specs) {
        const auto role = (spec.result == MsgResult::Cancel || spec.result == MsgResult::No)
                              ? QMessageBox::RejectRole
                              : QMessageBox::AcceptRole;
        pushButtons.push_back(box.addButton(spec.caption, role));
    }
    const size_t defaultIndex = static_cast<size_t>(request.defaultButton - 1);
    if (defaultIndex < pushButtons.size()) box.setDefaultButton(pushButtons[defaultIndex]);
    // Esc gives the last button (Cancel / No), or OK when it is the only one.
    box.setEscapeButton(pushButtons.back());
    box.exec();
    for (size_t i = 0; i < pushButtons.size(); ++i) {
        if (box.clickedButton() == pushButtons[i]) return specs[i].result;
    }
    return specs.back().result;
}

std::optional<QString> QtDialogs::inputBox(const InputRequest& request) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), request.title, request.text,
                              QLineEdit::Normal, request.initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

}  // namespace qv
