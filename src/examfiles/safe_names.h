#pragma once

#include <QString>

namespace qv {

// Names from the bank must name a file directly inside its folder. Returns why a name is
// refused (empty, a folder part, "..", a drive, a character Windows forbids in file names), or
// an empty text when the name is fine. Chinese names are fine.
QString unsafeNameReason(const QString& name);

}  // namespace qv
