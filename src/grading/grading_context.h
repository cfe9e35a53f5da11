#pragma once

#include "platform/database.h"

#include <QString>

#include <array>
#include <cstdint>

namespace qv {

struct ExamState;

// What grading one paper reads and writes: the drawn set, the student folder as a host path,
// the open question bank, and the five message texts (index 1..5) the checkers append to.
struct GradingContext {
    int16_t setNo = 0;
    QString studentHostDir;
    Connection& bank;
    std::array<QString, 6>& notes;
};

// The context of the examination in progress: its set, its student folder mapped onto the
// drive, its bank connection and its GradeNotes. Throws std::logic_error when no bank is open.
GradingContext contextFromExamState(ExamState& state);

}  // namespace qv
