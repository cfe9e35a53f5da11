#pragma once

#include "platform/database.h"

#include <QString>

#include <cstdint>

namespace qv {

// The full time of an examination, in seconds.
constexpr int16_t kExamSeconds = 5400;

// What a fresh draw does to a student folder, on a host folder: the folder must not exist or be
// empty (nothing is deleted); it and its "WARN" subfolder are created, the exam files of items
// 1 to 5 are written from the pictures of imagesHostDir, then "tovo.tim" with the full time.
// Throws FileError for the folder, ExamFileError for an item; what was written stays.
void writePaperFolder(Connection& bank, int16_t set, const QString& hostDir,
                      const QString& imagesHostDir);

// The reference answers of items 1 to 5 into an existing host folder.
void writePaperAnswers(Connection& bank, int16_t set, const QString& hostDir,
                       const QString& imagesHostDir);

}  // namespace qv
