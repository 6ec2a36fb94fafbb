#include "filters/listbox.h"
#include "common/menus.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/basic.h"
#include "common/platform.h"
#include "data/linelist.h"
#include "filters/categoryfilter.h"

namespace {

const QString kCaption = QStringLiteral("Edit Category Choices");

}  // namespace

TfrmListBox::TfrmListBox(const GridTable& store, TaskFilter* filter, QWidget* parent)
    : QDialog(parent), m_store(store), m_filter(filter) {
    setObjectName(QStringLiteral("frmListBox"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lbList = new QListWidget(this);
    lbList->setObjectName(QStringLiteral("lbList"));
    lbList->setSelectionMode(QAbstractItemView::ExtendedSelection);

    btAdd = PushButton(this, QStringLiteral("btAdd"), QStringLiteral("&Add"),
                       QStringLiteral("Press INS to add a new one'"));
    btDelete =
        PushButton(this, QStringLiteral("btDelete"), QStringLiteral("&Delete"), QStringLiteral("Press DEL to delete"));
    btRebuild = PushButton(this, QStringLiteral("btRebuild"), QStringLiteral("&Rebuild"),
                           QStringLiteral("Rebuild category list from existing categories"));
    btOK = PushButton(this, QStringLiteral("btOK"), QStringLiteral("OK"));
    btOK->setDefault(true);
    btCancel = PushButton(this, QStringLiteral("btCancel"), QStringLiteral("Cancel"));

    auto* buttons = new QVBoxLayout();
    buttons->addWidget(btAdd);
    buttons->addWidget(btDelete);
    buttons->addWidget(btRebuild);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(lbList, 1);
    layout->addLayout(buttons);
    setFixedSize(320, 300);

    connect(btAdd, &QPushButton::clicked, this, &TfrmListBox::btAddClick);
    connect(btDelete, &QPushButton::clicked, this, &TfrmListBox::btDeleteClick);
    connect(btRebuild, &QPushButton::clicked, this, &TfrmListBox::btRebuildClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmListBox::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TfrmListBox::btCancelClick);
    connect(lbList, &QListWidget::itemDoubleClicked, this, &TfrmListBox::btOKClick);
    auto* insertKey = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(insertKey, &QShortcut::activated, this, &TfrmListBox::btAddClick);
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    connect(deleteKey, &QShortcut::activated, this, &TfrmListBox::btDeleteClick);
}

void TfrmListBox::setItems(const QStringList& names) {
    QStringList sorted = names;
    SortCategoryNames(sorted);
    lbList->clear();
    lbList->addItems(sorted);
}

QStringList TfrmListBox::items() const {
    QStringList out;
    for (int i = 0; i < lbList->count(); ++i)
        out << lbList->item(i)->text();
    return out;
}

void TfrmListBox::selectItem(const QString& name) {
    lbList->clearSelection();
    const int i = IndexOfCategory(items(), name);
    if (i >= 0)
        lbList->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
}

QStringList TfrmListBox::selectedItems() const {
    QStringList out;
    for (int i = 0; i < lbList->count(); ++i)
        if (lbList->item(i)->isSelected())
            out << lbList->item(i)->text();
    return out;
}

int TfrmListBox::insertSorted(const QString& name) {
    int at = 0;
    while (at < lbList->count() && lbList->item(at)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++at;
    lbList->insertItem(at, name);
    return at;
}

void TfrmListBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_deleted.clear();
    m_added = false;
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->geometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TfrmListBox::btAddClick() {
    QString name;
    if (!Platform::dialogs().input(QStringLiteral("Quick Pick"), QStringLiteral("New Quick Pick"), name))
        return;
    if (name.isEmpty() || IndexOfCategory(items(), name) >= 0)
        return;
    const int row = insertSorted(name);
    lbList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lbList->setFocus();
    m_added = true;
}

void TfrmListBox::btDeleteClick() {
    const QStringList selected = selectedItems();
    if (selected.isEmpty()) {
        ShowErrorMessage(QStringLiteral("Select one or more items"));
        return;
    }
    QStringList inUse;
    QStringList free;
    for (const QString& name : selected)
        (IsCategoryInUse(m_store, name) ? inUse : free) << name;
    if (!inUse.isEmpty()) {
        ShowErrorMessage(CategoryDeleteRefusal(inUse, free));
        return;
    }
    for (int i = lbList->count() - 1; i >= 0; --i) {
        if (!lbList->item(i)->isSelected())
            continue;
        m_deleted << lbList->item(i)->text();
        delete lbList->takeItem(i);
    }
    SortCategoryNames(m_deleted);
    lbList->setFocus();
}

void TfrmListBox::btRebuildClick() {
    if (!Platform::dialogs().question(QStringLiteral("Confirm"),
                                      QStringLiteral("This will rebuild the list of categories from the existing "
                                                     "tasks, both pending and completed.  Continue?")))
        return;
    const QStringList added = CategoriesMissingFrom(m_store, items());
    for (const QString& name : added)
        insertSorted(name);
    ShowInfoMessage(CategoryRebuildReport(added));
}

void TfrmListBox::btOKClick() {
    if (m_filter)
        UpdateFilterList(*m_filter, items(), m_deleted, Platform::appFolder());
    accept();
}

void TfrmListBox::btCancelClick() {
    done(m_added ? QDialog::Accepted : QDialog::Rejected);
}

void TfrmListBox::reject() {
    btCancelClick();
}

TfrmListBox::Choice TfrmListBox::editChoices(const GridTable& store, TaskFilter* filter, const QStringList& items,
                                             const QString& current, QWidget* parent) {
    TfrmListBox editor(store, filter, parent);
    editor.setWindowTitle(kCaption);
    editor.setItems(items);
    editor.selectItem(current);
    Choice choice;
    choice.items = items;
    if (editor.exec() == QDialog::Accepted) {
        choice.accepted = true;
        choice.items = editor.items();
        const QStringList selected = editor.selectedItems();
        if (selected.size() == 1)
            choice.chosen = selected.first();
    }
    WriteLineList(CategoryListPath(Platform::appFolder()), choice.items);
    return choice;
}

void TfrmListBox::categoriesCommand(const GridTable& store, TaskFilter* filter, QWidget* parent) {
    TfrmListBox editor(store, filter, parent);
    editor.setWindowTitle(kCaption);
    const QString path = CategoryListPath(Platform::appFolder());
    if (QFile::exists(path))
        editor.setItems(ReadLineList(path));
    if (editor.exec() == QDialog::Accepted)
        WriteLineList(path, editor.items());
}
