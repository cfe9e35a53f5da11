#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The outcome of searching a form text for the segments of an item's check data.
struct DesignMatch {
    int matched = 0;     // segments found, the final one included
    int runCounter = 1;  // 1 + the number of "$" terminators: the denominator of the share
    QStringList missed;  // trimmed segments not found, in order (the final one never listed)
};

// Both texts are expected in lower case already. Segments end at "#" (order unchanged) or "$"
// (flips the run parity afterwards); while the run counter is even a segment must occur after
// the start of the previous match, otherwise anywhere. The text after the last terminator is a
// final segment that counts when found but is never reported.
DesignMatch matchCheckData(const QString& text, const QString& data);

// InStr with a 1-based start: the 1-based index of needle in text at or after start, 0 when
// absent. An empty needle is found at start while start lies within a non-empty text.
qsizetype findFrom(const QString& text, const QString& needle, qsizetype start);

}  // namespace qv
