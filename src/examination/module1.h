#pragma once

#include "platform/window_list.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace qv {

// The hidden list box in which the exam bar keeps the window list: one item per window, its
// text the window's title and its item data the window's handle.
class WindowListBox {
  public:
    struct Item {
        QString text;
        quint32 itemData = 0;
    };

    void Clear() { items_.clear(); }
    // Appends an item and returns its index.
    int AddItem(const QString& text);
    void setItemData(int index, quint32 data);

    int ListCount() const { return static_cast<int>(items_.size()); }
    const QString& List(int index) const { return items_.at(static_cast<size_t>(index)).text; }
    quint32 ItemData(int index) const { return items_.at(static_cast<size_t>(index)).itemData; }

  private:
    std::vector<Item> items_;
};

namespace Module1 {

// Fills the list with the visible, unowned, titled top-level windows of the desktop, in the
// order the desktop gives them, and returns how many there are. Nothing of an earlier call
// remains.
int16_t ListTopWindows(WindowListBox& list);

}  // namespace Module1

// The title of the Visual Basic development environment's main window.
inline const QString kVbIdeTitle = QStringLiteral("Microsoft Visual Basic");

// The time-out recognises the development environment by the start of a title only; the
// hand-in finds the text anywhere in it.
bool titleStartsAsVbIde(const QString& title);
bool titleContainsVbIde(const QString& title);

}  // namespace qv
