#include "filters/categoryfilter.h"

#include <QFile>

#include <algorithm>

#include "app/taskfilter.h"
#include "common/basic.h"
#include "common/routines.h"
#include "data/gridtable.h"
#include "data/linelist.h"
#include "settings/settingsstore.h"

namespace {
constexpr int kCategoryColumn = 2;

QString joinedNames(const QStringList& names) {
    return names.join(QStringLiteral(", "));
}
}  // namespace

QString CategoryListPath(const QString& appFolder) {
    return JoinPath(appFolder, QStringLiteral("category.xxx"));
}

QString SelectedCategoriesPath(const QString& appFolder) {
    return JoinPath(appFolder, QStringLiteral("category.yyy"));
}

int IndexOfCategory(const QStringList& list, const QString& name) {
    for (int i = 0; i < list.size(); ++i)
        if (list.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void SortCategoryNames(QStringList& names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

bool IsCategoryInUse(const GridTable& store, const QString& name) {
    const QString wanted = AsciiUpper(name);
    for (int row = store.rowCount() - 1; row >= 1; --row)
        if (AsciiUpper(store.cell(kCategoryColumn, row)) == wanted)
            return true;
    return false;
}

QStringList CategoriesMissingFrom(const GridTable& store, const QStringList& list) {
    QStringList known = list;
    QStringList added;
    for (int row = 1; row < store.rowCount(); ++row) {
        const QString& category = store.cell(kCategoryColumn, row);
        if (IsBlank(category) || IndexOfCategory(known, category) >= 0)
            continue;
        known << category;
        added << category;
    }
    return added;
}

QString CategoryDeleteRefusal(const QStringList& inUse, const QStringList& free) {
    if (inUse.isEmpty())
        return {};
    const bool several = inUse.size() > 1;
    QString text = QStringLiteral("The following categor") + (several ? QStringLiteral("ies:") : QStringLiteral("y:")) +
                   QStringLiteral(" \"") + joinedNames(inUse) + QStringLiteral("\" ") +
                   (several ? QStringLiteral("are") : QStringLiteral("is")) +
                   QStringLiteral(" in use and cannot be deleted. ");
    if (!free.isEmpty())
        text += QStringLiteral("\r\rThe following categor") +
                (free.size() > 1 ? QStringLiteral("ies") : QStringLiteral("y")) +
                QStringLiteral(" may be deleted: \"") + joinedNames(free) + QStringLiteral("\". Try reselecting.");
    return text;
}

QString CategoryRebuildReport(const QStringList& added) {
    if (added.isEmpty())
        return QStringLiteral("No existing categories were added.");
    return QStringLiteral("The following categories were added: \" ") + joinedNames(added) + QStringLiteral("\".");
}

void TickCategoriesForShowing(TaskFilter& filter, const QString& appFolder) {
    const QString selected = SelectedCategoriesPath(appFolder);
    filter.tickNames(QFile::exists(selected) ? ReadLineList(selected) : filter.names());
}

void SetAllCategoriesTicked(TaskFilter& filter, bool ticked) {
    for (TaskFilter::Category& c : filter.categories)
        c.ticked = ticked;
}

void WriteSelectedCategories(const TaskFilter& filter, const QString& appFolder) {
    WriteLineList(SelectedCategoriesPath(appFolder), filter.tickedNames());
}

void WriteFilterSwitches(const TaskFilter& filter) {
    SettingsStore::writeBool(QStringLiteral("Filter"), QStringLiteral("NotDone"), filter.notDoneShown);
    SettingsStore::writeBool(QStringLiteral("Filter"), QStringLiteral("Done"), filter.doneShown);
}

void UpdateFilterList(TaskFilter& filter, const QStringList& list, const QStringList& deleted,
                      const QString& appFolder) {
    filter.categories.erase(
        std::remove_if(filter.categories.begin(), filter.categories.end(),
                       [&deleted](const TaskFilter::Category& c) { return IndexOfCategory(deleted, c.name) >= 0; }),
        filter.categories.end());
    for (const QString& name : list)
        if (IndexOfCategory(filter.names(), name) < 0)
            filter.categories.append({name, true});
    WriteSelectedCategories(filter, appFolder);
    WriteLineList(CategoryListPath(appFolder), filter.names());
}
