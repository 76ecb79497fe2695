// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "engine/statistics.h"

using namespace keyvora;
using keyvora::test::columns;
using keyvora::test::row;

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void accuracy_data()
    {
        columns<qint64, qint64, qint64>({"mistakes", "length", "percent"});
        row("90.5 rounds to the even 90", qint64(19), qint64(200), qint64(90));
        row("91.5 rounds to the even 92", qint64(17), qint64(200), qint64(92));
        row("all marks is 0, not a negative zero or a wrap", qint64(7), qint64(7), qint64(0));
        row("99.9999 rounds up: no truncating division", qint64(1), qint64(1'000'000), qint64(100));
    }
    void accuracy()
    {
        QFETCH(qint64, mistakes);
        QFETCH(qint64, length);
        QTEST(accuracyPercent(mistakes, length), "percent");
    }

    // The clock is a sum of 0.1 s ticks, so it reaches whole seconds a little late or early.
    void speedAndDuration_data()
    {
        columns<qint64, double, qint64, QString>({"words", "elapsed", "wpm", "duration"});
        row("42.5 rounds up to 43", qint64(17), 24.0, qint64(43), "0:24");
        row("547 words wrap no 16-bit product", qint64(547), 60.0, qint64(547), "1:0");
        row("a second and a minute short floor both", qint64(1), 119.9999, qint64(1), "1:59");
    }
    void speedAndDuration()
    {
        QFETCH(qint64, words);
        QFETCH(double, elapsed);
        QTEST(speedWpm(words, elapsed), "wpm");
        const Duration shown = durationOf(elapsed);
        QTEST(QStringLiteral("%1:%2").arg(shown.minutes).arg(shown.seconds), "duration");
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "tst_statistics.moc"
