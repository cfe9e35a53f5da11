#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv {

// A program that loops while writing its output can leave a huge file; nothing larger than
// this is read, so grading finishes in bounded memory.
inline constexpr qint64 kStudentFileLimit = 16 * 1024 * 1024;

enum class StudentFileStatus { Read, Missing, TooLarge, Unreadable };

struct StudentFile {
    StudentFileStatus status = StudentFileStatus::Missing;
    QByteArray bytes;  // the whole file when status is Read
};

// A file name from the bank, relative to the student folder ("\" or "/" separated), as a
// clean relative path; empty when the name is blank, absolute, names a drive or climbs out of
// the folder.
std::optional<QString> pathInsideFolder(const QString& name);

// Reads a file of the student folder (a host path). The name is resolved case-insensitively,
// as Windows would, so SJT3.FRM saved by the IDE counts as sjt3.frm. A name outside the folder
// and anything that is not a regular file count as missing.
StudentFile readStudentFile(const QString& folder, const QString& name,
                            qint64 limit = kStudentFileLimit);

}  // namespace qv
