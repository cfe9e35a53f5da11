#include "database.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

namespace qv {
namespace {

QString engineMessage(sqlite3* db, const QString& what) {
    return what + QStringLiteral(": ") +
           QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
}

class Statement {
  public:
    Statement(sqlite3* db, const QString& sql) : db_(db) {
        const QByteArray text = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()),
                                          &stmt_, nullptr);
        if (rc != SQLITE_OK) throw DatabaseError(engineMessage(db, QStringLiteral("query")), rc);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(const std::vector<QVariant>& values) {
        int index = 1;
        for (const QVariant& v : values) {
            int rc = SQLITE_OK;
            if (v.isNull()) {
                rc = sqlite3_bind_null(stmt_, index);
            } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
                rc = sqlite3_bind_int64(stmt_, index, v.toLongLong());
            } else {
                const QByteArray utf8 = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt_, index, utf8.constData(),
                                       static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
            }
            if (rc != SQLITE_OK)
                throw DatabaseError(engineMessage(db_, QStringLiteral("bind")), rc);
            ++index;
        }
    }

    // Returns true while a row is available.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw DatabaseError(engineMessage(db_, QStringLiteral("query")), rc);
    }

    sqlite3_stmt* get() const { return stmt_; }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

QVariant columnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, column));
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            const int bytes = sqlite3_column_bytes(stmt, column);
            return QVariant(QString::fromUtf8(text, bytes));
        }
    }
}

}  // namespace

RecordSet::RecordSet(QStringList names, std::vector<std::vector<QVariant>> rows)
    : names_(std::move(names)), rows_(std::move(rows)) {
    moveFirst();
}

QVariant RecordSet::value(const QString& name) const {
    if (eof()) throw DatabaseError(QStringLiteral("no current record"), SQLITE_NOTFOUND);
    const qsizetype column = names_.indexOf(name);
    if (column < 0) throw DatabaseError(QStringLiteral("no field ") + name, SQLITE_NOTFOUND);
    return rows_[static_cast<size_t>(current_)][static_cast<size_t>(column)];
}

QString RecordSet::text(const QString& name) const {
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

Connection::~Connection() {
    close();
}

void Connection::open(const QString& hostPath, const QString& key, bool create) {
    close();
    const QByteArray path = hostPath.toUtf8();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    int rc =
        sqlite3_open_v2(path.constData(), &db_, create ? flags : SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = engineMessage(db_, QStringLiteral("open ") + hostPath);
        close();
        throw DatabaseError(message, rc);
    }
    const QByteArray keyBytes = key.toUtf8();
    rc = sqlite3_key(db_, keyBytes.constData(), static_cast<int>(keyBytes.size()));
    if (rc != SQLITE_OK) {
        const QString message = engineMessage(db_, QStringLiteral("key ") + hostPath);
        close();
        throw DatabaseError(message, rc);
    }
}

void Connection::verify() {
    query(QStringLiteral("select count(*) from sqlite_master"));
}

void Connection::close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

RecordSet Connection::query(const QString& sql) {
    if (db_ == nullptr) throw DatabaseError(QStringLiteral("database not open"), SQLITE_MISUSE);
    Statement stmt(db_, sql);
    QStringList names;
    const int columns = sqlite3_column_count(stmt.get());
    for (int c = 0; c < columns; ++c)
        names.append(QString::fromUtf8(sqlite3_column_name(stmt.get(), c)));
    std::vector<std::vector<QVariant>> rows;
    while (stmt.step()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) row.push_back(columnValue(stmt.get(), c));
        rows.push_back(std::move(row));
    }
    return RecordSet(std::move(names), std::move(rows));
}

void Connection::execute(const QString& sql, const std::vector<QVariant>& values) {
    if (db_ == nullptr) throw DatabaseError(QStringLiteral("database not open"), SQLITE_MISUSE);
    Statement stmt(db_, sql);
    stmt.bind(values);
    while (stmt.step()) {
    }
}

}  // namespace qv
