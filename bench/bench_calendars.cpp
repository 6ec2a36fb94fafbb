// The main window's four calendars over a 100 000-task store: repainting them (every day
// cell asks the store for its state) and switching the selected day (the day list is read
// and the captions refreshed), next to repainting four calendars that know no store.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "app/main.h"
#include "app/taskfilter.h"
#include "common/datevalue.h"
#include "common/monthcalendar.h"
#include "common/platform.h"
#include "data/tablefile.h"
#include "taskdata.h"

namespace {

struct Window {
    QTemporaryDir dir;
    TaskFilter filter;
    std::unique_ptr<TfrmMain> main;
    QWidget* calendars = nullptr;

    Window() {
        Platform::setAppFolder(dir.path());
        Platform::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
        // Tasks around today, so the calendars on screen show many marked days.
        const int today = DayNumber(QDate::currentDate());
        WriteTableFile(GenerateTaskStore(100000, 7), dir.filePath(QStringLiteral("grid.grd")));
        GridTable store(1, 1);
        ReadTableFile(store, dir.filePath(QStringLiteral("grid.grd")));
        const int shift = today - RowDayNumber(store, store.rowCount() / 2);
        for (int r = 1; r < store.rowCount(); ++r) {
            const QString& key = store.cell(0, r);
            const qsizetype dot = key.indexOf(QLatin1Char('.'));
            store.setCell(0, r, QString::number(key.left(dot).toInt() + shift) + key.mid(dot));
        }
        WriteTableFile(store, dir.filePath(QStringLiteral("grid.grd")));
        WriteTableFile(GridTable(3, 2), dir.filePath(QStringLiteral("gridNon.grd")));
        main = std::make_unique<TfrmMain>();
        main->FormCreate();
        main->setFilter(&filter);
        main->show();
        calendars = main->findChild<QWidget*>(QStringLiteral("pnlCalendars"));
    }
};

Window& window() {
    static Window w;
    return w;
}

void BM_RepaintFourCalendarsWithStore(benchmark::State& state) {
    QWidget* panel = window().calendars;
    for (auto _ : state) benchmark::DoNotOptimize(panel->grab());
}

void BM_RepaintFourBareCalendars(benchmark::State& state) {
    QWidget panel;
    panel.resize(window().calendars->size());
    for (int i = 0; i < 4; ++i) {
        auto* c = new MonthCalendar(&panel);
        c->setGeometry(window().main->cal(i + 1)->geometry());
        c->setDate(window().main->cal(i + 1)->date());
    }
    for (auto _ : state) benchmark::DoNotOptimize(panel.grab());
}

void BM_SwitchSelectedDay(benchmark::State& state) {
    MonthCalendar* cal = window().main->cal(2);
    const QDate start = cal->date();
    int step = 0;
    for (auto _ : state) {
        // Days of one month, so each switch reads a day and refreshes the captions only.
        cal->setDate(QDate(start.year(), start.month(), 1 + (step++ % 28)));
    }
}

}  // namespace

BENCHMARK(BM_RepaintFourBareCalendars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintFourCalendarsWithStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchSelectedDay)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window().main.reset();
    return 0;
}
