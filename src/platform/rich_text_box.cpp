#include "rich_text_box.h"

#include "rich_text.h"
#include "twips.h"

#include <QTextCursor>
#include <QTextDocument>

namespace qv {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(true);
}

void RichTextBox::place(int left, int top, int width, int height) {
    setGeometry(twipsRect(left, top, width, height));
}

void RichTextBox::setHeightTwips(int twips) {
    resize(width(), std::max(0, twipsToPixels(twips)));
}

int RichTextBox::heightTwips() const {
    return pixelsToTwips(height());
}

void RichTextBox::setTextRTF(const QString& rtf) {
    loadRtf(*document(), rtf);
    setSelStart(0);
}

int RichTextBox::SelStart() const {
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int position) {
    QTextCursor cursor(document());
    const int last = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(position, 0, std::max(0, last)));
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace qv
