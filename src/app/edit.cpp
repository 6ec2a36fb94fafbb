#include "app/edit.h"
#include "common/menus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "app/taskfilter.h"
#include "common/basic.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "common/routines.h"
#include "data/gridtable.h"
#include "data/linelist.h"
#include "filters/completedlog.h"
#include "filters/listbox.h"
#include "settings/programoptions.h"

namespace {

QString categoryFile() {
    return JoinPath(Platform::appFolder(), QStringLiteral("category.xxx"));
}

// Every line followed by CR LF, as a multi-line edit hands its text over.
QString withLineEnds(const QPlainTextEdit* edit) {
    const QString text = edit->toPlainText();
    if (text.isEmpty())
        return text;
    QString out;
    for (const QString& line : text.split(QLatin1Char('\n')))
        out += line + QStringLiteral("\r\n");
    return out;
}

QPlainTextEdit* notesEdit(const QString& name, int maxLength, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxLength] {
        const QString text = edit->toPlainText();
        if (text.size() <= maxLength)
            return;
        QTextCursor c = edit->textCursor();
        const int pos = std::min(c.position(), maxLength);
        edit->setPlainText(text.left(maxLength));
        c = edit->textCursor();
        c.setPosition(pos);
        edit->setTextCursor(c);
    });
    return edit;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TfrmEdit::TfrmEdit(TaskFilter* filter, CompletedLog* log, const GridTable* store, QWidget* parent)
    : QDialog(parent), m_filter(filter), m_log(log), m_store(store) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Edit Task"));
    resize(496, 427);
    auto* layout = new QVBoxLayout(this);

    // Main page.
    pnlMain = new QWidget(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    auto* main = new QGridLayout(pnlMain);
    main->setContentsMargins(0, 0, 0, 0);
    lblTitle = new QLabel(pnlMain);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    main->addWidget(lblTitle, 0, 0, 1, 4);
    dtTime = new QTimeEdit(pnlMain);
    dtTime->setObjectName(QStringLiteral("dtTime"));
    lblTime = buddyLabel(QStringLiteral("&Time:"), dtTime, pnlMain);
    main->addWidget(lblTime, 1, 0);
    main->addWidget(dtTime, 1, 1);
    cbAlarm = new QCheckBox(QStringLiteral("&Alarm?"), pnlMain);
    cbAlarm->setObjectName(QStringLiteral("cbAlarm"));
    main->addWidget(cbAlarm, 1, 2);
    cbCategory = new QComboBox(pnlMain);
    cbCategory->setObjectName(QStringLiteral("cbCategory"));
    cbCategory->setEditable(true);
    cbCategory->setInsertPolicy(QComboBox::NoInsert);
    cbCategory->setMaxVisibleItems(12);
    cbCategory->lineEdit()->setMaxLength(20);
    main->addWidget(buddyLabel(QStringLiteral("&Category:"), cbCategory, pnlMain), 2, 0);
    btCategory = PushButton(pnlMain, QStringLiteral("btCategory"), QStringLiteral("..."));
    auto* categoryRow = new QHBoxLayout();
    categoryRow->setSpacing(0);
    categoryRow->addWidget(cbCategory, 1);
    categoryRow->addWidget(btCategory);
    main->addLayout(categoryRow, 2, 1, 1, 2);
    lblComplete = new QLabel(pnlMain);
    lblComplete->setObjectName(QStringLiteral("lblComplete"));
    main->addWidget(lblComplete, 3, 0, 1, 4);
    memMain = notesEdit(QStringLiteral("memMain"), 2048, pnlMain);
    main->addWidget(buddyLabel(QStringLiteral("&Notes:"), memMain, pnlMain), 4, 0, 1, 4);
    main->addWidget(memMain, 5, 0, 1, 4);
    main->setRowStretch(5, 1);
    main->setColumnStretch(3, 1);
    cbDone = new QCheckBox(QStringLiteral("Is this task completed?"), pnlMain);
    cbDone->setObjectName(QStringLiteral("cbDone"));
    cbDone->hide();
    layout->addWidget(pnlMain, 1);

    // Completion page.
    pnlComplete = new QWidget(this);
    pnlComplete->setObjectName(QStringLiteral("pnlComplete"));
    auto* comp = new QGridLayout(pnlComplete);
    comp->setContentsMargins(0, 0, 0, 0);
    auto* compTitle = new QLabel(QStringLiteral("Task Completion Notes"), pnlComplete);
    compTitle->setAlignment(Qt::AlignCenter);
    compTitle->setObjectName(QStringLiteral("lblTitle2"));
    comp->addWidget(compTitle, 0, 0, 1, 4);
    memComplete = notesEdit(QStringLiteral("memComplete"), 255, pnlComplete);
    comp->addWidget(buddyLabel(QStringLiteral("&Notes"), memComplete, pnlComplete), 1, 0, 1, 4);
    comp->addWidget(memComplete, 2, 0, 1, 4);
    dtComplete = new QDateEdit(pnlComplete);
    dtComplete->setObjectName(QStringLiteral("dtComplete"));
    dtComplete->setCalendarPopup(true);
    comp->addWidget(buddyLabel(QStringLiteral("&Date of Task Completion"), dtComplete, pnlComplete), 3, 0);
    comp->addWidget(dtComplete, 3, 1);
    auto* gotoOrigin = PushButton(pnlComplete, QStringLiteral("btOrigin"), QStringLiteral("Goto origin date"));
    auto* gotoToday = PushButton(pnlComplete, QStringLiteral("btToday"), QStringLiteral("Goto today"));
    comp->addWidget(gotoOrigin, 3, 2);
    comp->addWidget(gotoToday, 3, 3);
    btOK2 = PushButton(pnlComplete, QStringLiteral("btOK2"), QStringLiteral("&OK"));
    btCancel2 = PushButton(pnlComplete, QStringLiteral("btCancel2"), QStringLiteral("Cancel"));
    comp->addWidget(btOK2, 4, 2);
    comp->addWidget(btCancel2, 4, 3);
    comp->setRowStretch(2, 1);
    layout->addWidget(pnlComplete, 1);
    connect(gotoOrigin, &QPushButton::clicked, this, [this] { dtComplete->setDate(selectedDay); });
    connect(gotoToday, &QPushButton::clicked, this, [this] { dtComplete->setDate(Platform::clock().now().date()); });

    // Bottom row.
    auto* bottom = new QHBoxLayout();
    btComplete = PushButton(this, QStringLiteral("btComplete"), QStringLiteral("&Mark complete"));
    btOK = PushButton(this, QStringLiteral("btOK"), QStringLiteral("&OK"));
    btOK->setDefault(true);
    btCancel = PushButton(this, QStringLiteral("btCancel"), QStringLiteral("Cancel"));
    bottom->addStretch(1);
    bottom->addWidget(btComplete);
    bottom->addWidget(btOK);
    bottom->addWidget(btCancel);
    layout->addLayout(bottom);

    connect(btOK, &QPushButton::clicked, this, &TfrmEdit::btOKClick);
    connect(btComplete, &QPushButton::clicked, this, &TfrmEdit::btCompleteClick);
    connect(btOK2, &QPushButton::clicked, this, &TfrmEdit::btOK2Click);
    connect(btCancel2, &QPushButton::clicked, this, &TfrmEdit::btCancel2Click);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btCategory, &QPushButton::clicked, this, &TfrmEdit::btCategoryClick);
    connect(memMain, &QPlainTextEdit::textChanged, this, [this] {
        if (!memMain->hasFocus())
            return;
        btComplete->setEnabled(true);
        btOK->setEnabled(true);
    });

    // The notes fields share one context menu; the clipboard items act on the visible one.
    for (QPlainTextEdit* edit : {memMain, memComplete}) {
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        edit->installEventFilter(this);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint& pos) {
            QMenu menu(this);
            QAction* undo = menu.addAction(QStringLiteral("&Undo"), edit, &QPlainTextEdit::undo);
            undo->setEnabled(edit->document()->isUndoAvailable() && edit->document()->isModified());
            QAction* cut = menu.addAction(QStringLiteral("Cu&t"), edit, &QPlainTextEdit::cut);
            QAction* copy = menu.addAction(QStringLiteral("&Copy"), edit, &QPlainTextEdit::copy);
            cut->setEnabled(edit->textCursor().hasSelection());
            copy->setEnabled(edit->textCursor().hasSelection());
            menu.addAction(QStringLiteral("&Paste"), edit, &QPlainTextEdit::paste);
            menu.addAction(QStringLiteral("&Delete"), edit, [edit] { edit->textCursor().removeSelectedText(); });
            menu.addAction(QStringLiteral("Select &All"), edit, &QPlainTextEdit::selectAll);
            menu.exec(edit->mapToGlobal(pos));
        });
    }

    QFont notesFont = memMain->font();
    notesFont.setPointSize(10);
    memMain->setFont(notesFont);
    memComplete->setFont(notesFont);
    editingFlag = false;
    setCategory(Options().category);
    dtComplete->setDate(Platform::clock().now().date());
    dtTime->setTime(Platform::clock().now().time());
}

