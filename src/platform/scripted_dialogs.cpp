#include "scripted_dialogs.h"

namespace qv {

MsgResult ScriptedDialogs::messageBox(const MessageRequest& request) {
    messages.push_back(request);
    if (whileOpen) whileOpen();
    if (!messageAnswers.empty()) {
        const MsgResult result = messageAnswers.front();
        messageAnswers.pop_front();
        return result;
    }
    const int index = request.defaultButton;
    switch (request.buttons) {
        case MsgButtons::OkCancel:
            return index == 2 ? MsgResult::Cancel : MsgResult::Ok;
        case MsgButtons::YesNo:
            return index == 2 ? MsgResult::No : MsgResult::Yes;
        case MsgButtons::Ok:
            break;
    }
    return MsgResult::Ok;
}

std::optional<QString> ScriptedDialogs::inputBox(const InputRequest& request) {
    inputs.push_back(request);
    if (whileOpen) whileOpen();
    if (!inputAnswers.empty()) {
        const auto [given, text] = inputAnswers.front();
        inputAnswers.pop_front();
        if (given) return text;
    }
    return std::nullopt;
}

}  // namespace qv
