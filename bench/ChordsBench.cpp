// SPDX-License-Identifier: GPL-3.0-or-later
// fretlore-chords figures: "show Am" and "voicings NAME" in several tunings
// from process start to exit (the program run as a user runs it, output
// thrown away), and "name" of every catalogue voicing in one process through
// the same command code, in standard tuning and in others.
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

// Runs the program `runs` times with `arguments` and prints the figures;
// false when it did not run.
bool measureProcess(const QByteArray& program, const QList<QByteArray>& arguments, int runs, const char* target)
{
    std::vector<QByteArray> held = {program};
    held.insert(held.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (QByteArray& a : held)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    for (int i = 0; i < runs; ++i) {
        double cpu = 0;
        const double ms = runOnce(program.constData(), argv.data(), &cpu);
        if (ms < 0) {
            std::fprintf(stderr, "bench_chords: %s %s did not run\n", program.constData(),
                         arguments.join(' ').constData());
            return false;
        }
        wallMs.push_back(ms);
        cpuMs.push_back(cpu);
    }
    const QByteArray what = "fretlore-chords " + arguments.join(' ') + ", process start to exit (target < " + target + ")";
    report(what.constData(), wallMs);
    report("  processor time of those runs (user + system)", cpuMs);
    return true;
}

// "name" of every catalogue voicing's frets with `options`, in one process.
void measureNames(const std::vector<QStringList>& commands, const QStringList& options, int rounds)
{
    std::vector<double> nameMs;
    for (int r = 0; r < rounds; ++r) {
        QString text;
        QTextStream out(&text);
        QTextStream err(stderr);
        QElapsedTimer t;
        t.start();
        ChordsProgram program(out, err, QString());
        for (const QStringList& command : commands)
            program.Run(ChordsArguments(command + options));
        nameMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const QByteArray what = "name " + options.join(u' ').toUtf8() +
                            (options.isEmpty() ? "" : " ") + "of all 1008 catalogue voicings in one process (target < 200 ms)";
    report(what.constData(), nameMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray program = argc > 1 ? QByteArray(argv[1]) : QByteArray("build/app/fretlore-chords");
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;

    if (!measureProcess(program, {"show", "Am"}, runs, "60 ms"))
        return 1;
    const QList<QList<QByteArray>> voicings = {
        {"voicings", "Am"},
        {"voicings", "C7", "--tuning", "dadgad"},
        {"voicings", "Gmaj9", "--tuning", "open-g", "--capo", "3"},
        {"voicings", "F#m7b5", "--tuning", "C2,G2,D3,G3,B3,D4", "--json"},
        {"voicings", "E/G#", "--tuning", "half-down"},
    };
    for (const QList<QByteArray>& arguments : voicings)
        if (!measureProcess(program, arguments, runs, "100 ms"))
            return 1;

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
    const int rounds = std::max(3, runs / 4);
    measureNames(commands, {}, rounds);
    measureNames(commands, {QStringLiteral("--tuning"), QStringLiteral("drop-d")}, rounds);
    measureNames(commands, {QStringLiteral("--tuning"), QStringLiteral("open-g"), QStringLiteral("--capo"),
                            QStringLiteral("2"), QStringLiteral("--notation"), QStringLiteral("german")},
                 rounds);
    return 0;
}
