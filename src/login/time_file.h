#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace qv {

// The one-line time file "tovo.tim" in the student folder: " 5400 " CR LF.
QString timeFilePath(const QString& studentDirWindows);

// Rewrites the file by atomic replace, so a crash or a full disk in the middle of the write
// leaves the previous value. Throws FileError.
void writeTimeFile(const QString& studentDirWindows, int16_t seconds);

// The remaining time from the file; empty when the file is missing, unreadable, or holds no
// number that fits the 16-bit count.
std::optional<int16_t> readTimeFile(const QString& studentDirWindows);

// Removes temporary copies of the time file that a crash in the middle of a rewrite left
// behind (".tovo.tim.XXXXXX"); the time file itself is never touched.
void removeTimeFileLeftovers(const QString& studentDirWindows);

}  // namespace qv
