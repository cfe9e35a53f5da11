#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qv {

// The points as a three-character cell: a leading blank for values that are not negative, a
// minus sign otherwise, right-aligned in three characters (9 → "  9", 100 → "100").
QString numberCell(int points);

// One row of the overview table, as the caption of LblNo(item) for item 1..5
// ("一、1   15     " + cell + "      基本操作").
QString itemReportRow(int item, int points);
// The total row, the caption of LblNo(0) ("总分   100     " + cell + "      第" + set + "套题").
QString totalReportRow(int total, int setNo);

// All captions, indexed as LblNo(0..5): 0 the total row, 1..5 the items. scores is indexed
// 1..5 (index 0 ignored).
std::array<QString, 6> reportRows(const std::array<int16_t, 6>& scores, int setNo);

// The header of an item's block of grading messages ("   第一(1)题 信息:" ...).
QString gradeNotesHeader(int item);

// The text of the answers window's message box: a block per item with messages, each a line
// break, the header, a line break, the messages and a line break. Empty without messages.
QString gradeNotesText(const std::array<QString, 6>& notes);

}  // namespace qv
