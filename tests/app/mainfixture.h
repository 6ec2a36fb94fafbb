#pragma once
// A main window started on a temporary application folder with a fixed clock
// (Wednesday 16 March 2005, 9:30), its filter and completed-task log, shown and ready.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/edit.h"
#include "app/gridview.h"
#include "app/main.h"
#include "app/taskfilter.h"
#include "filters/complete.h"
#include "filters/filter.h"
#include "settings/options.h"
#include "filters/completedlog.h"
#include "settings/programoptions.h"
#include "support/testsupport.h"
#include "support/whenmodal.h"

inline const QByteArray kEmptyStore = "6,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n";
inline const QByteArray kEmptyTodo =
    "3,2\r\ncw 0,84\r\ncw 1,476\r\ncw 2,54\r\n0,0,Category\r\n1,0,What\r\n2,0,Done?\r\n";
constexpr int kToday = 38427;  // 16 March 2005

struct MainFixture {
    TestPlatform platform;
    std::unique_ptr<TfrmMain> window;
    TaskFilter filter;
    std::unique_ptr<CompletedLog> log;
    std::unique_ptr<TfrmComplete> complete;
    std::unique_ptr<TfrmFilter> frmFilter;
    std::unique_ptr<TfrmOptions> frmOptions;

    // settings: the INI text of the settings store as the program finds it at start.
    explicit MainFixture(const QByteArray& store = kEmptyStore, const QByteArray& todo = kEmptyTodo,
                         const QByteArray& settings = {}) {
        if (!settings.isEmpty()) platform.writeFile(QStringLiteral("settings.ini"), settings);
        platform.writeFile(QStringLiteral("grid.grd"), store);
        platform.writeFile(QStringLiteral("gridNon.grd"), todo);
        window = std::make_unique<TfrmMain>();
        if (!window->FormCreate()) qFatal("main window refused to start");
        frmFilter = std::make_unique<TfrmFilter>(filter);
        window->setFilter(&filter);
        window->setFilterWindow(frmFilter.get());
        frmOptions = std::make_unique<TfrmOptions>();
        window->setOptionsWindow(frmOptions.get());
        log = std::make_unique<CompletedLog>();
        complete = std::make_unique<TfrmComplete>(*log);
        window->setCompletedLog(log.get(), complete.get());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("main window not shown");
    }
    ~MainFixture() {
        complete.reset();
        window.reset();
        frmFilter.reset();
        frmOptions.reset();
    }

    TfrmMain& w() { return *window; }
    GridTable& day() { return window->store().gridDay; }
    GridTable& store() { return window->store().gridStore; }
    GridTable& todo() { return window->gridNonday(); }
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    void trigger(const char* name) {
        QAction* a = action(name);
        QVERIFY2(a, name);
        a->trigger();
    }
};

inline void onEditor(std::function<void(TfrmEdit*)> f) { WhenModal<TfrmEdit>(std::move(f)); }

// Fills in the editor's notes and category and confirms it.
inline void answerEditor(const QString& notes, const QString& category = QString()) {
    onEditor([notes, category](TfrmEdit* e) {
        if (!e) return;
        e->memMain->setPlainText(notes);
        if (!category.isNull()) e->setCategory(category);
        e->btOK->click();
    });
}
