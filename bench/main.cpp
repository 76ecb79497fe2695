// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyvora's practice and input boxes against Qt's stock ones, through the real main window,
// offscreen. Run: keyvora_bench [--full] [--clock-seconds=N] [--benchmark_filter=REGEX]

#include "benchplatform.h"
#include "benchwindow.h"
#include "practicetexts.h"
#include "report.h"
#include "results.h"

#include "boxes/boxwidgets.h"
#include "engine/statistics.h"
#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/qtplatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sys/resource.h>

using namespace keyvora;
using namespace keyvora::bench;

namespace {

// Sample counts keep the default run near two minutes on two cores; --full takes longer.
struct Plan {
    bool full = false;
    int clockSeconds = 60;
    int idleSeconds = 2;
    int oursLoadRuns = 7;
    int oursKeyRounds = 10;
    qsizetype keysPerRound = 50; // typed on from one input length before it is set again
    int oursTicks = 500;

    int stockLoadRuns(qsizetype size) const
    {
        if (size >= MB)
            return 1;
        return full ? 5 : 3;
    }
    int stockKeys(qsizetype size, qsizetype input) const
    {
        const int scale = full ? 3 : 1;
        if (size >= 5 * MB)
            return 3 * scale;
        if (size >= MB || input >= kTickInput)
            return 8 * scale;
        return (input >= 50'000 ? 20 : 50) * scale;
    }
    bool plainAt(qsizetype size) const { return full || size < 5 * MB; }
};

Plan g_plan;
Results g_results;
QTemporaryDir *g_files = nullptr;

QString practiceFile(qsizetype bytes)
{
    const QString path = g_files->filePath(QStringLiteral("book-%1.txt").arg(bytes));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bookText(bytes)) != bytes)
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// How often another process has taken the processor from this thread.
long preemptions()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

// File > Open until the window is ready for the first keystroke and has painted the text.
std::unique_ptr<BenchWindow> load(Boxes boxes, qsizetype size, double *ms)
{
    auto window = std::make_unique<BenchWindow>(boxes, Clocks::Manual);
    const QString path = practiceFile(size);
    QElapsedTimer timer;
    timer.start();
    window->open(path);
    window->window().repaint();
    BenchWindow::settle();
    *ms = msSince(timer);
    if (window->source().text().isEmpty() || !window->input().text().isEmpty() ||
        !window->ticker("tmrSpeed").isActive())
        qFatal("a %s text left the window unready", qPrintable(sizeName(size)));
    return window;
}

std::unique_ptr<BenchWindow> timedLoad(Boxes boxes, qsizetype size, double *total)
{
    double ms = 0;
    auto window = load(boxes, size, &ms);
    g_results.samples[Results::loadCase(boxes, size)].add(ms);
    *total += ms;
    return window;
}

// Keys typed into a window whose input is first set to the given length, each timed with the
// paint it causes. Where the text is too short to type on from there, the input is pasted and
// every key is a mistake.
double typeKeys(BenchWindow &w, qsizetype size, qsizetype input, qsizetype keys)
{
    const std::string name = Results::keyCase(w.platform().boxes(), size, input);
    Samples &samples = g_results.samples[name];
    const QString source = w.source().text();
    const bool typable = input + keys < source.size() - 1; // the verdict comes at the end marker
    if (!typable) {
        g_results.notes[name] = QStringLiteral("the text is shorter than the input: the input is "
                                               "pasted, every key is a mistake (mark and beep)");
    }
    w.fillInput(input);
    BenchWindow::settle();
    double total = 0;
    for (qsizetype i = 0; i < keys; ++i) {
        // Between keys the key light goes out, as its timer does at a learner's pace.
        w.tickIfRunning("tmrResetKey");
        BenchWindow::settle();
        const QChar next = typable ? source.at(w.input().text().size()) : QChar(u'x');
        const int paintsBefore = w.inputPaints();
        const long preemptedBefore = preemptions();
        QElapsedTimer timer;
        timer.start();
        w.typeKey(next);
        BenchWindow::settle();
        const double ms = msSince(timer);
        if (w.inputPaints() == paintsBefore)
            g_results.notes[name] = QStringLiteral("some keys were not painted");
        samples.add(ms, preemptions() != preemptedBefore);
        total += ms;
    }
    return total;
}

double tick(BenchWindow &w, int ticks)
{
    if (qAbs(w.input().text().size() - kTickInput) > g_plan.keysPerRound)
        w.fillInput(kTickInput);
    BenchWindow::settle();
    BenchTicker &words = w.ticker("tmrCheckNumOfWords");
    BenchTicker &clock = w.ticker("tmrSpeed");
    if (!words.isActive() || !clock.isActive())
        qFatal("the word counter and the clock should both be running");
    Samples &samples = g_results.samples[Results::tickCase(w.platform().boxes())];
    double total = 0;
    for (int i = 0; i < ticks; ++i) {
        const long preemptedBefore = preemptions();
        QElapsedTimer timer;
        timer.start();
        words.fire();
        clock.fire();
        BenchWindow::settle();
        const double ms = msSince(timer);
        samples.add(ms, preemptions() != preemptedBefore);
        total += ms;
    }
    return total;
}

void setTime(benchmark::State &state, double ms)
{
    state.SetIterationTime(ms / 1000.0);
}

// ---------------------------------------------------------------- ours

// Round by round over the sizes, so that whatever else the machine does hits them alike.
void loadOurs(benchmark::State &state)
{
    std::vector<qsizetype> sizes = kSourceSizes;
    sizes.push_back(kOursOnlySize);
    for ([[maybe_unused]] auto _ : state) {
        double total = 0;
        for (int run = 0; run < g_plan.oursLoadRuns; ++run) {
            for (const qsizetype size : sizes)
                timedLoad(Boxes::Ours, size, &total);
        }
        setTime(state, total);
    }
}

void keysOurs(benchmark::State &state)
{
    std::vector<std::unique_ptr<BenchWindow>> windows;
    double unused = 0;
    for (const qsizetype size : kSourceSizes)
        windows.push_back(load(Boxes::Ours, size, &unused));
    for ([[maybe_unused]] auto _ : state) {
        double total = 0;
        for (int round = 0; round < g_plan.oursKeyRounds; ++round) {
            for (std::size_t i = 0; i < windows.size(); ++i) {
                windows[i]->activate();
                for (const qsizetype input : kInputLengths)
                    total += typeKeys(*windows[i], kSourceSizes[i], input, g_plan.keysPerRound);
            }
        }
        setTime(state, total);
    }
}

void ticksOurs(benchmark::State &state)
{
    double unused = 0;
    const auto window = load(Boxes::Ours, kTickSource, &unused);
    for ([[maybe_unused]] auto _ : state)
        setTime(state, tick(*window, g_plan.oursTicks));
}

// ---------------------------------------------------------------- stock

// Loads, then keys and ticks in the window last loaded: a big text takes the stock boxes
// seconds to load.
void stock(benchmark::State &state, qsizetype size)
{
    for ([[maybe_unused]] auto _ : state) {
        double total = 0;
        std::unique_ptr<BenchWindow> window;
        for (int run = 0; run < g_plan.stockLoadRuns(size); ++run) {
            window.reset();
            window = timedLoad(Boxes::StockTextEdit, size, &total);
        }
        for (const qsizetype input : kInputLengths)
            total += typeKeys(*window, size, input, g_plan.stockKeys(size, input));
        if (size == kTickSource)
            total += tick(*window, 200);
        setTime(state, total);
    }
}

void loadPlain(benchmark::State &state, qsizetype size)
{
    for ([[maybe_unused]] auto _ : state) {
        double total = 0;
        for (int run = 0; run < g_plan.stockLoadRuns(size); ++run)
            timedLoad(Boxes::StockPlainTextEdit, size, &total);
        setTime(state, total);
    }
}

// ---------------------------------------------------------------- timers

// A learner typing at 12 keys a second with every timer real: the clock is the running sum of
// its ticks and must keep up with the wall.
void clock(benchmark::State &state)
{
    for ([[maybe_unused]] auto _ : state) {
        BenchWindow w(Boxes::Ours, Clocks::Real);
        w.open(practiceFile(100 * KB));
        const QString source = w.source().text();
        const BenchTicker &clock = w.ticker("tmrSpeed");
        QElapsedTimer wall;
        wall.start();
        qint64 typed = 0;
        QTimer keys;
        keys.setTimerType(Qt::PreciseTimer);
        keys.setSingleShot(true);
        // Each key has its own place on the grid, so a late key does not slow the pace.
        const auto scheduleNext = [&] {
            const qint64 due = (typed + 1) * 1000 / 12;
            keys.start(int(qMax<qint64>(0, due - wall.elapsed())));
        };
        QObject::connect(&keys, &QTimer::timeout, [&] {
            w.typeKey(source.at(w.input().text().size()));
            ++typed;
            scheduleNext();
        });
        scheduleNext();
        QEventLoop loop;
        QTimer::singleShot(g_plan.clockSeconds * 1000 + 50, Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
        keys.stop();
        g_results.clock = Results::Clock{g_plan.clockSeconds,
                                         typed,
                                         clock.ticks(),
                                         double(clock.ticks()) * kTimeStep,
                                         double(clock.lastTickNs()) / 1e9,
                                         double(clock.worstLatenessNs()) / 1e6};
        setTime(state, msSince(wall));
    }
}

// Counts timer events by receiver, leaving out the bench's own.
class TimerCounter final : public QObject {
public:
    explicit TimerCounter(const QObject *ours)
        : m_ours(ours)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && watched != m_ours) {
            QString who = QString::fromLatin1(watched->metaObject()->className());
            if (!watched->objectName().isEmpty())
                who += u' ' + watched->objectName();
            ++counts[who];
        }
        return QObject::eventFilter(watched, event);
    }
    std::map<QString, int> counts;

private:
    const QObject *m_ours;
};

