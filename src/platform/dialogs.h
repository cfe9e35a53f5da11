#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace qv {

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

// One message box as the program asks for it. defaultButton is 1 or 2 (the first or the
// second button of the set).
struct MessageRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 1;
    bool operator==(const MessageRequest&) const = default;
};

// One text-input prompt; the answer is empty when it was cancelled.
struct InputRequest {
    QString text;
    QString title;
    QString initial;
    bool operator==(const InputRequest&) const = default;
};

// Every message box and input prompt of the program goes through this interface.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual MsgResult messageBox(const MessageRequest& request) = 0;
    virtual std::optional<QString> inputBox(const InputRequest& request) = 0;
};

// The title a message box shows when the program gives none of its own.
inline QString applicationTitle() {
    return QStringLiteral("Quorvane");
}

Dialogs& dialogs();
// Replaces the implementation (tests install a scripted one); nullptr restores the default.
void installDialogs(Dialogs* implementation);

}  // namespace qv
