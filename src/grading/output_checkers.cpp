#include "grader.h"

#include "grading/file_lines.h"
#include "grading/grade_notes.h"
#include "grading/output_match.h"
#include "grading/student_files.h"
#include "platform/text_rules.h"

namespace qv {
namespace {

const QString kOutputField = QStringLiteral("答文out");
const QString kExpectedField = QStringLiteral("其它答文");

// ItemMax × 3 ÷ 5: the output share.
double outputShare(int16_t itemMax) {
    return product16(itemMax, 3) / 5.0;
}

}  // namespace

std::optional<QByteArray> Grader::readOutputFile(int16_t item) {
    const QString outputName = ItemRecord.text(kOutputField);
    StudentFile file = readStudentFile(context_.studentHostDir, outputName);
    switch (file.status) {
        case StudentFileStatus::Read:
            return std::move(file.bytes);
        case StudentFileStatus::Missing:
            notesOf(item) += missingOutputNote(outputName);
            break;
        case StudentFileStatus::TooLarge:
            notesOf(item) += oversizedFileNote(outputName);
            break;
        case StudentFileStatus::Unreadable:
            notesOf(item) += unreadableFileNote(outputName);
            break;
    }
    ItemScore[item] = 0;
    return std::nullopt;
}

void Grader::lowerMaximum(int16_t item) {
    ItemMax[item] = static_cast<int16_t>(roundHalfEven(product16(ItemMax[item], 2) / 5.0));
}

void Grader::PingOutSingle(int16_t Item) {
    checkItemNumber(Item);
    if (const std::optional<QByteArray> bytes = readOutputFile(Item)) {
        FileText = joinAnsiLines(*bytes);
        if (singleResultMatches(FileText, ItemRecord.text(kExpectedField))) {
            ItemScore[Item] = static_cast<int16_t>(roundHalfEven(outputShare(ItemMax[Item])));
        } else {
            notesOf(Item) += wrongSingleResultNote(ItemRecord.text(kOutputField));
        }
    }
    lowerMaximum(Item);
}

void Grader::PingOutMulti(int16_t Item) {
    checkItemNumber(Item);
    if (const std::optional<QByteArray> bytes = readOutputFile(Item)) {
        const QStringList expected = expectedLines(ItemRecord.text(kExpectedField));
        const QStringList output = firstAnsiLines(*bytes, expected.size());
        const double total = multiResultCredit(expected, output, ItemMax[Item]);
        ItemScore[Item] = static_cast<int16_t>(roundHalfEven(total));
        const double share = outputShare(ItemMax[Item]);
        if (share > ItemScore[Item]) {
            notesOf(Item) += wrongMultiResultNote(ItemRecord.text(kOutputField));
        } else {
            ItemScore[Item] = static_cast<int16_t>(roundHalfEven(share));
        }
    }
    lowerMaximum(Item);
}

}  // namespace qv
