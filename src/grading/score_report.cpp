#include "score_report.h"

#include "grading/grader.h"
#include "platform/text_rules.h"

#include <numeric>

namespace qv {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct RowText {
    const char16_t* before;
    const char16_t* after;
};

// Index 1..5; the printed maxima are fixed texts.
constexpr std::array<RowText, 6> kRows = {{
    {u"", u""},
    {u"一、1   15     ", u"      基本操作"},
    {u"一、2   15     ", u"      基本操作"},
    {u"二、1   20     ", u"      简单应用"},
    {u"二、2   20     ", u"      简单应用"},
    {u"三、1   30     ", u"      综合应用"},
}};

constexpr std::array<const char16_t*, 6> kNoteHeaders = {u"",
                                                         u"   第一(1)题 信息:",
                                                         u"   第一(2)题 信息:",
                                                         u"   第二(1)题 信息:",
                                                         u"   第二(2)题 信息:",
                                                         u"   第 三  题 信息:"};

}  // namespace

QString numberCell(int points) {
    const QString number =
        (points >= 0 ? QStringLiteral(" ") : QString()) + QString::number(points);
    return rightChars(QStringLiteral("   ") + number, 3);
}

QString itemReportRow(int item, int points) {
    checkItemNumber(item);
    const RowText& row = kRows[static_cast<size_t>(item)];
    return QString::fromUtf16(row.before) + numberCell(points) + QString::fromUtf16(row.after);
}

QString totalReportRow(int total, int setNo) {
    return QStringLiteral("总分   100     ") + numberCell(total) + QStringLiteral("      第") +
           QString::number(setNo) + QStringLiteral("套题");
}

std::array<QString, 6> reportRows(const std::array<int16_t, 6>& scores, int setNo) {
    std::array<QString, 6> rows;
    for (int item = 1; item <= 5; ++item) {
        rows[static_cast<size_t>(item)] = itemReportRow(item, scores[static_cast<size_t>(item)]);
    }
    rows[0] = totalReportRow(std::accumulate(scores.begin() + 1, scores.end(), 0), setNo);
    return rows;
}

QString gradeNotesHeader(int item) {
    checkItemNumber(item);
    return QString::fromUtf16(kNoteHeaders[static_cast<size_t>(item)]);
}

QString gradeNotesText(const std::array<QString, 6>& notes) {
    QString text;
    for (int item = 1; item <= 5; ++item) {
        const QString& itemNotes = notes[static_cast<size_t>(item)];
        if (itemNotes.isEmpty()) continue;
        text += kCrLf + gradeNotesHeader(item) + kCrLf + itemNotes + kCrLf;
    }
    return text;
}

}  // namespace qv
