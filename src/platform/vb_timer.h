#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace qv {

// A timer control: Enabled, Interval and a Timer event. Ticks are laid out against a
// monotonic clock from the moment the timer was enabled (tick n is due at start + n * interval),
// so a late tick does not push the later ones back and a long countdown keeps to real time.
// The next tick is armed before the Timer event runs, so ticks keep coming while a handler
// waits in a modal box.
class VbTimer : public QObject {
    Q_OBJECT
  public:
    explicit VbTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    // Enabling starts the schedule afresh; disabling drops any pending tick.
    void setEnabled(bool on);
    int Interval() const { return interval_; }
    void setInterval(int milliseconds);

    // Runs one tick now, exactly as the schedule would. Tests drive the clock by this.
    void fire();

    // Milliseconds from `elapsed` (time since the start) until tick number `next` (1-based) is
    // due; 0 when it is overdue.
    static qint64 delayUntilTick(qint64 elapsed, qint64 next, int interval);

  signals:
    void Timer();

  private:
    void arm();
    void onDue();

    bool enabled_ = false;
    int interval_ = 0;
    qint64 ticksDone_ = 0;
    QElapsedTimer clock_;
    QTimer shot_;
};

// While one of these lives, enabled timers schedule no real ticks: only fire() ticks them.
class ManualTimers {
  public:
    ManualTimers();
    ~ManualTimers();
    ManualTimers(const ManualTimers&) = delete;
    ManualTimers& operator=(const ManualTimers&) = delete;
    static bool active();
};

}  // namespace qv
