#pragma once

class QString;
class QTextDocument;

namespace qv {

// Replaces the content of doc with the text and formatting of a RichEdit-style RTF document:
// groups, \'hh bytes in code page 936, \uN with \ucN, paragraphs, line breaks and tabs, bold,
// italic, underline, font size, colours from the colour table and paragraph alignment and
// indents. Font tables, stylesheets, pictures and \* destinations are skipped. Broken input is
// read as far as it makes sense; it never fails.
void loadRtf(QTextDocument& doc, const QString& rtf);

}  // namespace qv
