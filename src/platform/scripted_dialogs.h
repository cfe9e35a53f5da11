#pragma once

#include "dialogs.h"

#include <deque>
#include <functional>

namespace qv {

// Test double: answers from a queue and records every request, so a test can assert the exact
// text, title, buttons, icon and default button. With no queued answer it gives the default.
class ScriptedDialogs : public Dialogs {
  public:
    MsgResult messageBox(const MessageRequest& request) override;
    std::optional<QString> inputBox(const InputRequest& request) override;

    void answer(MsgResult result) { messageAnswers.push_back(result); }
    void answerInput(const QString& text) { inputAnswers.push_back({true, text}); }
    void cancelInput() { inputAnswers.push_back({false, QString()}); }

    std::deque<MsgResult> messageAnswers;
    std::deque<std::pair<bool, QString>> inputAnswers;  // false: cancelled
    std::vector<MessageRequest> messages;
    std::vector<InputRequest> inputs;
    // Runs while a box is "open", so tests can deliver timer ticks meanwhile.
    std::function<void()> whileOpen;
};

// Installs a ScriptedDialogs for the lifetime of the object.
class ScopedScriptedDialogs {
  public:
    ScopedScriptedDialogs() { installDialogs(&dialogs); }
    ~ScopedScriptedDialogs() { installDialogs(nullptr); }
    ScopedScriptedDialogs(const ScopedScriptedDialogs&) = delete;
    ScopedScriptedDialogs& operator=(const ScopedScriptedDialogs&) = delete;
    ScriptedDialogs dialogs;
};

}  // namespace qv
