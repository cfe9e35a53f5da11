#include "ticket.h"

#include "platform/text_rules.h"

namespace qv {

bool isSafeFolderTicket(const QString& ticket) {
    const QString part = leftChars(ticket, 4) + rightChars(ticket, 4);
    if (part.isEmpty()) return false;
    for (const QChar c : part) {
        const char16_t u = c.unicode();
        const bool asciiAlnum =
            (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
        if (!asciiAlnum) return false;
    }
    return true;
}

TicketCheck checkTicket(const QString& ticket, int setCount) {
    TicketCheck check;
    if (ticket.isEmpty()) return check;
    const double value = numberValue(rightChars(ticket, 3));
    if (value < 1 || value > setCount) {
        check.outcome = TicketCheck::Outcome::OutOfRange;
        return check;
    }
    if (!isSafeFolderTicket(ticket)) {
        check.outcome = TicketCheck::Outcome::BadFolder;
        return check;
    }
    check.outcome = TicketCheck::Outcome::Passes;
    check.setNo = static_cast<int16_t>(roundHalfEven(value));
    return check;
}

QString studentDirFor(const QString& ticket) {
    return QStringLiteral("C:\\WEXAM\\") + leftChars(ticket, 4) + rightChars(ticket, 4);
}

QString studentNameFor(int setNo) {
    return QStringLiteral("模拟") + QString::number(setNo);
}

QString identityCardNumber(int currentYear, int setNo) {
    // One more zero for a one-digit set keeps the number at 18 digits.
    const QString middle = setNo < 10 ? QStringLiteral("1231000") : QStringLiteral("123100");
    return QStringLiteral("111234") + QString::number(currentYear - 20) + middle +
           QString::number(setNo);
}

}  // namespace qv
