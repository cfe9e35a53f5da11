#include "platform/window_list.h"

namespace qv {
namespace {

WindowList* installedList = nullptr;

}  // namespace

WindowList& windowList() {
    if (installedList != nullptr) return *installedList;
    static const std::unique_ptr<WindowList> x11List = makeX11WindowList();
    return *x11List;
}

void installWindowList(WindowList* list) {
    installedList = list;
}

}  // namespace qv
