#include "app/taskfilter.h"

#include <QFile>

#include "common/basic.h"
#include "common/routines.h"
#include "data/linelist.h"
#include "settings/settingsstore.h"

namespace {
const QString kYes = QStringLiteral("Yes");
const QString kNo = QStringLiteral("No");

// Equal when they differ only in the case of the letters A to Z.
bool sameAsciiCaseless(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        ushort x = a.at(i).unicode();
        ushort y = b.at(i).unicode();
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x != y) return false;
    }
    return true;
}
}  // namespace

bool TaskFilter::passes(const QString& done, const QString& category) const {
    if (!doneShown && done == kYes) return false;
    if (!notDoneShown && done == kNo) return false;
    int ticked = 0;
    for (const Category& c : categories) {
        if (c.ticked) ++ticked;
        if (sameAsciiCaseless(c.name, category)) return c.ticked;
    }
    // An unlisted category shows while the category filter is wholly off or wholly on.
    return ticked == 0 || ticked == categories.size();
}

bool TaskFilter::isActive() const {
    if (!doneShown || !notDoneShown) return true;
    for (const Category& c : categories)
        if (!c.ticked) return true;
    return false;
}

QStringList TaskFilter::names() const {
    QStringList out;
    for (const Category& c : categories) out << c.name;
    return out;
}

QStringList TaskFilter::tickedNames() const {
    QStringList out;
    for (const Category& c : categories)
        if (c.ticked) out << c.name;
    return out;
}

void TaskFilter::tickNames(const QStringList& list) {
    for (Category& c : categories)
        for (const QString& n : list)
            if (sameAsciiCaseless(c.name, n)) {
                c.ticked = true;
                break;
            }
}

void TaskFilter::loadAtStart(const QString& appFolder) {
    categories.clear();
    const QString xxx = JoinPath(appFolder, QStringLiteral("category.xxx"));
    const QString yyy = JoinPath(appFolder, QStringLiteral("category.yyy"));
    for (const QString& name : ReadLineList(xxx)) categories.append({name, false});
    if (QFile::exists(yyy))
        tickNames(ReadLineList(yyy));
    else if (QFile::exists(xxx))
        tickNames(ReadLineList(xxx));
    notDoneShown = SettingsStore::readBool(QStringLiteral("Filter"), QStringLiteral("NotDone"), true);
    doneShown = SettingsStore::readBool(QStringLiteral("Filter"), QStringLiteral("Done"), true);
}