void TfrmEdit::setTimeVisible(bool visible) {
    m_timeVisible = visible;
    lblTime->setVisible(visible);
    dtTime->setVisible(visible);
    cbAlarm->setVisible(visible);
}

QString TfrmEdit::notesWithLineEnds() const {
    return withLineEnds(memMain);
}

QString TfrmEdit::notesTrimmed() const {
    QString text = memMain->toPlainText();
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 32)
        --end;
    text.truncate(end);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void TfrmEdit::setNotes(const QString& notes) {
    memMain->setPlainText(TextToLines(notes).join(QLatin1Char('\n')));
}

void TfrmEdit::setCategory(const QString& category) {
    const int i = cbCategory->findText(category, Qt::MatchFixedString);
    if (i >= 0)
        cbCategory->setCurrentIndex(i);
    cbCategory->setEditText(category);
}

void TfrmEdit::setNotesFont(const QFont& font) {
    memMain->setFont(font);
    memComplete->setFont(font);
}

void TfrmEdit::loadCategoryList() {
    const QString file = categoryFile();
    if (FileIsEmpty(file))
        return;
    QStringList names = ReadLineList(file);
    names.sort(Qt::CaseInsensitive);
    const QString text = cbCategory->currentText();
    cbCategory->clear();
    cbCategory->addItems(names);
    setCategory(text);
}

