#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// GetSystemDirectoryA: writes the system directory in code page 936 into the front of the
// buffer, NUL-terminated, cut to the buffer; returns its length. The text it reports can be
// replaced (tests, and a machine whose system folder is named differently).
int systemDirectoryInto(QByteArray& buffer);
void overrideSystemDirectory(const QString& windowsPath);  // empty restores the real one

}  // namespace qv
