#pragma once

#include <QString>

namespace qv {

// The exam folder gets the exam variant; the reference answers bring the answer variant, which
// may list the standard module and chooses the startup form differently.
enum class ProjectVariant { Exam, Answer };

// Project codes "D", "E", "F" and "G", exactly as stored, mark a project with two forms.
bool isTwoFormCode(const QString& projectCode);

// The .vbp text of item n. basField (the record's bas文件) only matters for the answer variant.
QString projectFileText(ProjectVariant variant, int item, const QString& projectCode,
                        const QString& basField = QString());

}  // namespace qv
