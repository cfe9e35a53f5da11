#pragma once

#include <QString>

#include <cstdint>

namespace qv {

// Removes leading and trailing space characters only; tabs and line ends stay.
QString trimSpaces(const QString& text);

// Cuts a name three characters after its first "."; a name without "." keeps its first three
// characters (so the write that follows fails, as it should).
QString extensionCut(const QString& name);

// A field that carries a whole file: the name is the text before the first line feed.
struct NamedFile {
    bool hasName = false;  // false when the text has no line feed
    QString name;
    QString content;
};
NamedFile namedFileSplit(const QString& text);

// A number as a print statement writes it: a blank or "-", the digits, a blank.
QString printNumber(long long value);

// The number value of a text: read from the left as far as it forms a number; none gives 0.
double numberValue(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour.
long long roundHalfEven(double value);

// Lower case as the original platform does it (letters only; other characters unchanged).
QString lowerText(const QString& text);

// The last or first n characters (fewer when the text is shorter).
inline QString leftChars(const QString& s, qsizetype n) {
    return s.left(n < 0 ? 0 : n);
}
inline QString rightChars(const QString& s, qsizetype n) {
    return s.right(n < 0 ? 0 : n);
}

}  // namespace qv
