#pragma once

#include "exam_files_context.h"

#include <cstdint>

namespace qv {

// The reference answers of one item (1 to 5) over the student's files, without backup copies;
// the answers window's FrmPingXi.CreateFile. May run any number of times. The first failing
// step throws ExamFileError; files of earlier steps stay.
void writeAnswerFiles(const ExamFilesContext& context, int16_t item);

}  // namespace qv
