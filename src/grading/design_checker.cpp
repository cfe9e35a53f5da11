#include "grader.h"

#include "grading/design_search.h"
#include "grading/file_lines.h"
#include "grading/grade_notes.h"
#include "grading/student_files.h"
#include "platform/text_rules.h"

#include <algorithm>

namespace qv {

void Grader::PingFrm(int16_t Item) {
    checkItemNumber(Item);
    const QString fileName = designFileName(Item, ItemRecord.text(QStringLiteral("vbp文件")));
    QString& notes = notesOf(Item);
    const StudentFile file = readStudentFile(context_.studentHostDir, fileName);
    switch (file.status) {
        case StudentFileStatus::Read:
            break;
        case StudentFileStatus::Missing:
            // Without the form the item is not done at all, so an output share goes too.
            notes += missingFormNote(fileName);
            ItemScore[Item] = 0;
            return;
        case StudentFileStatus::TooLarge:
            notes += oversizedFileNote(fileName);
            return;
        case StudentFileStatus::Unreadable:
            notes += unreadableFileNote(fileName);
            return;
    }
    FileText = lowerText(joinAnsiLines(file.bytes));
    const DesignMatch match =
        matchCheckData(FileText, lowerText(ItemRecord.text(QStringLiteral("数据"))));
    for (const QString& segment : match.missed) notes += designMissNote(fileName, segment);
    const double sum =
        ItemScore[Item] + static_cast<double>(ItemMax[Item]) * match.matched / match.runCounter;
    // Segments ended by "#" count in matched but not in the run counter, so the share can
    // exceed what the item is worth; the report shows the maximum beside the points.
    const long long capped = std::min<long long>(roundHalfEven(sum), kItemMaxAtLoad[Item]);
    ItemScore[Item] = static_cast<int16_t>(capped);
}

}  // namespace qv
