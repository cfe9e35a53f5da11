#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <vector>

class QTcpServer;
class QTcpSocket;

namespace qv {

// One page of the program's site: the address path the program opens and the shipped file
// (relative to the site folder) that answers it.
struct SitePage {
    QString path;
    QString file;
};
const std::vector<SitePage>& sitePages();

inline const QString kSiteStartPage = QStringLiteral("/tovo/");

// The shipped site: "site" beside the program.
QString defaultSiteRoot();

// The program's web site, served offline: bound to the loopback address only, started on the
// first request, answering only the shipped pages (as text/html) and 404 for every other path.
// (No Q_OBJECT: it needs no signals of its own, and lambdas carry its connections.)
class SiteServer : public QObject {
  public:
    explicit SiteServer(const QString& siteRoot, QObject* parent = nullptr);
    ~SiteServer() override;

    static SiteServer& instance();

    // The full address of a path, starting the server if needed; empty when it cannot start.
    QString address(const QString& path);
    bool isListening() const;
    quint16 port() const;

    // The answer to one request head (request line and headers), as bytes to send.
    QByteArray respond(const QByteArray& requestHead) const;

  private:
    bool ensureStarted();
    void acceptConnections();
    void readRequest(QTcpSocket* socket);

    QString root_;
    QTcpServer* server_ = nullptr;
};

}  // namespace qv
