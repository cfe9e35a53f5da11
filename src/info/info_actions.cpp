#include "info_actions.h"

#include "site_server.h"

#include "platform/launcher.h"

#include <QCoreApplication>

namespace qv {

void openHelpFile() {
    // Whatever the desktop's viewer reports about a missing file is what the student sees.
    launcher().openFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Help.CHM"));
}

void openSitePage(const QString& path) {
    // A browser that cannot start simply does nothing, so failures are ignored here.
    const QString url = SiteServer::instance().address(path);
    if (!url.isEmpty()) launcher().openUrl(url);
}

}  // namespace qv
