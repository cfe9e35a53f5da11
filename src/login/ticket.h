#pragma once

#include <QString>

#include <cstdint>

namespace qv {

// The outcome of checking an admission-ticket number against the bank's set count.
struct TicketCheck {
    enum class Outcome {
        Empty,       // nothing typed
        OutOfRange,  // the last three characters name no set of the bank
        BadFolder,   // the characters that name the student folder are not letters or digits
        Passes,
    };
    Outcome outcome = Outcome::Empty;
    int16_t setNo = 0;  // the set that passed the check (Passes only)
};

// Checks a ticket: the number value of its last three characters must lie in 1..setCount, and
// the set drawn is that same value, so a short ticket cannot draw a set other than the one
// checked. The student folder is named by the first and last four characters and is deleted
// at a fresh draw, so those must be ASCII letters or digits.
TicketCheck checkTicket(const QString& ticket, int setCount);

// True when the first four and the last four characters are ASCII letters or digits.
bool isSafeFolderTicket(const QString& ticket);

// "C:\WEXAM\" + the first four and the last four characters of the ticket.
QString studentDirFor(const QString& ticket);

// "模拟" + the set number.
QString studentNameFor(int setNo);

// The practice candidate's 18-digit identity-card number for a set, born twenty years before
// the given year.
QString identityCardNumber(int currentYear, int setNo);

// The tickets offered to the student: "26019999888800" + the set in two digits.
inline const QString kTicketPrefix = QStringLiteral("26019999888800");

}  // namespace qv
