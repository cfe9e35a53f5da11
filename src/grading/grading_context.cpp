#include "grading_context.h"

#include "login/exam_state.h"
#include "platform/paths.h"

#include <stdexcept>

namespace qv {

GradingContext contextFromExamState(ExamState& state) {
    if (!state.BankConn || !state.BankConn->isOpen()) {
        throw std::logic_error("grading needs an open question bank");
    }
    return GradingContext{state.SetNo, DrivePaths::toHost(state.StudentDir), *state.BankConn,
                          state.GradeNotes};
}

}  // namespace qv
