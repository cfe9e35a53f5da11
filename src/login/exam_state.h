#pragma once

#include "platform/database.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace qv {

// The one process-wide record of the examination in progress. Every window reads and writes
// it; all access happens on the user-interface thread.
struct ExamState {
    quint32 FormBackColor = 0;
    QString StudentName;
    QString TicketNo;
    int16_t TimeLeft = 0;
    QString StudentDir;  // Windows path, e.g. C:\WEXAM\27010001
    int16_t SetNo = 0;
    int16_t SetCount = 0;
    QString DataDir;  // Windows path, e.g. C:\windows\system32\cwmx
    QString QuestionRtf1;
    QString QuestionRtf2;
    QString QuestionRtf3;
    std::array<QString, 6> GradeNotes;  // items 1..5; index 0 unused
    std::unique_ptr<Connection> BankConn;

    static ExamState& get();
    // Starts a fresh, empty record (tests, and nothing else).
    static void reset();
};

// The back colour of the start, login and notice windows (&H00CF9916&).
constexpr quint32 kFormBackColor = 13605142;

// The remaining time as a clock: m:ss, with m rounded down (so -1 reads -1:59).
QString timeText(int seconds);

}  // namespace qv
