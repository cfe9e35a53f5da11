#pragma once

#include "exam_files_context.h"

#include <cstdint>

namespace qv {

// The exam files of one item (1 to 5) into the student folder, each with its copy in the backup
// folder; the login window's Form2.CreateFile. The folders must exist. The first failing step
// throws ExamFileError; files of earlier steps stay.
void writeExamFiles(const ExamFilesContext& context, int16_t item);

}  // namespace qv