void TfrmEdit::btCategoryClick() {
    QStringList items;
    for (int i = 0; i < cbCategory->count(); ++i)
        items << cbCategory->itemText(i);
    static const GridTable noTasks(6, 1);
    const TfrmListBox::Choice c =
        TfrmListBox::editChoices(m_store ? *m_store : noTasks, m_filter, items, cbCategory->currentText(), this);
    if (!c.accepted)
        return;
    const QString text = c.chosen.isNull() ? cbCategory->currentText() : c.chosen;
    cbCategory->clear();
    cbCategory->addItems(c.items);
    setCategory(text);
}

void TfrmEdit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmEdit::FormShow() {
    QString caption = windowTitle();
    caption.remove(QLatin1Char('\r'));
    caption.remove(QLatin1Char('\n'));
    setWindowTitle(caption);
    const bool ampm = ProcessFormatSettings().shortTimeFormat.contains(QLatin1String("AM"), Qt::CaseInsensitive);
    dtTime->setDisplayFormat(ampm ? QStringLiteral("h:mm AP") : QStringLiteral("HH:mm"));
    loadCategoryList();
    showMainPage(true);
    btOK2->setEnabled(false);
    lblComplete->setFont(lblTitle->font());
    if (cbDone->isChecked()) {
        lblComplete->setText(QStringLiteral("Completed Task"));
        btComplete->hide();
    } else {
        lblComplete->setText(QStringLiteral("Task is not yet completed"));
        btComplete->show();
    }
    if (openOnCompletion)
        btCompleteClick();
    taskDate = selectedDay;
    if (m_timeVisible) {
        dtTime->setFocus();
    } else {
        memMain->setFocus();
    }
}

void TfrmEdit::showMainPage(bool main) {
    pnlMain->setVisible(main);
    pnlComplete->setVisible(!main);
}

void TfrmEdit::btOKClick() {
    if (memMain->toPlainText().isEmpty()) {
        ShowErrorMessage(QStringLiteral("The Notes are blank!"));
        memMain->setFocus();
        return;
    }
    const QString category = cbCategory->currentText();
    // A new category joins the filter's list, ticked, and the editor's list and file.
    if (m_filter && !IsBlank(category) && !m_filter->names().contains(category, Qt::CaseInsensitive))
        m_filter->categories.append({category, true});
    if (!category.isEmpty() && cbCategory->findText(category, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) {
        cbCategory->addItem(category);
        QStringList items;
        for (int i = 0; i < cbCategory->count(); ++i)
            items << cbCategory->itemText(i);
        WriteLineList(categoryFile(), items);
    }
    accept();
}

void TfrmEdit::btCompleteClick() {
    if (memMain->toPlainText().isEmpty()) {
        ShowErrorMessage(QStringLiteral("The Notes are blank!"));
        memMain->setFocus();
        return;
    }
    showMainPage(false);
    btOK->setEnabled(false);
    btOK2->setEnabled(true);
    memComplete->setFocus();
}

void TfrmEdit::btOK2Click() {
    cbAlarm->setChecked(false);
    cbDone->setChecked(true);
    if (m_log) {
        m_log->AddToCompleteGrid(FormatDateTime(QStringLiteral("ddddd"), dtComplete->date().startOfDay()),
                                 FormatDateTime(QStringLiteral("tt"), QDateTime(QDate(1899, 12, 30), dtTime->time())),
                                 cbCategory->currentText(), taskDateText, withLineEnds(memMain),
                                 withLineEnds(memComplete));
    }
    accept();
}

void TfrmEdit::btCancel2Click() {
    showMainPage(true);
    btOK->setEnabled(true);
    btOK2->setEnabled(false);
}

bool TfrmEdit::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == memMain || watched == memComplete) &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && pnlMain->isVisible()) {
            // Escape in the notes goes to Cancel rather than closing at once.
            if (event->type() == QEvent::KeyRelease)
                btCancel->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
