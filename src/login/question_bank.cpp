#include "question_bank.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace qv {
namespace {

// The database password held in the program.
const QString kBankPassword = QStringLiteral("tovirk");

QString keyText(int key) {
    return QString::number(key);
}

RecordSet requireRecord(RecordSet records, int key) {
    if (records.isEmpty()) {
        throw RecordMissingError(
            QStringLiteral("question bank has no record with 题号 %1 (set %2, item %3)")
                .arg(key)
                .arg(key / 100)
                .arg(key % 100),
            key);
    }
    return records;
}

RecordSet runQuery(Connection& bank, const QString& jetSql) {
    try {
        return bank.query(translateQuery(jetSql));
    } catch (const DatabaseError& error) {
        const QString message = QString::fromStdString(error.what());
        if (message.contains(QStringLiteral("no such table"))) {
            throw BankTableMissingError(QStringLiteral("question bank has no table ") + kBankTable);
        }
        if (message.contains(QStringLiteral("no such column"))) {
            throw BankUnreadableError(QStringLiteral("question bank table ") + kBankTable +
                                      QStringLiteral(" lacks a field: ") + message);
        }
        throw BankUnreadableError(QStringLiteral("question bank query failed: ") + message);
    }
}

bool hasBankTable(Connection& bank) {
    RecordSet tables =
        bank.query(QStringLiteral("select name from sqlite_master where type='table' and name='") +
                   kBankTable + QStringLiteral("'"));
    return !tables.isEmpty();
}

void createBank(const QString& hostPath, const std::vector<BankRecord>& records) {
    Connection bank;
    bank.open(hostPath, kBankPassword, true);
    QString columns = kKeyField + QStringLiteral(" integer");
    for (const QString& field : bankTextFields())
        columns += QStringLiteral(", ") + field + QStringLiteral(" text");
    bank.execute(QStringLiteral("create table ") + kBankTable + QStringLiteral(" (") + columns +
                 QStringLiteral(")"));
    bank.execute(QStringLiteral("begin"));
    QString placeholders = QStringLiteral("?1");
    for (qsizetype i = 0; i < bankTextFields().size(); ++i) {
        placeholders += QStringLiteral(", ?") + QString::number(i + 2);
    }
    const QString insert = QStringLiteral("insert into ") + kBankTable +
                           QStringLiteral(" values (") + placeholders + QStringLiteral(")");
    for (const BankRecord& record : records) {
        std::vector<QVariant> values{QVariant(static_cast<qlonglong>(record.key))};
        for (const QString& field : bankTextFields()) {
            const auto it = record.fields.find(field);
            values.push_back(it == record.fields.end() || !it->second ? QVariant()
                                                                      : QVariant(*it->second));
        }
        bank.execute(insert, values);
    }
    bank.execute(QStringLiteral("commit"));
}

}  // namespace

const QStringList& bankTextFields() {
    static const QStringList fields = {
        QStringLiteral("题面"),     QStringLiteral("类型"),     QStringLiteral("vbp文件"),
        QStringLiteral("frm文件"),  QStringLiteral("bas文件"),  QStringLiteral("in文件"),
        QStringLiteral("其它文件"), QStringLiteral("图片文件"), QStringLiteral("数据"),
        QStringLiteral("答文out"),  QStringLiteral("其它答文"), QStringLiteral("答文frm")};
    return fields;
}

QString translateQuery(const QString& jetSql) {
    QString sql = jetSql;
    sql.replace(QStringLiteral("\\"), QStringLiteral("/"));
    sql.replace(QStringLiteral(" MOD "), QStringLiteral(" % "));
    return sql;
}

std::unique_ptr<Connection> openBankFile(const QString& hostPath) {
    if (!QFileInfo(hostPath).isFile()) {
        throw BankMissingError(QStringLiteral("question bank not found: ") + hostPath);
    }
    auto bank = std::make_unique<Connection>();
    try {
        bank->open(hostPath, kBankPassword);
        bank->verify();
    } catch (const DatabaseError&) {
        throw BankUnreadableError(QStringLiteral("question bank cannot be read (not a bank, or a "
                                                 "wrong key): ") +
                                  hostPath);
    }
    if (!hasBankTable(*bank)) {
        throw BankTableMissingError(QStringLiteral("question bank has no table ") + kBankTable +
                                    QStringLiteral(": ") + hostPath);
    }
    return bank;
}

