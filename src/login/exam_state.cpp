#include "exam_state.h"

namespace qv {

ExamState& ExamState::get() {
    static ExamState state;
    return state;
}

void ExamState::reset() {
    get() = ExamState();
}

QString timeText(int seconds) {
    // Floor division, so negative times keep a seconds part of 0 to 59.
    int minutes = seconds / 60;
    if (seconds % 60 != 0 && seconds < 0) --minutes;
    const int rest = seconds - 60 * minutes;
    return QString::number(minutes) + (rest < 10 ? QStringLiteral(":0") : QStringLiteral(":")) +
           QString::number(rest);
}

}  // namespace qv
