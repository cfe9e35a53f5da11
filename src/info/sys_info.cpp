#include "sys_info.h"

#include "platform/codepage.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QFileInfo>

namespace qv {
namespace {

constexpr int kValueBufferSize = 1024;

bool startProgram(const QString& windowsExe) {
    return launcher().startWindowsProgram(windowsExe, {}, DrivePaths::parentOf(windowsExe));
}

}  // namespace

bool getKeyValue(quint32 rootKey, const QString& keyName, const QString& valueName,
                 QString& keyValue) {
    Registry& reg = registry();
    Registry::Key key = 0;
    keyValue.clear();
    if (!reg.openKey(rootKey, keyName, kKeyAllAccess, key)) return false;
    quint32 type = 0;
    QByteArray data;
    if (!reg.queryValue(key, valueName, kValueBufferSize, type, data)) {
        reg.closeKey(key);
        return false;
    }
    if (data.endsWith('\0')) data.chop(1);
    if (type == kRegSz) keyValue = fromAnsi(data);
    reg.closeKey(key);
    return true;
}

bool startSystemInformationTool() {
    QString path;
    if (getKeyValue(kHkeyLocalMachine, kMsinfoKey, kMsinfoValue, path)) {
        return startProgram(path);
    }
    if (getKeyValue(kHkeyLocalMachine, kSharedToolsKey, kSharedToolsValue, path)) {
        const QString exe = path + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo(DrivePaths::toHost(exe)).isFile()) return startProgram(exe);
    }
    return false;
}

}  // namespace qv
