#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace qv {

// Expected output of a type "T" item keeps at most this many lines; more are cut off.
inline constexpr qsizetype kMaxExpectedLines = 101;

// Type "C": the output (lines joined) matches when, trimmed, it is not empty and equals one
// "#"-ended alternative of the expected text, trimmed. Text after the last "#" is never
// compared; letter case matters.
bool singleResultMatches(const QString& output, const QString& expected);

// Type "T": the expected lines. A CR or LF ends a non-empty line, which is kept trimmed; blank
// lines vanish; the rest after the last line break is the last line, kept untrimmed (empty
// when the text ends with a line break). At least one line, at most kMaxExpectedLines.
QStringList expectedLines(const QString& expected);

// Type "T": the credit of the output lines against the expected ones, each correct line worth
// 1 ÷ n × itemMax × 3 ÷ 5. Missing output lines count as empty; the last output line is cut to
// the length of the last expected line, so text after the expected characters is ignored.
double multiResultCredit(const QStringList& expected, QStringList output, int16_t itemMax);

}  // namespace qv