void idle(benchmark::State &state)
{
    for ([[maybe_unused]] auto _ : state) {
        BenchWindow w(Boxes::Ours, Clocks::Real);
        QEventLoop loop;
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        TimerCounter counter(&end);
        qApp->installEventFilter(&counter);
        end.start(g_plan.idleSeconds * 1000);
        loop.exec();
        qApp->removeEventFilter(&counter);
        Results::Idle result{g_plan.idleSeconds, counter.counts, 0, 0};
        for (const BenchTicker *ticker : w.platform().tickers()) {
            result.tickersRunning += ticker->isActive() ? 1 : 0;
            result.ticks += ticker->ticks();
        }
        g_results.idle = result;
        setTime(state, g_plan.idleSeconds * 1000.0);
    }
}

// ---------------------------------------------------------------- the two windows

// Paint events of one top-level window and its children.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(const QWidget &window)
        : m_window(window)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == &m_window)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;

private:
    const QWidget &m_window;
};

// The first switch to Malay makes its window; later ones only hide one and show the other.
// Each is timed until the shown window has painted.
void switches(benchmark::State &state)
{
    const auto timedSwitch = [](BenchWindow &w, const char *to, const char *name) {
        MainWindow &from = w.windows().active();
        QElapsedTimer timer;
        timer.start();
        from.findChild<QAction *>(QLatin1String(to))->trigger();
        w.windows().active().repaint();
        BenchWindow::settle();
        const double ms = msSince(timer);
        g_results.samples[name].add(ms);
        return ms;
    };
    for ([[maybe_unused]] auto _ : state) {
        double total = 0;
        for (int run = 0; run < 7; ++run) {
            BenchWindow w(Boxes::Ours, Clocks::Manual);
            w.open(practiceFile(KB));
            w.typeKey(w.source().text().at(0));
            total += timedSwitch(w, "mnuSetLangBM", "switch/first");
            for (int i = 0; i < 10; ++i) {
                total += timedSwitch(w, "mnuSetLangEng", "switch/later");
                total += timedSwitch(w, "mnuSetLangBM", "switch/later");
            }
            // The English window, hidden now, goes on counting but paints nothing.
            PaintCounter counter(w.window());
            qApp->installEventFilter(&counter);
            auto *duration = w.window().findChild<QLabel *>(QStringLiteral("lblDuration"));
            const QString durationBefore = duration->text();
            for (int tick = 0; tick < 50; ++tick) {
                w.tickIfRunning("tmrCheckNumOfWords");
                w.tickIfRunning("tmrSpeed");
                BenchWindow::settle();
            }
            qApp->removeEventFilter(&counter);
            if (duration->text() == durationBefore)
                qFatal("the hidden window's clock did not count its ticks");
            g_results.hiddenPaints = g_results.hiddenPaints.value_or(0) + counter.paints;
        }
        setTime(state, total);
    }
}

