#pragma once

#include <QTextEdit>

namespace qv {

// The rich-text view of the exam windows: its content is set as an RTF document and its
// selection start (the caret position) can be set and read.
class RichTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Position and size in twips, relative to the parent.
    void place(int left, int top, int width, int height);
    void setHeightTwips(int twips);
    int heightTwips() const;

    // Replaces the whole content with the RTF document; the caret goes to the start.
    void setTextRTF(const QString& rtf);
    // The caret position in characters from the start of the text.
    int SelStart() const;
    // Moves the caret (and the view) there, dropping any selection.
    void setSelStart(int position);
};

}  // namespace qv
