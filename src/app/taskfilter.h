#pragma once
// The task filter: whether done and not-done tasks are shown, and which categories.
// Every view asks it whether a task passes. The filter window edits it live.

#include <QList>
#include <QString>
#include <QStringList>

class TaskFilter {
public:
    struct Category {
        QString name;
        bool ticked = false;
    };

    bool doneShown = true;
    bool notDoneShown = true;
    QList<Category> categories;  // in list order

    // Does a task with this done text and category pass?
    bool passes(const QString& done, const QString& category) const;
    // True when the filter hides anything.
    bool isActive() const;

    QStringList names() const;
    QStringList tickedNames() const;
    // Ticks every listed name found in names, comparing letters A to Z without case.
    void tickNames(const QStringList& names);

    // Loads the filter as it stands at start: the category list from category.xxx, the
    // ticks from category.yyy (or, without it, every name of category.xxx), and the two
    // switches from the settings.
    void loadAtStart(const QString& appFolder);
};

// The filter test of the program: false when there is no filter yet.
inline bool FilterTest(const TaskFilter* filter, const QString& done, const QString& category) {
    return filter && filter->passes(done, category);
}
inline bool FilterActiveTest(const TaskFilter* filter) { return filter && filter->isActive(); }
