#pragma once

#include <QString>

namespace qv {

// Drive C is the drive_c folder of the compatibility layer's prefix, so that the VB6 IDE run
// through it sees the same C:\WEXAM. Windows paths ("C:\WEXAM\27010001") are what the exam
// state keeps; they become host paths only at the file-system boundary.
class DrivePaths {
  public:
    // $WINEPREFIX/drive_c, or ~/.wine/drive_c when WINEPREFIX is unset or empty.
    static QString driveRoot();

    // The Windows system directory, as GetSystemDirectoryA would report it.
    static QString systemDirectory();

    // Maps "C:\a\b" (or "c:/a/b") to the host path. Each component is looked up
    // case-insensitively when the exact name does not exist, as Windows would. Paths on other
    // drives, or relative ones, map below the drive root as well, never outside it.
    static QString toHost(const QString& windowsPath);

    // The folder part and the name part of a Windows path.
    static QString parentOf(const QString& windowsPath);
};

// Resolves each component of a host path below base case-insensitively where the exact name
// does not exist. Used by the drive mapping and by lookups inside the student folder.
QString resolveCaseInsensitive(const QString& base, const QString& relative);

}  // namespace qv
