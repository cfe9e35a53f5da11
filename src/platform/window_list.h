#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <deque>
#include <memory>
#include <vector>

namespace qv {

// A visible, unowned, titled top-level window of the desktop.
struct TopWindow {
    QString title;  // at most 255 characters
    quint32 handle = 0;

    bool operator==(const TopWindow&) const = default;
};

class WindowList {
  public:
    virtual ~WindowList() = default;

    // The windows open right now; every call looks afresh.
    virtual std::vector<TopWindow> topWindows() = 0;
};

// The list every caller uses: the X11 one unless another was installed.
WindowList& windowList();

// Makes list the one windowList() returns; it is not owned and must outlive its use.
// nullptr brings back the X11 list.
void installWindowList(WindowList* list);

// The top-level windows of an X display (the one DISPLAY names when displayName is empty).
// When the display cannot be opened the list is empty.
std::unique_ptr<WindowList> makeX11WindowList(const QByteArray& displayName = {});

// Stands in for the desktop in tests. Each call takes the next of `upcoming`, if any, as the
// current `windows`, so a test can script a window that closes between two looks.
class FakeWindowList : public WindowList {
  public:
    std::vector<TopWindow> windows;
    std::deque<std::vector<TopWindow>> upcoming;
    int calls = 0;

    std::vector<TopWindow> topWindows() override {
        ++calls;
        if (!upcoming.empty()) {
            windows = std::move(upcoming.front());
            upcoming.pop_front();
        }
        return windows;
    }
};

}  // namespace qv
