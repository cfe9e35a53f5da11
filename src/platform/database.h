#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace qv {

// A failure of the database engine; code is the engine's result code.
class DatabaseError : public std::runtime_error {
  public:
    DatabaseError(const QString& message, int code)
        : std::runtime_error(message.toStdString()), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

// Rows fetched by one query, in the order the query gave them. Fields are read by name; a field
// without a value reads as an empty text.
class RecordSet {
  public:
    RecordSet() = default;
    RecordSet(QStringList names, std::vector<std::vector<QVariant>> rows);

    bool isEmpty() const { return rows_.empty(); }
    int recordCount() const { return static_cast<int>(rows_.size()); }
    bool eof() const { return current_ < 0 || current_ >= recordCount(); }
    void moveFirst() { current_ = isEmpty() ? -1 : 0; }
    void moveLast() { current_ = recordCount() - 1; }
    void moveNext() { ++current_; }

    bool hasField(const QString& name) const { return names_.contains(name); }
    const QStringList& fieldNames() const { return names_; }
    // Throws DatabaseError when there is no current record or no such field.
    QString text(const QString& name) const;
    QVariant value(const QString& name) const;  // null QVariant for a field without value
    void close() {
        rows_.clear();
        current_ = -1;
    }

  private:
    QStringList names_;
    std::vector<std::vector<QVariant>> rows_;
    int current_ = -1;
};

// One open SQLCipher database.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens (or, with create, creates) the database file with the given key. Throws
    // DatabaseError; opening does not prove the key right (see verify()).
    void open(const QString& hostPath, const QString& key, bool create = false);
    // Reads the schema, which fails with a wrong key or a file that is not a database.
    void verify();
    bool isOpen() const { return db_ != nullptr; }
    void close();

    RecordSet query(const QString& sql);
    // Runs a statement that returns no rows; binds the given values to ?1, ?2, ...
    void execute(const QString& sql, const std::vector<QVariant>& values = {});

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace qv
