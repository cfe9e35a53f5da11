#pragma once

#include "platform/database.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace qv {

struct ExamState;

// A folder the writers read or write: the host folder the files go to, and the path the user
// knows it by (a Windows path in the program, the given folder in the admin tool), used in
// messages. File names are checked and cut before they reach a folder, never the folder itself.
class ExamFolder {
  public:
    static ExamFolder fromWindows(const QString& windowsPath);
    static ExamFolder fromHost(const QString& hostPath);

    ExamFolder sub(const QString& name) const;
    // A single file name inside the folder, found case-insensitively as Windows would.
    QString hostFile(const QString& name) const;
    QString shownFile(const QString& name) const;
    const QString& host() const { return host_; }
    const QString& shown() const { return shown_; }

  private:
    ExamFolder(QString host, QString shown, QChar separator);
    QString host_;
    QString shown_;
    QChar separator_;
};

// What the two writers work on: the drawn set, the student folder with its backup folder, the
// image folder and the open bank.
struct ExamFilesContext {
    // The program's own folders: the student folder and the data folder as Windows paths (the
    // image folder is the data folder's "img").
    ExamFilesContext(int16_t setNo, const QString& studentDirWindows, const QString& dataDirWindows,
                     Connection& bank);
    // Folders given directly, as the admin tool does.
    ExamFilesContext(int16_t setNo, ExamFolder student, ExamFolder images, Connection& bank);
    // From the exam state of the running examination; throws ExamFileError without a bank.
    static ExamFilesContext fromExamState(ExamState& state);

    int16_t setNo;
    ExamFolder student;
    ExamFolder backup;  // student + "WARN"
    ExamFolder images;
    Connection& bank;
};

// A failing step of a writer: which set and item, which record field the step worked from, the
// file it failed on (empty when none), and why.
class ExamFileError : public std::runtime_error {
  public:
    ExamFileError(int set, int item, const QString& field, const QString& path,
                  const QString& reason);
    int set() const { return set_; }
    int item() const { return item_; }
    const QString& field() const { return field_; }
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }
    // One line, safe to show: control characters of bank names are spelled out.
    QString message() const { return QString::fromStdString(what()); }

  private:
    int set_;
    int item_;
    QString field_;
    QString path_;
    QString reason_;
};

// Spells out control characters so a name from the bank fits on one line of a message.
QString printableName(const QString& text);

}  // namespace qv
