#pragma once
// The main window's periodic triggers. Every trigger fires one dispatcher that runs the
// job attached to it and swallows any error the job raises, so a failing periodic job
// never disturbs the user.

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

enum class Trigger { AlarmCheck, PanelFlash, SplitterHighlight, Popup, StatusClock, Chime };

class TimerPool : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 6;

    explicit TimerPool(QObject* parent = nullptr);

    // Creates the triggers with their intervals; all active except the panel flash trigger.
    void createTriggers();
    void attach(Trigger trigger, std::function<void()> job);
    void setActive(Trigger trigger, bool active);
    bool isActive(Trigger trigger) const;
    int interval(Trigger trigger) const;
    void switchAllOff();

    // Runs the trigger's job now, as a firing would.
    void timerPoolAllTriggers(Trigger trigger);

private:
    std::array<QTimer, kCount> m_timers;
    std::array<std::function<void()>, kCount> m_jobs;
};
