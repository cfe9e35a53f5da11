#pragma once

#include <QString>

namespace qv {

// GetKeyValue: reads one registry value as text. False, with an empty text, when the key
// cannot be opened or the value cannot be read. Values that are not strings read as empty
// text but still count as read.
bool getKeyValue(quint32 rootKey, const QString& keyName, const QString& valueName,
                 QString& keyValue);

// The registry places of the system information tool.
inline const QString kMsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kMsinfoValue = QStringLiteral("PATH");
inline const QString kSharedToolsKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kSharedToolsValue = QStringLiteral("MSINFO");

// Starts the system information tool from the first registry place that names it (the second
// only when MSINFO32.EXE exists there). False when neither works, or when the start fails.
bool startSystemInformationTool();

}  // namespace qv
