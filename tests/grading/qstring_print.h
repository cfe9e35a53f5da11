#pragma once

#include <QString>

#include <ostream>

// Failed comparisons of texts show the texts, with line ends made visible.
inline void PrintTo(const QString& text, std::ostream* os) {
    QString shown = text;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r"));
    shown.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    *os << '"' << shown.toStdString() << '"';
}
