#include "vb_timer.h"

#include <algorithm>

namespace qv {
namespace {

int manualDepth = 0;

}  // namespace

ManualTimers::ManualTimers() {
    ++manualDepth;
}
ManualTimers::~ManualTimers() {
    --manualDepth;
}
bool ManualTimers::active() {
    return manualDepth > 0;
}

VbTimer::VbTimer(QObject* parent) : QObject(parent) {
    shot_.setSingleShot(true);
    shot_.setTimerType(Qt::PreciseTimer);
    connect(&shot_, &QTimer::timeout, this, &VbTimer::onDue);
}

void VbTimer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    shot_.stop();
    if (!on) return;
    ticksDone_ = 0;
    clock_.start();
    arm();
}

void VbTimer::setInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    if (!enabled_) return;
    // A new interval starts a new schedule, as re-enabling would.
    shot_.stop();
    ticksDone_ = 0;
    clock_.start();
    arm();
}

qint64 VbTimer::delayUntilTick(qint64 elapsed, qint64 next, int interval) {
    return std::max<qint64>(0, next * interval - elapsed);
}

void VbTimer::arm() {
    if (!enabled_ || interval_ <= 0 || ManualTimers::active()) return;
    const qint64 delay = delayUntilTick(clock_.elapsed(), ticksDone_ + 1, interval_);
    shot_.start(static_cast<int>(std::min<qint64>(delay, 1 << 30)));
}

void VbTimer::onDue() {
    if (!enabled_) return;
    ++ticksDone_;
    arm();
    emit Timer();
}

void VbTimer::fire() {
    if (!enabled_) return;
    ++ticksDone_;
    emit Timer();
}

}  // namespace qv
