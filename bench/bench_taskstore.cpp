// The task store under load: editing one day of a 100 000-task store (write the day back,
// sort, save grid.grd) next to a plain write of the same file, and the day-state lookup
// for every day cell of four month calendars.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "app/taskfilter.h"
#include "app/taskstore.h"
#include "taskdata.h"
#include "common/datevalue.h"
#include "data/tablefile.h"

namespace {

struct StoreFixture {
    QTemporaryDir dir;
    TaskStore store{dir.path()};
    TaskFilter filter;
    int day = 0;

    explicit StoreFixture(int tasks) {
        store.gridStore = GenerateTaskStore(tasks);
        store.filter = &filter;
        day = RowDayNumber(store.gridStore, store.gridStore.rowCount() / 2);
        store.SortGridStore();
    }
};

void BM_EditOneDay(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    for (auto _ : state) {
        f.store.readFromStore(f.day);
        f.store.gridDay.setCell(2, 1, f.store.gridDay.cell(2, 1) + QLatin1Char('x'));
        f.store.writeToStore(f.day);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * QFile(f.store.storePath()).size());
}

void BM_PlainWriteOfStoreFile(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    const QByteArray bytes = TableFileBytes(f.store.gridStore);
    const QString path = f.dir.filePath(QStringLiteral("plain.grd"));
    for (auto _ : state) {
        QFile out(path);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
        out.close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

// The parts of an edit: the sort alone, the bytes of the file, and the atomic save.
void BM_SortStoreOnly(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    for (auto _ : state) f.store.sortStore();
}

void BM_StoreFileBytes(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(TableFileBytes(f.store.gridStore));
}

void BM_SaveStore(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    for (auto _ : state) f.store.saveStore();
}

void BM_PlainWriteAndSyncOfStoreFile(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    const QByteArray bytes = TableFileBytes(f.store.gridStore);
    const QString path = f.dir.filePath(QStringLiteral("plain.grd"));
    for (auto _ : state) {
        QFile out(path);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
        out.flush();
        ::fsync(out.handle());
        out.close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_DayStatesOfFourMonths(benchmark::State& state) {
    StoreFixture f(int(state.range(0)));
    const QDate first = DateOfDayNumber(f.day).addDays(-60);
    // Four month grids of six weeks each.
    for (auto _ : state) {
        int marked = 0;
        for (int cell = 0; cell < 4 * 42; ++cell) {
            int row = 0;
            if (GetDayTaskState(f.store.gridStore, DayNumber(first) + cell, true, true, row, &f.filter) > 0)
                ++marked;
        }
        benchmark::DoNotOptimize(marked);
    }
}

}  // namespace

BENCHMARK(BM_EditOneDay)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteOfStoreFile)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWriteAndSyncOfStoreFile)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortStoreOnly)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreFileBytes)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveStore)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayStatesOfFourMonths)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
