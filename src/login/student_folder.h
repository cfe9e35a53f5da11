#pragma once

#include <QString>

namespace qv {

// The exam root every student folder lies in.
inline const QString kExamRoot = QStringLiteral("C:\\WEXAM");

// True when the student folder (a Windows path) exists as a folder.
bool studentFolderExists(const QString& studentDir);

// Prepares a fresh examination: creates the exam root if needed, deletes the student folder
// with everything in it (read-only entries too), and creates it again with its "WARN"
// subfolder. Only a folder directly inside the exam root, named by letters and digits, is
// ever touched. Throws FileError naming the step and the folder.
void recreateStudentFolder(const QString& studentDir);

}  // namespace qv