std::unique_ptr<Connection> openBankInDataDir(const QString& dataDirWindows) {
    return openBankFile(DrivePaths::toHost(dataDirWindows + QStringLiteral("\\") + kBankFileName));
}

int16_t querySetCount(Connection& bank) {
    // The last record in stored order names the highest set; only it is fetched, since this runs
    // at every ticket check.
    RecordSet records =
        runQuery(bank, QStringLiteral("select ") + kKeyField + QStringLiteral(" from ") +
                           kBankTable + QStringLiteral(" order by rowid desc limit 1"));
    if (records.isEmpty()) {
        throw BankEmptyError(QStringLiteral("question bank table ") + kBankTable +
                             QStringLiteral(" holds no record"));
    }
    records.moveLast();
    const qlonglong key = records.value(kKeyField).toLongLong();
    return static_cast<int16_t>(key / 100);
}

QString queryQuestionText(Connection& bank, int key) {
    RecordSet records = requireRecord(
        runQuery(bank, QStringLiteral("select 题面 from 试题 where 题号=") + keyText(key)), key);
    return records.text(QStringLiteral("题面"));
}

RecordSet queryItem(Connection& bank, int key) {
    return requireRecord(
        runQuery(bank, QStringLiteral("select * from 试题 where 题号=") + keyText(key)), key);
}

RecordSet queryItemByParts(Connection& bank, int set, int item) {
    return requireRecord(
        runQuery(bank, QStringLiteral("select * from 试题 where 题号\\100=") +
                           QString::number(set) + QStringLiteral(" and 题号 MOD 100=") +
                           QString::number(item)),
        set * 100 + item);
}

QString queryQuestionTextByParts(Connection& bank, int set, int item) {
    RecordSet records = requireRecord(
        runQuery(bank, QStringLiteral("select 题面 from 试题 where 题号\\100=") +
                           QString::number(set) + QStringLiteral(" and 题号 MOD 100=") +
                           QString::number(item)),
        set * 100 + item);
    return records.text(QStringLiteral("题面"));
}

void writeBank(const QString& hostPath, const std::vector<BankRecord>& records) {
    const QFileInfo target(hostPath);
    if (!target.absoluteDir().exists()) {
        throw BankError(QStringLiteral("cannot write question bank, no such folder: ") +
                        target.absolutePath());
    }
    if (target.isDir()) {
        throw BankError(QStringLiteral("cannot write question bank over a folder: ") + hostPath);
    }
    // Built beside the target, so that the rename below stays on one file system.
    const QString temporary = hostPath + QStringLiteral(".building");
    QFile::remove(temporary);
    try {
        createBank(temporary, records);
    } catch (const DatabaseError& error) {
        QFile::remove(temporary);
        throw BankError(QStringLiteral("cannot write question bank ") + hostPath +
                        QStringLiteral(": ") + QString::fromStdString(error.what()));
    }
    // rename(2) replaces the old bank in one step.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(hostPath).constData()) != 0) {
        QFile::remove(temporary);
        throw BankError(QStringLiteral("cannot write question bank: ") + hostPath);
    }
}

std::vector<BankRecord> readAllRecords(Connection& bank) {
    RecordSet records = runQuery(
        bank, QStringLiteral("select * from ") + kBankTable + QStringLiteral(" order by rowid"));
    std::vector<BankRecord> result;
    for (records.moveFirst(); !records.eof(); records.moveNext()) {
        BankRecord record;
        record.key = static_cast<int>(records.value(kKeyField).toLongLong());
        for (const QString& field : bankTextFields()) {
            if (!records.hasField(field)) continue;
            const QVariant v = records.value(field);
            record.fields[field] = v.isNull() ? std::nullopt : std::optional<QString>(v.toString());
        }
        result.push_back(std::move(record));
    }
    return result;
}

QString BankRecord::text(const QString& field) const {
    const auto it = fields.find(field);
    return it == fields.end() || !it->second ? QString() : *it->second;
}

bool BankRecord::isNull(const QString& field) const {
    const auto it = fields.find(field);
    return it == fields.end() || !it->second;
}

}  // namespace qv
