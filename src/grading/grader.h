#pragma once

#include "grading/grading_context.h"
#include "platform/database.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace qv {

// The maxima of items 1..5 (index 0 unused) as the score window loads them; they are also the
// maxima the report prints.
inline constexpr std::array<int16_t, 6> kItemMaxAtLoad = {0, 15, 15, 20, 20, 30};

// Grades the items of one paper: the driver PingF and its checkers. The score window and the
// admin tool each hold one for a grading run; a fresh Grader starts from the load maxima.
class Grader {
  public:
    explicit Grader(GradingContext context);

    // The maxima as at load (a later hand-in starts from them again).
    void resetMaxima();

    // Grades one item (1..5): empties its notes, fetches its record, runs the output checker
    // for type "C" or "T" and then the form-design checker.
    void PingF(int16_t Item);
    // Form-design checker: searches the item's form file for the segments of its check data.
    void PingFrm(int16_t Item);
    // Output checkers: one result with "#"-ended alternatives, or lines with partial credit.
    void PingOutSingle(int16_t Item);
    void PingOutMulti(int16_t Item);

    // The sum of ItemScore(1..5).
    int total() const;

    std::array<int16_t, 6> ItemMax{};    // index 1..5
    std::array<int16_t, 6> ItemScore{};  // index 1..5
    RecordSet ItemRecord;
    QString FileText;

  private:
    QString& notesOf(int16_t item);
    // Reads the item's output file; on failure gives the message and no output share.
    std::optional<QByteArray> readOutputFile(int16_t item);
    // Last step of both output checkers on every path: two fifths remain for the design.
    void lowerMaximum(int16_t item);

    GradingContext context_;
};

// Throws std::out_of_range unless 1 <= item <= 5.
void checkItemNumber(int item);

// ItemMax × factor in 16-bit arithmetic, as the grading rules fix it; throws
// std::overflow_error when the product leaves the 16-bit range.
int16_t product16(int16_t value, int16_t factor);

// The name of the form file graded for an item: sjt3.frm, or sjt31.frm for the first form of
// a two-form project (codes "D", "E", "F", "G", exactly as stored).
QString designFileName(int16_t item, const QString& projectCode);

}  // namespace qv
