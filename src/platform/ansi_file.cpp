#include "ansi_file.h"

#include "codepage.h"
#include "file_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qv {
namespace {

QByteArray withLineEnd(const QString& text) {
    return toAnsi(text) + QByteArrayLiteral("\r\n");
}

}  // namespace

void writeAnsiText(const QString& hostPath, const QString& text) {
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        throw FileError(QStringLiteral("cannot create file"), hostPath);
    }
    const QByteArray bytes = withLineEnd(text);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        throw FileError(QStringLiteral("cannot write file"), hostPath);
    }
}

void replaceAnsiText(const QString& hostPath, const QString& text) {
    replaceFileAtomically(hostPath, withLineEnd(text));
}

void replaceFileAtomically(const QString& hostPath, const QByteArray& bytes) {
    // POSIX calls, each checked: a short write (full disk) must never be renamed into place.
    const QFileInfo target(hostPath);
    const QByteArray finalName = QFile::encodeName(hostPath);
    QByteArray temporary = QFile::encodeName(target.path() + QStringLiteral("/.") +
                                             target.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw FileError(QStringLiteral("cannot create file"), hostPath);
    bool ok = true;
    qsizetype written = 0;
    while (ok && written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            written += n;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::chmod(temporary.constData(), 0644) == 0;
    ok = ok && ::rename(temporary.constData(), finalName.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        throw FileError(QStringLiteral("cannot write file"), hostPath);
    }
}

QStringList splitAnsiLines(const QByteArray& bytes) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes.at(i) == '\r') {
            lines.append(fromAnsi(bytes.mid(start, i - start)));
            if (i + 1 < n && bytes.at(i + 1) == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(fromAnsi(bytes.mid(start)));
    return lines;
}

QByteArray readFileBytes(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(QStringLiteral("cannot open file"), hostPath);
    }
    return file.readAll();
}

std::optional<long long> parseFirstNumber(const QByteArray& bytes) {
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n && bytes.at(i) == ' ') ++i;
    bool negative = false;
    if (i < n && bytes.at(i) == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    bool digits = false;
    while (i < n && bytes.at(i) >= '0' && bytes.at(i) <= '9') {
        value = value * 10 + (bytes.at(i) - '0');
        if (value > 1'000'000'000LL) return std::nullopt;
        digits = true;
        ++i;
    }
    if (!digits) return std::nullopt;
    if (i < n && bytes.at(i) != ' ' && bytes.at(i) != ',' && bytes.at(i) != '\r' &&
        bytes.at(i) != '\n') {
        return std::nullopt;
    }
    return negative ? -value : value;
}

void copyFileOverwrite(const QString& fromHostPath, const QString& toHostPath) {
    if (!QFileInfo(fromHostPath).isFile()) {
        throw FileError(QStringLiteral("file not found"), fromHostPath);
    }
    const QByteArray bytes = readFileBytes(fromHostPath);
    QFile target(toHostPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        target.write(bytes) != bytes.size() || !target.flush()) {
        throw FileError(QStringLiteral("cannot copy to"), toHostPath);
    }
}

}  // namespace qv
