#include "info/info_actions.h"
#include "info/site_server.h"

#include "platform/launcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace qv {
namespace {

const QString kBuiltSite = QStringLiteral(QV_BINARY_DIR "/src/app/site");
const QString kBankSource = QStringLiteral(QV_SOURCE_DIR "/data/bank");

QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray statusLine(const QByteArray& reply) {
    return reply.left(reply.indexOf("\r\n"));
}

QByteArray body(const QByteArray& reply) {
    return reply.mid(reply.indexOf("\r\n\r\n") + 4);
}

TEST(SitePages, EachMenuPathIsAShippedHtmlPage) {
    // The paths the help menu, the About box and the answers window open.
    const QStringList paths{"/tovo/ksdg.asp", "/tovo/bsyt.asp", "/tovo/bszt.asp", "/tovo/soft.asp",
                            "/tovo/"};
    SiteServer server(kBuiltSite);
    for (const QString& path : paths) {
        const QByteArray reply = server.respond("GET " + path.toUtf8() + " HTTP/1.1\r\nHost: x");
        EXPECT_EQ(statusLine(reply), "HTTP/1.0 200 OK") << path.toStdString();
        EXPECT_TRUE(reply.contains("\r\nContent-Type: text/html; charset=utf-8\r\n"));
        EXPECT_TRUE(body(reply).startsWith("<!DOCTYPE html>")) << path.toStdString();
        EXPECT_TRUE(body(reply).contains("</html>")) << path.toStdString();
    }
}

TEST(SitePages, NothingOutsideTheShippedPagesIsServed) {
    SiteServer server(kBuiltSite);
    struct Case {
        QByteArray request;
        QByteArray status;
    };
    const Case cases[] = {
        {"GET /tovo/index.html HTTP/1.1", "HTTP/1.0 404 Not Found"},
        {"GET /tovo/../../CMakeCache.txt HTTP/1.1", "HTTP/1.0 404 Not Found"},
        {"GET /tovo/%2e%2e/soft.asp HTTP/1.1", "HTTP/1.0 404 Not Found"},
        {"GET /tovo HTTP/1.1", "HTTP/1.0 404 Not Found"},
        {"GET / HTTP/1.1", "HTTP/1.0 404 Not Found"},
        {"GET /tovo/ksdg.asp?id=3 HTTP/1.1", "HTTP/1.0 200 OK"},
        {"POST /tovo/ HTTP/1.1", "HTTP/1.0 405 Method Not Allowed"},
        {"GET /tovo/", "HTTP/1.0 400 Bad Request"},
        {"", "HTTP/1.0 400 Bad Request"},
    };
    for (const Case& c : cases) {
        const QByteArray reply = server.respond(c.request);
        EXPECT_EQ(statusLine(reply), c.status) << c.request.toStdString();
        EXPECT_TRUE(reply.contains("Content-Type: text/html")) << c.request.toStdString();
    }
    // HEAD answers with the headers only.
    const QByteArray head = server.respond("HEAD /tovo/ HTTP/1.1");
    EXPECT_EQ(statusLine(head), "HTTP/1.0 200 OK");
    EXPECT_TRUE(body(head).isEmpty());
    // A site folder without its pages answers 404 rather than failing.
    SiteServer empty(QDir::tempPath() + QStringLiteral("/no-such-site"));
    EXPECT_EQ(statusLine(empty.respond("GET /tovo/ HTTP/1.1")), "HTTP/1.0 404 Not Found");
}

TEST(SitePages, ServesOverLoopbackOnlyOnceAsked) {
    SiteServer server(kBuiltSite);
    EXPECT_FALSE(server.isListening());
    const QString url = server.address(QStringLiteral("/tovo/bszt.asp"));
    ASSERT_TRUE(server.isListening());
    EXPECT_EQ(url, QStringLiteral("http://127.0.0.1:%1/tovo/bszt.asp").arg(server.port()));

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.port());
    // The request arrives in two pieces, as a slow client would send it.
    client.write("GET /tovo/bszt.asp HTTP/1.1\r\nHost: 127.0.0.1\r\n");
    QByteArray reply;
    bool secondHalfSent = false;
    const QDeadlineTimer deadline(10000);
    while (client.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!secondHalfSent && client.state() == QAbstractSocket::ConnectedState) {
            client.write("\r\n");
            secondHalfSent = true;
        }
        reply += client.readAll();
    }
    reply += client.readAll();
    EXPECT_EQ(statusLine(reply), "HTTP/1.0 200 OK");
    EXPECT_EQ(body(reply), fileText(kBuiltSite + QStringLiteral("/tovo/bszt.html")));
}

TEST(SitePages, OpeningAPageTwiceStartsTheBrowserTwice) {
    ScopedRecordingLauncher launcher;
    launcher.launcher.succeed = false;  // a failing browser changes nothing
    openSitePage(QStringLiteral("/tovo/soft.asp"));
    openSitePage(QStringLiteral("/tovo/soft.asp"));
    ASSERT_EQ(launcher.launcher.urls.size(), 2);
    EXPECT_EQ(launcher.launcher.urls[0], launcher.launcher.urls[1]);
    EXPECT_TRUE(launcher.launcher.urls[0].startsWith(QStringLiteral("http://127.0.0.1:")));
    EXPECT_TRUE(launcher.launcher.urls[0].endsWith(QStringLiteral("/tovo/soft.asp")));
}

TEST(SitePages, PastComputerPapersCarryEveryStatementOfTheBank) {
    const QString page =
        QString::fromUtf8(fileText(kBuiltSite + QStringLiteral("/tovo/soft.html")));
    ASSERT_FALSE(page.isEmpty());
    QDirIterator it(kBankSource, {QStringLiteral("题面.txt")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int statements = 0;
    while (it.hasNext()) {
        const QString statement = QString::fromUtf8(fileText(it.next()));
        const QString firstLine = statement.section(QChar('\n'), 0, 0).trimmed();
        QString escaped = firstLine.toHtmlEscaped();
        escaped.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        EXPECT_TRUE(page.contains(escaped)) << it.filePath().toStdString();
        ++statements;
    }
    EXPECT_GT(statements, 0);
    // Only statements: no form text of an answer file.
    EXPECT_FALSE(page.contains(QStringLiteral("Begin VB.")));
}

TEST(HelpFile, IsACompiledHelpFileOpenedFromTheProgramFolder) {
    const QByteArray chm = fileText(QStringLiteral(QV_BINARY_DIR "/src/app/Help.CHM"));
    ASSERT_GT(chm.size(), 1000);
    EXPECT_TRUE(chm.startsWith("ITSF"));

    ScopedRecordingLauncher launcher;
    openHelpFile();
    ASSERT_EQ(launcher.launcher.files.size(), 1);
    EXPECT_EQ(launcher.launcher.files[0],
              QCoreApplication::applicationDirPath() + QStringLiteral("/Help.CHM"));
}

}  // namespace
}  // namespace qv
