// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An hour of typing at 12 keys a second through the real main window, in simulated time:
// keys and timer ticks are interleaved by their due times, nothing sleeps. The built-in tests
// are typed one after another with a few mistakes, most of them corrected. At the end the
// figures of the last tick are checked against a count kept here, and the resident memory
// sampled every five simulated minutes must not have grown after warming up.
//
//   soak [minutes]                      (60 by default; exit status 1 when a check fails)
//   heaptrack soak && heaptrack_print -f heaptrack.soak.*.zst | tail

#include "windowfixture.h"

#include <QApplication>

#include <cstdio>
#include <random>
#include <unistd.h>

using namespace keyvora;
using namespace keyvora::test;

namespace {

#ifdef __SANITIZE_ADDRESS__
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

constexpr int kKeysPerSecond = 12;
constexpr int kTicksPerSecond = 10;

long residentKiB()
{
    FILE *statm = std::fopen("/proc/self/statm", "r");
    long pages = 0;
    long resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

qint64 wordsIn(const QString &input)
{
    qint64 words = 1;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == u' ' && (i == 0 || input[i - 1] != u' '))
            ++words;
    }
    return words;
}

// The learner's side of the bargain: what has been typed, kept apart from the window.
struct Count {
    QString typed;    // what the input box must hold: right characters and marks
    qint64 ticks = 0; // clock ticks since the text was loaded
    qint64 finished = 0;
    qint64 keys = 0;
};

class Soak {
public:
    explicit Soak(qint64 seconds)
        : m_seconds(seconds)
    {
    }

    bool run()
    {
        nextText();
        const qint64 keys = m_seconds * kKeysPerSecond;
        const qint64 periods = m_seconds * kTicksPerSecond;
        qint64 key = 0;
        for (qint64 period = 1; period <= periods; ++period) {
            // Keys due before this tick (key k at k/12 s, tick p at p/10 s).
            while (key < keys && key * kTicksPerSecond < period * kKeysPerSecond) {
                press();
                ++key;
            }
            tick();
            // What the event loop would do between ticks; left queued, posted events pile up.
            QCoreApplication::sendPostedEvents();
            if (period % (300 * kTicksPerSecond) == 0)
                m_rss.push_back(residentKiB());
        }
        return report();
    }

private:
    void nextText()
    {
        switch (m_nextTest++ % 3) {
        case 0:
            f.window.mnuLesTestGen_Click();
            break;
        case 1:
            f.window.mnuLesTestShort_Click();
            break;
        default:
            f.window.mnuLesTestArt_Click();
            break;
        }
        m_count.typed.clear();
        m_count.ticks = 0;
    }

    void press()
    {
        ++m_count.keys;
        const QString source = f.rtbSource->text();
        if (source.isEmpty()) {
            // The verdict was given on the last key; a learner picks the next test.
            nextText();
            return;
        }
        if (m_count.typed.endsWith(u'*') && m_rng() % 10 < 7) {
            f.type(QStringLiteral("\b"));
            m_count.typed.chop(1);
            return;
        }
        const QChar expected = source[m_count.typed.size()];
        const bool mistake = m_rng() % 100 < 3;
        const QChar key = mistake ? (expected == u'q' ? QChar(u'z') : QChar(u'q')) : expected;
        f.type(QString(key));
        // The fake desktop keeps every message; count them and let them go, so that its log
        // does not pass for growth of the window.
        m_verdicts += qint64(f.platform.messages.size());
        f.platform.messages.clear();
        m_count.typed += mistake ? QChar(u'*') : key;
        if (m_count.typed.size() + 1 == source.size()) {
            ++m_count.finished;
            m_count.typed.clear();
        }
    }

    void tick()
    {
        m_count.ticks += f.running("tmrSpeed") ? 1 : 0;
        f.tick();
    }

    bool check(const char *what, const QString &shown, const QString &counted)
    {
        const bool same = shown == counted;
        std::printf("  %-13s shown %-22s counted %-22s %s\n", what, qPrintable(shown),
                    qPrintable(counted), same ? "ok" : "MISMATCH");
        return same;
    }

    bool report()
    {
        const QString typed = m_count.typed;
        const qint64 words = wordsIn(typed);
        const qint64 marks = typed.count(u'*');
        const qint64 length = typed.size();
        // Whole per cent, halves to even, in integers.
        const qint64 scaled = 100 * (length - marks);
        qint64 accuracy = scaled / length;
        const qint64 twiceRest = 2 * (scaled % length);
        if (twiceRest > length || (twiceRest == length && accuracy % 2 == 1))
            ++accuracy;
        // Tenths of a second as integers for the speed; the duration is the window's running
        // sum of 0.1 s steps, which may fall short of a whole second by a hair.
        const qint64 tenths = m_count.ticks;
        const qint64 speed = (words * 600 * 2 + tenths) / (2 * tenths);
        double summed = 0.0;
        for (qint64 i = 0; i < tenths; ++i)
            summed += 0.1;
        const auto durationSeconds = qint64(summed);

        std::printf("simulated %lld s: %lld keys, %lld texts finished, %lld verdicts\n",
                    static_cast<long long>(m_seconds), static_cast<long long>(m_count.keys),
                    static_cast<long long>(m_count.finished), static_cast<long long>(m_verdicts));
        std::printf("last tick, %lld ticks into the text \"%s...\":\n",
                    static_cast<long long>(m_count.ticks),
                    qPrintable(f.rtbSource->text().left(20)));
        bool ok = check("input (end)", f.rtbInput->text().right(20), typed.right(20));
        ok &= f.rtbInput->text() == typed;
        ok &= check("lblNumOfWords", f.label("lblNumOfWords"),
                    QStringLiteral("Word count: %1").arg(words));
        ok &= check("lblAccuracy", f.label("lblAccuracy"),
                    QStringLiteral("Accuracy: %1 %").arg(accuracy));
        ok &= check("lblSpeed", f.label("lblSpeed"), QStringLiteral("Speed: %1 WPM").arg(speed));
        ok &= check("lblDuration", f.label("lblDuration"),
                    QStringLiteral("Duration: %1 m: %2 s")
                        .arg(durationSeconds / 60)
                        .arg(durationSeconds % 60));
        const bool verdicts = m_verdicts == m_count.finished;
        std::printf("  verdicts %s\n", verdicts ? "ok" : "MISMATCH");
        ok &= verdicts;

        std::printf("resident memory every 5 simulated minutes (KiB):");
        for (long kib : m_rss)
            std::printf(" %ld", kib);
        std::printf("\n");
        // After the first sample everything the window keeps is in place; later growth is a leak.
        // AddressSanitizer holds freed blocks back for a while, so there LeakSanitizer judges.
        if (m_rss.size() >= 2 && !kAddressSanitizer) {
            const long growth = m_rss.back() - m_rss[1];
            const bool flat = growth < 2048;
            std::printf("  growth after warm-up %ld KiB: %s\n", growth, flat ? "flat" : "GROWING");
            ok &= flat;
        }
        return ok;
    }

    WindowFixture f;
    const qint64 m_seconds;
    std::mt19937_64 m_rng{20240601};
    Count m_count;
    int m_nextTest = 0;
    qint64 m_verdicts = 0;
    std::vector<long> m_rss;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 minutes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 60;
    Soak soak(minutes * 60);
    return soak.run() ? 0 : 1;
}
