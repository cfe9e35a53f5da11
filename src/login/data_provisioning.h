#pragma once

#include <QString>

namespace qv {

// What the start-up check did with the drive's data folder.
enum class Provisioning {
    Kept,      // a bank was already there; nothing was touched
    Copied,    // the installed bank and its img folder were copied in
    NoSource,  // no bank there and none installed (a build tree, say): nothing to do
    Failed,    // the copy could not finish; error says which file
};

struct ProvisioningResult {
    Provisioning outcome;
    QString error;  // set when outcome is Failed
};

// The installed sample data: the share folder beside the program's private folder
// (lib/quorvane/quorvane -> share/quorvane/cwmx), resolved from the program's folder.
QString installedDataFolder(const QString& programDir, const QString& relativeShareDir);

// When the data folder (a host path) holds no bank, copies the bank and img/ from shareDir into
// it. A bank that exists, under any letter case, is never replaced, and no file already in
// img/ is overwritten. The bank is written under a temporary name and renamed last, so an
// interrupted copy never leaves a partial bank that later start-ups would keep.
ProvisioningResult provisionDataFolder(const QString& shareDir, const QString& dataDirHost);

// The same for the drive's data folder, C:\windows\system32\cwmx under the system directory.
ProvisioningResult provisionDriveDataFolder(const QString& shareDir);

}  // namespace qv
