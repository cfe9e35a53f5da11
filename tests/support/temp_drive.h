#pragma once

#include <QString>
#include <QTemporaryDir>

namespace qv::test {

// A fresh drive C for one test: WINEPREFIX points at a temporary folder whose drive_c exists,
// so every Windows path of the program lands inside it. Restores WINEPREFIX afterwards.
class TempDrive {
  public:
    TempDrive();
    ~TempDrive();
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    QString root() const;                            // host path of drive_c
    QString host(const QString& windowsPath) const;  // the same mapping the program uses
    // Writes a file below the drive (creating folders) with raw bytes.
    void writeFile(const QString& windowsPath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& windowsPath) const;
    bool exists(const QString& windowsPath) const;

  private:
    QTemporaryDir dir_;
    QByteArray oldPrefix_;
    bool hadPrefix_;
};

}  // namespace qv::test
