#pragma once

#include "examfiles/exam_files_context.h"
#include "login/question_bank.h"
#include "platform/codepage.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace qv::test {

inline const QString kStudentDir = QStringLiteral("C:\\WEXAM\\27010001");
inline const QString kDataDir = QStringLiteral("C:\\windows\\system32\\cwmx");
inline const QString kImageDir = QStringLiteral("C:\\windows\\system32\\cwmx\\img");

// Fields of one bank record; fields left out hold no value.
using Fields = std::vector<std::pair<const char*, std::optional<QString>>>;

inline BankRecord record(int key, const Fields& fields) {
    BankRecord result;
    result.key = key;
    for (const auto& [name, value] : fields) result.fields[QString::fromUtf8(name)] = value;
    return result;
}

// Every file below a host folder, by relative path, with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString& hostRoot) {
    QMap<QString, QByteArray> files;
    QDirIterator it(hostRoot, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const QString relative = QDir(hostRoot).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            files.insert(relative + QChar('/'), QByteArray());
        } else if (file.open(QIODevice::ReadOnly)) {
            files.insert(relative, file.readAll());
        }
    }
    return files;
}

// A temporary drive with a bank of the given records, a fresh student folder with its backup
// folder, and an image folder holding the traffic-light icons and two pictures.
class ExamFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir().mkpath(drive.host(kStudentDir + QStringLiteral("\\WARN")));
        for (const char* icon : {"红灯.ico", "绿灯.ico", "黄灯.ico", "Cars.ico"}) {
            image(QString::fromUtf8(icon), QByteArray("ICON:") + icon);
        }
        image(QStringLiteral("a.bmp"), QByteArray("BM\x00\x01picture a", 13));
        image(QStringLiteral("红绿灯.bmp"), QByteArray("BM\xff\xfe lights", 12));
    }

    void image(const QString& name, const QByteArray& bytes) {
        drive.writeFile(kImageDir + QChar('\\') + name, bytes);
    }

    void useBank(const std::vector<BankRecord>& records) {
        const QString path = drive.host(kDataDir + QStringLiteral("\\vb9708.mdb"));
        QDir().mkpath(QFileInfo(path).path());
        writeBank(path, records);
        bank = openBankFile(path);
    }

    ExamFilesContext context(int16_t set = 1) {
        return ExamFilesContext(set, kStudentDir, kDataDir, *bank);
    }

    QByteArray student(const QString& name) const {
        return drive.readFile(kStudentDir + QChar('\\') + name);
    }
    QByteArray backup(const QString& name) const {
        return drive.readFile(kStudentDir + QStringLiteral("\\WARN\\") + name);
    }
    // The file names of the student folder (subfolders end in "/").
    QStringList studentFiles() const { return snapshot(drive.host(kStudentDir)).keys(); }

    TempDrive drive;
    std::unique_ptr<Connection> bank;
};

// Bytes of a text as the writers store it: code page 936.
inline QByteArray gbk(const char* utf8) {
    return toAnsi(QString::fromUtf8(utf8));
}

}  // namespace qv::test
