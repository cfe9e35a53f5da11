#pragma once

#include <QString>

#include <exception>

namespace qv {

// What failed, in words for the student and the proctor: the bank (missing, unreadable, no
// table, empty), a missing record with its set and item, a question text that cannot be
// joined, or a folder step. Rethrows anything else.
QString describeBankOpenFailure(const QString& dataDir, std::exception_ptr failure);
QString describeLoginFailure(std::exception_ptr failure);

}  // namespace qv