// Each tutorial from its menu command until it has painted (the bench's modal shows, paints
// and closes it).
void tutorials(benchmark::State &state)
{
    for ([[maybe_unused]] auto _ : state) {
        BenchWindow w(Boxes::Ours, Clocks::Manual);
        double total = 0;
        const std::pair<const char *, void (MainWindow::*)()> opens[] = {
            {"tutorial/introduction", &MainWindow::mnuLesTutIntro_Click},
            {"tutorial/hands", &MainWindow::mnuLesTutLR_Click},
            {"tutorial/shift", &MainWindow::mnuLesTutShift_Click}};
        for (int run = 0; run < 10; ++run) {
            for (const auto &[name, open] : opens) {
                QElapsedTimer timer;
                timer.start();
                (w.window().*open)();
                const double ms = msSince(timer);
                g_results.samples[name].add(ms);
                total += ms;
                BenchWindow::settle();
            }
        }
        setTime(state, total);
    }
}

// Right keys and mistakes in turn, each until painted; a mistake rings the real bell.
void beeps(benchmark::State &state)
{
    QtPlatform desktop;
    for ([[maybe_unused]] auto _ : state) {
        BenchWindow w(Boxes::Ours, Clocks::Manual);
        w.platform().onBeep = [&desktop] { desktop.beep(); };
        w.open(practiceFile(KB));
        const QString source = w.source().text();
        double total = 0;
        for (int i = 0; i < 200; ++i) {
            for (const bool mistake : {false, true}) {
                const QChar next = source.at(w.input().text().size());
                const int beepsBefore = w.platform().beeps;
                QElapsedTimer timer;
                timer.start();
                w.typeKey(mistake ? QChar(next == u'x' ? u'y' : u'x') : next);
                BenchWindow::settle();
                const double ms = msSince(timer);
                if ((w.platform().beeps != beepsBefore) != mistake)
                    qFatal("a mistake must beep and a right key must not");
                g_results.samples[mistake ? "beep/mistake" : "beep/right"].add(ms);
                total += ms;
            }
        }
        setTime(state, total);
    }
}

