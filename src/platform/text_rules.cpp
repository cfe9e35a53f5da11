#include "text_rules.h"

#include <cmath>

namespace qv {

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QChar(' ')) ++begin;
    while (end > begin && text.at(end - 1) == QChar(' ')) --end;
    return text.mid(begin, end - begin);
}

QString extensionCut(const QString& name) {
    const qsizetype dot = name.indexOf(QChar('.'));
    if (dot < 0) return name.left(3);
    return name.left(dot + 4);
}

NamedFile namedFileSplit(const QString& text) {
    NamedFile result;
    const qsizetype lf = text.indexOf(QChar('\n'));
    if (lf < 0) return result;
    result.hasName = true;
    result.name = text.left(lf);
    result.content = text.mid(lf + 1);
    return result;
}

QString printNumber(long long value) {
    if (value < 0) return QStringLiteral("-") + QString::number(-value) + QChar(' ');
    return QChar(' ') + QString::number(value) + QChar(' ');
}

double numberValue(const QString& text) {
    // Leading blanks are skipped; then an optional sign, digits, an optional fraction.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == QChar(' ') || text.at(i) == QChar('\t'))) ++i;
    QString number;
    if (i < n && (text.at(i) == QChar('-') || text.at(i) == QChar('+'))) number += text.at(i++);
    bool digits = false;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        number += text.at(i++);
        digits = true;
    }
    if (i < n && text.at(i) == QChar('.')) {
        number += text.at(i++);
        while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            number += text.at(i++);
            digits = true;
        }
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

long long roundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));  // default rounding mode: to even
}

QString lowerText(const QString& text) {
    // Form files are almost all ASCII; lower-case those directly.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) return text.toLower();
    }
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= QChar('A') && c <= QChar('Z')) c = QChar(c.unicode() + 32);
    }
    return lower;
}

}  // namespace qv
