// Peak memory of loading a task store file: prints VmHWM before and after reading a file of
// the given number of tasks (1,000,000 unless an argument says otherwise) into a GridTable.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

#include "data/gridtable.h"
#include "data/tablefile.h"
#include "taskdata.h"

namespace {

// A field of /proc/self/status in kB, e.g. VmHWM (peak resident size) or VmRSS.
long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int tasks = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.grd"));

    // The file is made in a child process, so building the table does not count here.
    const pid_t child = fork();
    if (child == 0) {
        WriteTableFile(GenerateTaskStore(tasks), path);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !QFileInfo::exists(path)) {
        std::fprintf(stderr, "could not write the task file\n");
        return 1;
    }

    // For comparison, a plain read of the same file in a process of its own.
    const pid_t reader = fork();
    if (reader == 0) {
        QFile file(path);
        const auto start = std::chrono::steady_clock::now();
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("table memory: plain QFile::readAll of the file in %.3f s\n", seconds);
        std::fflush(stdout);
        _exit(bytes.isEmpty() ? 1 : 0);
    }
    waitpid(reader, &status, 0);

    const long rssBefore = statusKb("VmRSS");
    GridTable table;
    const auto start = std::chrono::steady_clock::now();
    ReadTableFile(table, path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long rssAfter = statusKb("VmRSS");
    const long peak = statusKb("VmHWM");

    std::printf("table memory: %d tasks, %d x %d cells, file %.1f MB, ReadTableFile in %.3f s\n", tasks,
                table.colCount(), table.rowCount(), double(QFileInfo(path).size()) / 1e6, seconds);
    std::printf("table memory: peak (VmHWM) %.1f MB, resident with the table loaded %.1f MB (table alone %.1f MB)\n",
                double(peak) / 1024, double(rssAfter) / 1024, double(rssAfter - rssBefore) / 1024);
    return 0;
}
