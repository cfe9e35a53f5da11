#pragma once

#include <functional>

namespace qv {

// The end-of-exam window opens the score window through this hook, which the program wires at
// start-up, so the examination windows do not depend on grading. The opener shows the score
// window modally and returns when it has closed.
void setScoreWindowOpener(std::function<void()> opener);
// Runs the opener; false when none is set.
bool openScoreWindow();

}  // namespace qv
