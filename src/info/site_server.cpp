#include "site_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace qv {
namespace {

// The address stays the same from run to run when this port is free.
constexpr quint16 kPreferredPort = 38708;
constexpr qsizetype kMaxRequestHead = 16 * 1024;
constexpr int kIdleTimeoutMs = 10000;

QByteArray reply(const QByteArray& status, const QByteArray& body, bool withBody) {
    QByteArray out = "HTTP/1.0 " + status + "\r\n";
    out += "Content-Type: text/html; charset=utf-8\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Cache-Control: no-cache\r\nConnection: close\r\n\r\n";
    if (withBody) out += body;
    return out;
}

QByteArray errorPage(const QByteArray& status) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + status +
           "</title></head><body><h1>" + status +
           "</h1><p><a href=\"/tovo/\">返回首页</a></p></body></html>\n";
}

}  // namespace

const std::vector<SitePage>& sitePages() {
    static const std::vector<SitePage> pages{
        {QStringLiteral("/tovo/"), QStringLiteral("tovo/index.html")},
        {QStringLiteral("/tovo/ksdg.asp"), QStringLiteral("tovo/ksdg.html")},
        {QStringLiteral("/tovo/bsyt.asp"), QStringLiteral("tovo/bsyt.html")},
        {QStringLiteral("/tovo/bszt.asp"), QStringLiteral("tovo/bszt.html")},
        {QStringLiteral("/tovo/soft.asp"), QStringLiteral("tovo/soft.html")},
    };
    return pages;
}

QString defaultSiteRoot() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/site");
}

SiteServer::SiteServer(const QString& siteRoot, QObject* parent)
    : QObject(parent), root_(siteRoot) {}

SiteServer::~SiteServer() = default;

SiteServer& SiteServer::instance() {
    static SiteServer* server = new SiteServer(defaultSiteRoot(), QCoreApplication::instance());
    return *server;
}

bool SiteServer::isListening() const {
    return server_ != nullptr && server_->isListening();
}

quint16 SiteServer::port() const {
    return isListening() ? server_->serverPort() : 0;
}

QString SiteServer::address(const QString& path) {
    if (!ensureStarted()) return QString();
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

bool SiteServer::ensureStarted() {
    if (isListening()) return true;
    if (server_ == nullptr) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, &SiteServer::acceptConnections);
    }
    return server_->listen(QHostAddress::LocalHost, kPreferredPort) ||
           server_->listen(QHostAddress::LocalHost, 0);
}

void SiteServer::acceptConnections() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        // A client that never finishes its request does not keep the socket forever.
        QTimer::singleShot(kIdleTimeoutMs, socket, [socket] { socket->abort(); });
    }
}

void SiteServer::readRequest(QTcpSocket* socket) {
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0 && head.size() <= kMaxRequestHead) {
        socket->setProperty("head", head);
        return;
    }
    socket->disconnect(this);
    socket->write(end < 0 ? reply("431 Request Header Fields Too Large",
                                  errorPage("431 Request Header Fields Too Large"), true)
                          : respond(head.left(end)));
    socket->disconnectFromHost();
}

QByteArray SiteServer::respond(const QByteArray& requestHead) const {
    const qsizetype lineEnd = requestHead.indexOf("\r\n");
    const QByteArray requestLine = lineEnd < 0 ? requestHead : requestHead.left(lineEnd);
    const QList<QByteArray> parts = requestLine.split(' ');
    if (parts.size() != 3 || !parts[2].startsWith("HTTP/")) {
        return reply("400 Bad Request", errorPage("400 Bad Request"), true);
    }
    const bool head = parts[0] == "HEAD";
    if (parts[0] != "GET" && !head) {
        return reply("405 Method Not Allowed", errorPage("405 Method Not Allowed"), true);
    }
    QByteArray target = parts[1];
    const qsizetype query = target.indexOf('?');
    if (query >= 0) target.truncate(query);
    // Only the fixed list answers, so no request can reach a file outside the site.
    for (const SitePage& page : sitePages()) {
        if (page.path.toUtf8() != target) continue;
        QFile file(QDir(root_).filePath(page.file));
        if (!file.open(QIODevice::ReadOnly)) break;
        return reply("200 OK", file.readAll(), !head);
    }
    return reply("404 Not Found", errorPage("404 Not Found"), !head);
}

}  // namespace qv
