#pragma once

namespace qv {

// Wires the windows together and shows the start screen.
void startExamination();

}  // namespace qv
