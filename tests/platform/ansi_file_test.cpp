#include "platform/ansi_file.h"
#include "platform/file_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace qv {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AnsiFile, WritingRuleAddsCrLfInCodePage936) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeAnsiText(path, QStringLiteral("第一行\r\nline 2"));
    EXPECT_EQ(readAll(path), QByteArray("\xb5\xda\xd2\xbb\xd0\xd0\r\nline 2\r\n"));
    writeAnsiText(path, QString());
    EXPECT_EQ(readAll(path), QByteArray("\r\n"));  // emptied, then just the line end
}

TEST(AnsiFile, LinesEndAtCrOrCrLf) {
    const QStringList lines = splitAnsiLines(QByteArray("a\r\nb\rc\nd\r\n\r\ne"));
    EXPECT_EQ(lines, (QStringList{"a", "b", "c\nd", "", "e"}));
    EXPECT_TRUE(splitAnsiLines(QByteArray()).isEmpty());
    EXPECT_EQ(splitAnsiLines(QByteArray("x\r\n")), QStringList{"x"});
}

TEST(AnsiFile, FirstNumberAsAnInputStatementReadsIt) {
    EXPECT_EQ(parseFirstNumber(" 5400 \r\n"), 5400);
    EXPECT_EQ(parseFirstNumber("-1 \r\n"), -1);
    EXPECT_EQ(parseFirstNumber("  12,5"), 12);
    EXPECT_EQ(parseFirstNumber("7"), 7);
    EXPECT_FALSE(parseFirstNumber("").has_value());
    EXPECT_FALSE(parseFirstNumber("  \r\n").has_value());
    EXPECT_FALSE(parseFirstNumber("abc").has_value());
    EXPECT_FALSE(parseFirstNumber("12x").has_value());
}

// Simulates a full disk: the file-size limit makes every write past a few bytes fail.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(AnsiFile, AtomicReplaceKeepsTheOldFileWhenTheWriteFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tovo.tim"));
    replaceAnsiText(path, QStringLiteral(" 5400 "));
    {
        FileSizeLimit full(4);
        EXPECT_THROW(replaceAnsiText(path, QStringLiteral(" 5399 ")), FileError);
    }
    EXPECT_EQ(readAll(path), QByteArray(" 5400 \r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tovo.tim"});
}

TEST(AnsiFile, AtomicReplaceKeepsTheOldFileWhenTheFolderIsReadOnly) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tovo.tim"));
    replaceAnsiText(path, QStringLiteral(" 5400 "));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(replaceAnsiText(path, QStringLiteral(" 5399 ")), FileError);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readAll(path), QByteArray(" 5400 \r\n"));
}

TEST(AnsiFile, AtomicReplaceLeavesNoTemporaryFileBehind) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tovo.tim"));
    for (int i = 0; i < 3; ++i) replaceAnsiText(path, QString::number(i));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tovo.tim"});
    EXPECT_EQ(readAll(path), QByteArray("2\r\n"));
}

TEST(AnsiFile, AtomicReplaceFailsCleanlyIntoAMissingFolder) {
    QTemporaryDir dir;
    EXPECT_THROW(
        replaceAnsiText(dir.filePath(QStringLiteral("gone/tovo.tim")), QStringLiteral("1")),
        FileError);
}

TEST(AnsiFile, CopyOverwrites) {
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("a"));
    const QString to = dir.filePath(QStringLiteral("b"));
    writeAnsiText(from, QStringLiteral("new"));
    writeAnsiText(to, QStringLiteral("old and longer"));
    copyFileOverwrite(from, to);
    EXPECT_EQ(readAll(to), QByteArray("new\r\n"));
    EXPECT_THROW(copyFileOverwrite(dir.filePath(QStringLiteral("missing")), to), FileError);
}

}  // namespace
}  // namespace qv
