#include "output_match.h"

#include "platform/text_rules.h"

namespace qv {

bool singleResultMatches(const QString& output, const QString& expected) {
    const QString result = trimSpaces(output);
    if (result.isEmpty()) return false;
    bool matched = false;
    QString alternative;
    for (const QChar c : trimSpaces(expected)) {
        if (c != QChar('#')) {
            alternative += c;
            continue;
        }
        if (trimSpaces(alternative) == result) matched = true;
        alternative.clear();
    }
    return matched;
}

QStringList expectedLines(const QString& expected) {
    QStringList lines;
    QString current;
    for (const QChar c : expected) {
        if (c != QChar('\r') && c != QChar('\n')) {
            current += c;
            continue;
        }
        if (current.isEmpty()) continue;
        lines.append(trimSpaces(current));
        current.clear();
        if (lines.size() == kMaxExpectedLines) return lines;
    }
    lines.append(current);
    return lines;
}

double multiResultCredit(const QStringList& expected, QStringList output, int16_t itemMax) {
    const qsizetype n = expected.size();
    if (n == 0) return 0;
    while (output.size() < n) output.append(QString());
    output[n - 1] = leftChars(output[n - 1], expected[n - 1].size());
    double total = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (trimSpaces(output[i]) == trimSpaces(expected[i])) {
            total += 1.0 / static_cast<double>(n) * itemMax * 3 / 5;
        }
    }
    return total;
}

}  // namespace qv