// ---------------------------------------------------------------- the run

void registerAll()
{
    const auto add = [](const QString &name, auto &&fn) {
        benchmark::RegisterBenchmark(name.toStdString().c_str(), fn)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    add(QStringLiteral("Load/ours"), loadOurs);
    add(QStringLiteral("Keys/ours"), keysOurs);
    add(QStringLiteral("Ticks/ours"), ticksOurs);
    for (const qsizetype size : kSourceSizes) {
        add(QStringLiteral("Stock/QTextEdit/%1").arg(sizeName(size)),
            [size](benchmark::State &state) { stock(state, size); });
    }
    for (const qsizetype size : kSourceSizes) {
        if (g_plan.plainAt(size)) {
            add(QStringLiteral("Load/QPlainTextEdit/%1").arg(sizeName(size)),
                [size](benchmark::State &state) { loadPlain(state, size); });
        }
    }
    add(QStringLiteral("Switches"), switches);
    add(QStringLiteral("Tutorials"), tutorials);
    add(QStringLiteral("Beeps"), beeps);
    add(QStringLiteral("Idle"), idle);
    add(QStringLiteral("Clock"), clock);
}

// Progress on stderr; the tables go to stdout once everything has run.
class ProgressReporter final : public benchmark::BenchmarkReporter {
public:
    ProgressReporter() { m_wall.start(); }
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            std::fprintf(stderr, "%-28s %s after %.0f s\n", run.run_name.function_name.c_str(),
                         run.error_occurred ? run.error_message.c_str() : "done",
                         double(m_wall.elapsed()) / 1000.0);
        }
    }

private:
    QElapsedTimer m_wall;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--full")
            g_plan.full = true;
        else if (arg.startsWith("--clock-seconds="))
            g_plan.clockSeconds = qMax(1, arg.mid(16).toInt());
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    QApplication app(count, args.data());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    QTemporaryDir files;
    if (!files.isValid())
        qFatal("no temporary folder");
    g_files = &files;
    {
        // The first window pays for fonts, pictures and caches; no case should.
        BenchWindow warmUp(Boxes::Ours, Clocks::Manual);
        warmUp.open(practiceFile(KB));
        for (const char c : QByteArrayLiteral("The quick"))
            warmUp.typeKey(QLatin1Char(c));
        BenchWindow::settle();
    }

    registerAll();
    ProgressReporter progress;
    QElapsedTimer wall;
    wall.start();
    benchmark::RunSpecifiedBenchmarks(&progress);
    g_results.wallMs = wall.elapsed();
    printReport(g_results);
    benchmark::Shutdown();
    return 0;
}
