#pragma once

#include <QString>

#include <stdexcept>

namespace qv {

// A file-system step that failed; the message names the step and the path.
class FileError : public std::runtime_error {
  public:
    FileError(const QString& what, const QString& path)
        : std::runtime_error((what + QStringLiteral(": ") + path).toStdString()), path_(path) {}
    const QString& path() const { return path_; }
    QString message() const { return QString::fromStdString(what()); }

  private:
    QString path_;
};

}  // namespace qv
