#pragma once

#include "login/question_bank.h"

#include <QString>

#include <vector>

namespace qv {

// One thing in a bank that the program relies on and that is broken.
struct BankFinding {
    QString where;  // the record's key, or "bank" for the bank as a whole
    QString field;
    QString problem;
    // "where field: problem", one line.
    QString line() const { return where + u' ' + field + QStringLiteral(": ") + problem; }
};

// Lints the records of a bank (in stored order) against what the login, the two file writers
// and grading read from them. imgFolder is the picture folder beside the bank.
std::vector<BankFinding> checkBank(const std::vector<BankRecord>& records,
                                   const QString& imgFolder);

}  // namespace qv
