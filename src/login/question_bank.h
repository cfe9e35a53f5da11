#pragma once

#include "platform/database.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace qv {

inline const QString kBankFileName = QStringLiteral("vb9708.mdb");
inline const QString kBankTable = QStringLiteral("试题");
inline const QString kKeyField = QStringLiteral("题号");

// Failures of the question bank, each naming what failed.
class BankError : public std::runtime_error {
  public:
    explicit BankError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
class BankMissingError : public BankError {
    using BankError::BankError;
};
class BankUnreadableError : public BankError {  // not a bank, or the wrong key
    using BankError::BankError;
};
class BankTableMissingError : public BankError {
    using BankError::BankError;
};
class BankEmptyError : public BankError {
    using BankError::BankError;
};
// A bank source (JSON interchange file or source folder) that cannot be built; names the file.
class BankSourceError : public BankError {
    using BankError::BankError;
};
class RecordMissingError : public BankError {
  public:
    RecordMissingError(const QString& message, int key) : BankError(message), key_(key) {}
    int key() const { return key_; }

  private:
    int key_;
};

// The text fields of a record, in the table's column order (after 题号).
const QStringList& bankTextFields();

// Opens the bank file with the bank's password and proves it readable: BankMissingError,
// BankUnreadableError (not a bank, or the wrong key), BankTableMissingError.
std::unique_ptr<Connection> openBankFile(const QString& hostPath);
// The bank vb9708.mdb in a data folder given as a Windows path.
std::unique_ptr<Connection> openBankInDataDir(const QString& dataDirWindows);

// The five queries of the program; each runs on a fresh record set.
// Set count: the 题号 of the last stored record, integer-divided by 100; BankEmptyError when the
// table holds no record. Needs no ticket.
int16_t querySetCount(Connection& bank);
// One item's 题面 by key, and the whole item by key; RecordMissingError when there is none.
QString queryQuestionText(Connection& bank, int key);
RecordSet queryItem(Connection& bank, int key);
// The same by set and item, written with integer division and remainder of the key.
RecordSet queryItemByParts(Connection& bank, int set, int item);
QString queryQuestionTextByParts(Connection& bank, int set, int item);

// The queries are written in the original dialect ("题号\100", "MOD"); this turns them into
// the engine's own.
QString translateQuery(const QString& jetSql);

// A whole record, for building and dumping banks. A field without value is std::nullopt.
struct BankRecord {
    int key = 0;
    std::map<QString, std::optional<QString>> fields;
    bool operator==(const BankRecord&) const = default;
    // The field as the program reads it: no value (or no such field) is an empty text.
    QString text(const QString& field) const;
    bool isNull(const QString& field) const;
};

// Builds an encrypted bank at hostPath from records (in this order), replacing an existing
// file atomically; on failure (BankError) nothing is left at hostPath but what was there.
void writeBank(const QString& hostPath, const std::vector<BankRecord>& records);
// Every record in stored order; a field the table lacks is absent from the record's fields.
std::vector<BankRecord> readAllRecords(Connection& bank);

}  // namespace qv
