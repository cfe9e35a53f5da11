#include "design_search.h"

#include "platform/text_rules.h"

namespace qv {

qsizetype findFrom(const QString& text, const QString& needle, qsizetype start) {
    if (text.isEmpty() || start < 1 || start > text.size()) return 0;
    if (needle.isEmpty()) return start;
    const qsizetype at = text.indexOf(needle, start - 1);
    return at < 0 ? 0 : at + 1;
}

DesignMatch matchCheckData(const QString& text, const QString& data) {
    DesignMatch result;
    qsizetype position = 1;
    QString segment;
    const auto search = [&](bool reportMiss) {
        const QString wanted = trimSpaces(segment);
        position = findFrom(text, wanted, position + 1);
        if (position > 0) {
            ++result.matched;
        } else if (reportMiss) {
            result.missed.append(wanted);
        }
        segment.clear();
    };
    for (const QChar c : data) {
        if (c != QChar('#') && c != QChar('$')) {
            segment += c;
            continue;
        }
        // An odd run searches the whole text; an even run searches after the previous match.
        if (result.runCounter % 2 == 1) position = 0;
        if (c == QChar('$')) ++result.runCounter;
        search(true);
    }
    if (result.runCounter % 2 == 1) position = 0;
    search(false);
    return result;
}

}  // namespace qv
