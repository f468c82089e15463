// fretlore-chords figures: "show Am" from process start to exit (the program
// run as a user runs it, output thrown away), and "name" of every catalogue
// voicing in one process through the same command code.
// Usage: bench_chords [PROGRAM] [RUNS]
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace fretlore;

namespace {

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.1f ms, best %.1f ms, worst %.1f ms (%zu runs)\n", what, ms[ms.size() / 2], ms.front(),
                ms.back(), ms.size());
}

// Wall time from spawning the program to its exit, its output to /dev/null;
// the processor time it used goes to `cpuMs`.
double runOnce(const char* program, char* const argv[], double* cpuMs)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    *cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
             (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray program = argc > 1 ? QByteArray(argv[1]) : QByteArray("build/app/fretlore-chords");
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;

    char show[] = "show";
    char am[] = "Am";
    char* showArgs[] = {const_cast<char*>(program.constData()), show, am, nullptr};
    std::vector<double> showMs;
    std::vector<double> showCpuMs;
    for (int i = 0; i < runs; ++i) {
        double cpu = 0;
        const double ms = runOnce(program.constData(), showArgs, &cpu);
        if (ms < 0) {
            std::fprintf(stderr, "bench_chords: %s show Am did not run\n", program.constData());
            return 1;
        }
        showMs.push_back(ms);
        showCpuMs.push_back(cpu);
    }
    report("fretlore-chords show Am, process start to exit (target < 60 ms)", showMs);
    report("  processor time of those runs (user + system)", showCpuMs);

    // Every voicing's frets named as the command names them; the text goes nowhere.
    const QStringList catalogue = ChordCatalogue();
    std::vector<QStringList> commands;
    for (int i = 1; i < catalogue.size(); ++i) {
        QStringList command = {QStringLiteral("name")};
        const ChordEntry entry = ReadChordEntry(catalogue[i]).value_or(ChordEntry{});
        for (int f : entry.Frets)
            command << (f < 0 ? QStringLiteral("x") : QString::number(f));
        commands.push_back(command);
    }
    std::vector<double> nameMs;
    for (int r = 0; r < std::max(3, runs / 4); ++r) {
        QString text;
        QTextStream out(&text);
        QTextStream err(stderr);
        QElapsedTimer t;
        t.start();
        ChordsProgram program(out, err, QString());
        for (const QStringList& command : commands)
            program.Run(ChordsArguments(command));
        nameMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report("name of all 1008 catalogue voicings in one process (target < 200 ms)", nameMs);
    return 0;
}
