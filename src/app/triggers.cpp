#include "app/triggers.h"

namespace {
constexpr int kIntervals[TimerPool::kCount] = {60000, 1000, 40, 120, 1000, 15000};
int index(Trigger t) { return int(t); }
}  // namespace

TimerPool::TimerPool(QObject* parent) : QObject(parent) {
    for (int i = 0; i < kCount; ++i) {
        m_timers[size_t(i)].setInterval(kIntervals[i]);
        connect(&m_timers[size_t(i)], &QTimer::timeout, this, [this, i] { timerPoolAllTriggers(Trigger(i)); });
    }
}

void TimerPool::createTriggers() {
    for (int i = 0; i < kCount; ++i) m_timers[size_t(i)].start();
    m_timers[size_t(index(Trigger::PanelFlash))].stop();
}

void TimerPool::attach(Trigger trigger, std::function<void()> job) { m_jobs[size_t(index(trigger))] = std::move(job); }

void TimerPool::setActive(Trigger trigger, bool active) {
    QTimer& t = m_timers[size_t(index(trigger))];
    if (active)
        t.start();
    else
        t.stop();
}

bool TimerPool::isActive(Trigger trigger) const { return m_timers[size_t(index(trigger))].isActive(); }

int TimerPool::interval(Trigger trigger) const { return m_timers[size_t(index(trigger))].interval(); }

void TimerPool::switchAllOff() {
    for (QTimer& t : m_timers) t.stop();
}

void TimerPool::timerPoolAllTriggers(Trigger trigger) {
    const auto& job = m_jobs[size_t(index(trigger))];
    if (!job) return;
    try {
        job();
    } catch (...) {
        // periodic jobs never reach the user with their errors
    }
}
