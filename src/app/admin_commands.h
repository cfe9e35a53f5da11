#pragma once

#include <QStringList>

namespace qv::admin {

// Each sub-command gets the words after its name and returns the exit status (0 or 1). Errors
// are one line on stderr.
int bankCommand(const QStringList& args);
int paperCommand(const QStringList& args);
int gradeCommand(const QStringList& args);
int gradeAllCommand(const QStringList& args);

// Prints "quorvane-admin: <message>" on stderr and returns 1.
int fail(const QString& message);

}  // namespace qv::admin
