#pragma once
// The category list and the task filter's files: category.xxx holds the names to choose
// from, category.yyy the names the filter shows. Also the tests and texts the category
// editor and the filter window need, kept here so they work without a window.

#include <QString>
#include <QStringList>

class GridTable;
class TaskFilter;

QString CategoryListPath(const QString& appFolder);        // category.xxx
QString SelectedCategoriesPath(const QString& appFolder);  // category.yyy

// Position of name in list, comparing without regard to case; -1 when absent.
int IndexOfCategory(const QStringList& list, const QString& name);
// The editor's order: alphabetical without regard to case, equal names keep their order.
void SortCategoryNames(QStringList& names);

// True when a task of the store (category in column 2) carries the name; letters A to Z
// compare without case. To-dos and completed tasks are not looked at.
bool IsCategoryInUse(const GridTable& store, const QString& name);
// The categories of the store's tasks that list lacks, in store order, each once (the
// first spelling met wins). Blank categories are left out.
QStringList CategoriesMissingFrom(const GridTable& store, const QStringList& list);

// Why a deletion is refused when some of the selected names are in use; empty when none is.
QString CategoryDeleteRefusal(const QStringList& inUse, const QStringList& free);
// What a rebuild reports.
QString CategoryRebuildReport(const QStringList& added);

// Ticks every category on the selected list (category.yyy) or, without that file, every
// category. Ticks are only ever added here.
void TickCategoriesForShowing(TaskFilter& filter, const QString& appFolder);
void SetAllCategoriesTicked(TaskFilter& filter, bool ticked);
// Writes the ticked names, in list order, to category.yyy.
void WriteSelectedCategories(const TaskFilter& filter, const QString& appFolder);
// Writes the two switches, Filter\NotDone and Filter\Done.
void WriteFilterSwitches(const TaskFilter& filter);
// After the category editor's OK: drops the deleted names, appends the list's new names
// ticked, then writes category.yyy and category.xxx in the filter's order.
void UpdateFilterList(TaskFilter& filter, const QStringList& list, const QStringList& deleted,
                      const QString& appFolder);
