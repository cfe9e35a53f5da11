#include "file_lines.h"

#include "platform/codepage.h"

#include <algorithm>

namespace qv {
namespace {

// Calls visit(begin, length) for each line until it returns false.
template <typename Visit>
void forEachLine(const QByteArray& bytes, Visit visit) {
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes.at(i) != '\r') continue;
        if (!visit(start, i - start)) return;
        if (i + 1 < n && bytes.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    if (start < n) visit(start, n - start);
}

bool isAscii(const char* begin, qsizetype length) {
    return std::all_of(begin, begin + length, [](char c) { return (c & 0x80) == 0; });
}

}  // namespace

QString joinAnsiLines(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    forEachLine(bytes, [&](qsizetype begin, qsizetype length) {
        // Decoded line by line, so a broken double-byte pair never swallows a line end. Form
        // files are nearly all ASCII lines, which need no decoder and no copy of their bytes.
        const char* line = bytes.constData() + begin;
        if (isAscii(line, length)) {
            text += QLatin1StringView(line, length);
        } else {
            text += fromAnsi(QByteArray::fromRawData(line, length));
        }
        return true;
    });
    return text;
}

QStringList firstAnsiLines(const QByteArray& bytes, qsizetype count) {
    QStringList lines;
    if (count <= 0) return lines;
    forEachLine(bytes, [&](qsizetype begin, qsizetype length) {
        lines.append(fromAnsi(bytes.mid(begin, length)));
        return lines.size() < count;
    });
    return lines;
}

}  // namespace qv
