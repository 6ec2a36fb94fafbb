// Reading and writing a task store as a table file, next to plain reads and writes of the
// same bytes; all figures are bytes of the file per second.
//
// Arguments: the number of tasks, and the heap: 0 "cold" returns all freed memory to the
// system between runs, so every run pays for fresh pages as a program loading its file at
// start does; 1 "warm" keeps freed memory for reuse, which leaves the processing alone.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <limits>
#include <map>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "data/gridtable.h"
#include "data/tablefile.h"
#include "taskdata.h"

namespace {

struct TaskFile {
    QTemporaryDir dir;
    QString path;
    QString outPath;
    QByteArray bytes;
    GridTable table;
};

// One task store and its file per size, made on first use and kept for the whole run.
TaskFile& taskFile(int tasks) {
    static std::map<int, std::unique_ptr<TaskFile>> files;
    std::unique_ptr<TaskFile>& file = files[tasks];
    if (!file) {
        file = std::make_unique<TaskFile>();
        file->path = file->dir.filePath(QStringLiteral("grid.grd"));
        file->outPath = file->dir.filePath(QStringLiteral("out.grd"));
        file->table = GenerateTaskStore(tasks);
        WriteTableFile(file->table, file->path);
        QFile in(file->path);
        if (in.open(QIODevice::ReadOnly))
            file->bytes = in.readAll();
    }
    return *file;
}

// Runs body once per iteration and reports the file's bytes per second. cleanup runs
// untimed between iterations (freeing what body made); with a cold heap the freed memory
// then goes back to the system, with a warm one it stays and an untimed first run fills it.
template <typename Body, typename Cleanup>
void measure(benchmark::State& state, Body body, Cleanup cleanup) {
    const TaskFile& file = taskFile(int(state.range(0)));
    const bool warm = state.range(1) != 0;
#ifdef __GLIBC__
    mallopt(M_MMAP_MAX, warm ? 0 : 65536);
    mallopt(M_TRIM_THRESHOLD, warm ? std::numeric_limits<int>::max() : 128 * 1024);
    malloc_trim(0);
#endif
    if (warm) {
        body(file);
        cleanup();
    }
    for (auto _ : state) {
        state.PauseTiming();
        cleanup();
#ifdef __GLIBC__
        if (!warm)
            malloc_trim(0);
#endif
        state.ResumeTiming();
        body(file);
    }
    cleanup();
    state.SetBytesProcessed(qint64(state.iterations()) * file.bytes.size());
    state.counters["file_MB"] = double(file.bytes.size()) / 1e6;
}

template <typename Body>
void measure(benchmark::State& state, Body body) {
    measure(state, body, [] {});
}

void BM_ReadTableFile(benchmark::State& state) {
    std::unique_ptr<GridTable> table;
    measure(
        state,
        [&](const TaskFile& file) {
            table = std::make_unique<GridTable>();
            ReadTableFile(*table, file.path);
        },
        [&] { table.reset(); });
}

void BM_PlainReadAll(benchmark::State& state) {
    QByteArray bytes;
    measure(
        state,
        [&](const TaskFile& file) {
            QFile in(file.path);
            in.open(QIODevice::ReadOnly);
            bytes = in.readAll();
        },
        [&] { bytes = QByteArray(); });
}

void BM_TableFileBytes(benchmark::State& state) {
    QByteArray bytes;
    measure(
        state, [&](const TaskFile& file) { bytes = TableFileBytes(file.table); }, [&] { bytes = QByteArray(); });
}

void BM_WriteTableFile(benchmark::State& state) {
    measure(state, [](const TaskFile& file) { WriteTableFile(file.table, file.outPath); });
}

// The atomic replacement alone: the same bytes through QSaveFile.
void BM_PlainSaveFile(benchmark::State& state) {
    measure(state, [](const TaskFile& file) {
        QSaveFile out(file.outPath);
        out.open(QIODevice::WriteOnly);
        out.write(file.bytes);
        out.commit();
    });
}

void plainWrite(const TaskFile& file, bool sync) {
    QFile out(file.outPath);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(file.bytes);
    out.flush();
#ifdef Q_OS_UNIX
    if (sync)
        ::fsync(out.handle());
#else
    Q_UNUSED(sync);
#endif
}

void BM_PlainWrite(benchmark::State& state) {
    measure(state, [](const TaskFile& file) { plainWrite(file, false); });
}

void BM_PlainWriteFsync(benchmark::State& state) {
    measure(state, [](const TaskFile& file) { plainWrite(file, true); });
}

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"tasks", "warm"})
        ->ArgsProduct({{100000, 1000000}, {0, 1}})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace

BENCHMARK(BM_PlainReadAll)->Apply(sizes);
BENCHMARK(BM_ReadTableFile)->Apply(sizes);
BENCHMARK(BM_TableFileBytes)->Apply(sizes);
BENCHMARK(BM_PlainWrite)->Apply(sizes);
BENCHMARK(BM_PlainWriteFsync)->Apply(sizes);
BENCHMARK(BM_PlainSaveFile)->Apply(sizes);
BENCHMARK(BM_WriteTableFile)->Apply(sizes);

BENCHMARK_MAIN();
