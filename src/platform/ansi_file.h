#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

// Every path here is a host path (see paths.h for the Windows-to-host mapping).

// The writing rule: create or empty the file, write the text in code page 936, then CR LF.
void writeAnsiText(const QString& hostPath, const QString& text);

// The same bytes, but written to a temporary file beside the target and renamed over it, so a
// crash or a full disk leaves the previous file whole.
void replaceAnsiText(const QString& hostPath, const QString& text);

// Writes raw bytes by atomic replace.
void replaceFileAtomically(const QString& hostPath, const QByteArray& bytes);

// Splits bytes into lines: a line ends at CR or CR LF; the terminator is not part of the line.
QStringList splitAnsiLines(const QByteArray& bytes);

// Reads a whole file; throws FileError when it cannot be opened.
QByteArray readFileBytes(const QString& hostPath);

// Reads one integer as an input statement does: leading blanks skipped, an optional minus sign
// and digits, ending at a blank, comma or line end. Empty when no number stands there.
std::optional<long long> parseFirstNumber(const QByteArray& bytes);

// Copies a file, overwriting the target.
void copyFileOverwrite(const QString& fromHostPath, const QString& toHostPath);

}  // namespace qv
