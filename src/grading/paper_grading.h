#pragma once

#include "grading/grading_context.h"

#include <array>
#include <cstdint>

namespace qv {

struct PaperGrade {
    std::array<int16_t, 6> scores{};  // index 1..5
    int total = 0;
};

// Grades items 1 to 5 in this order with fresh maxima, as one showing of the score window
// does; the messages land in context.notes.
PaperGrade gradePaper(const GradingContext& context);

}  // namespace qv
