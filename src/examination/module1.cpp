#include "module1.h"

namespace qv {

int WindowListBox::AddItem(const QString& text) {
    items_.push_back({text, 0});
    return ListCount() - 1;
}

void WindowListBox::setItemData(int index, quint32 data) {
    if (index >= 0 && index < ListCount()) items_[static_cast<size_t>(index)].itemData = data;
}

namespace Module1 {

int16_t ListTopWindows(WindowListBox& list) {
    list.Clear();
    // The window list already leaves out hidden, child, owned and untitled windows.
    for (const TopWindow& window : windowList().topWindows()) {
        if (window.title.isEmpty()) continue;
        const int index = list.AddItem(window.title);
        list.setItemData(index, window.handle);
    }
    return static_cast<int16_t>(list.ListCount());
}

}  // namespace Module1

bool titleStartsAsVbIde(const QString& title) {
    return title.left(kVbIdeTitle.size()) == kVbIdeTitle;
}

bool titleContainsVbIde(const QString& title) {
    return title.contains(kVbIdeTitle, Qt::CaseSensitive);
}

}  // namespace qv
