#include "score_hook.h"

#include <utility>

namespace qv {
namespace {

std::function<void()>& scoreOpener() {
    static std::function<void()> opener;
    return opener;
}

}  // namespace

void setScoreWindowOpener(std::function<void()> opener) {
    scoreOpener() = std::move(opener);
}

bool openScoreWindow() {
    // A copy, so an opener that replaces the hook while it runs does not destroy itself.
    const std::function<void()> opener = scoreOpener();
    if (!opener) return false;
    opener();
    return true;
}

}  // namespace qv
