#pragma once

#include "grading/grader.h"
#include "login/question_bank.h"
#include "qstring_print.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace qv::test {

// The fields grading reads, for one item of a fixture bank.
struct ItemSpec {
    int setNo = 1;
    int item = 1;
    QString type{};  // 类型: "C", "T" or anything else
    QString checkData{};
    QString outputName = QStringLiteral("out.txt");
    QString expected{};
    QString projectCode = QStringLiteral("A");
};

inline BankRecord bankRecord(const ItemSpec& spec) {
    BankRecord record;
    record.key = spec.setNo * 100 + spec.item;
    record.fields[QStringLiteral("题面")] = QStringLiteral("{\\rtf1 item}");
    record.fields[QStringLiteral("类型")] = spec.type;
    record.fields[QStringLiteral("vbp文件")] = spec.projectCode;
    record.fields[QStringLiteral("数据")] = spec.checkData;
    record.fields[QStringLiteral("答文out")] = spec.outputName;
    record.fields[QStringLiteral("其它答文")] = spec.expected;
    return record;
}

// A bank built from item specs, a student folder on a temporary drive, and the notes the
// checkers write into.
class GradingTest : public ::testing::Test {
  protected:
    void useBank(const std::vector<ItemSpec>& items) {
        std::vector<BankRecord> records;
        for (const ItemSpec& spec : items) records.push_back(bankRecord(spec));
        const QString path = drive_.root() + QStringLiteral("/vb9708.mdb");
        writeBank(path, records);
        bank_ = openBankFile(path);
    }

    QString folder() const { return drive_.root() + QStringLiteral("/WEXAM/27010001"); }

    void writeStudentFile(const QString& name, const QByteArray& bytes) const {
        const QString path = folder() + QChar('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    GradingContext context(int16_t setNo = 1) {
        QDir().mkpath(folder());
        return GradingContext{setNo, folder(), *bank_, notes_};
    }

    Grader grader(int16_t setNo = 1) { return Grader(context(setNo)); }

    // Fetches the record as the driver would, for running one checker alone.
    void loadRecord(Grader& g, int16_t item, int setNo = 1) {
        g.ItemRecord = queryItemByParts(*bank_, setNo, item);
    }

    // The checker the driver picks for type "C" or "T", run alone on the item's record.
    void runOutputChecker(Grader& g, const QString& type, int16_t item, int setNo = 1) {
        loadRecord(g, item, setNo);
        if (type == QStringLiteral("C")) {
            g.PingOutSingle(item);
        } else {
            g.PingOutMulti(item);
        }
    }

    const QString& notes(int item) const { return notes_[static_cast<size_t>(item)]; }

    TempDrive drive_;
    std::unique_ptr<Connection> bank_;
    std::array<QString, 6> notes_;
};

inline QString note(const QString& text) {
    return QStringLiteral("\r\n     ") + text;
}

}  // namespace qv::test
