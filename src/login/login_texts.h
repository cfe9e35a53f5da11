#pragma once

#include "platform/dialogs.h"

#include <QString>

namespace qv {

// The title of the login's own message boxes.
inline const QString kLoginTitle = QStringLiteral("Quorvane_登录提示");

// The message boxes of the login, exactly as the student sees them.
namespace login_messages {
MessageRequest emptyTicket();
MessageRequest offeredTickets(int setCount);
MessageRequest ticketOutOfRange(const QString& ticket);
MessageRequest badFolderTicket(const QString& ticket);
MessageRequest confirmData(const QString& ticket, const QString& name, const QString& identityCard);
MessageRequest secondLogin();
MessageRequest wrongPassword();
MessageRequest leaveLogin();
// A step that failed (bank, record, files): what failed, in the login's style.
MessageRequest failure(const QString& text);
}  // namespace login_messages

// The remaining time in the notice window: minutes + "分" + seconds + "秒" (5400 gives 90分0秒).
QString noticeTimeText(int seconds);

// The caption of the main exam window and the ticket line of the exam bar.
QString mainWindowCaption(const QString& studentName, const QString& ticket);
QString barTicketLine(const QString& ticket, const QString& studentName);

}  // namespace qv
