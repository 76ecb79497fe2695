// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "engine/statistics.h"
#include "lessons/builtintests.h"

#include <QRegularExpression>

using namespace keyvora;
using keyvora::test::columns;
using keyvora::test::row;

// The durations after so many ticks are checked where the learner sees them, in tst_practice.
class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void words_data()
    {
        columns<QString, qint64>({"input", "words"});
        row("no space is one word", "abc", qint64(1));
        row("a run of spaces counts once, a trailing run too", "abc  abc ", qint64(3));
        row("a leading run counts", " abc", qint64(2));
        row("only spaces", "   ", qint64(2));
        row("tabs and marks are not separators", "a\tb*c", qint64(1));
    }
    void words()
    {
        QFETCH(QString, input);
        QTEST(countWords(input), "words");
    }

    void accuracy_data()
    {
        columns<qint64, qint64, qint64>({"mistakes", "length", "percent"});
        row("90.5 rounds to the even 90", qint64(19), qint64(200), qint64(90));
        row("91.5 rounds to the even 92", qint64(17), qint64(200), qint64(92));
        row("18 in 200 is 91", qint64(18), qint64(200), qint64(91));
        row("all marks", qint64(7), qint64(7), qint64(0));
        row("long inputs keep their precision", qint64(1), qint64(1'000'000), qint64(100));
    }
    void accuracy()
    {
        QFETCH(qint64, mistakes);
        QFETCH(qint64, length);
        QTEST(accuracyPercent(mistakes, length), "percent");
    }

    void speed_data()
    {
        columns<qint64, double, qint64>({"words", "elapsed", "wpm"});
        row("42.5 rounds up to 43", qint64(17), 24.0, qint64(43));
        row("547 words do not wrap", qint64(547), 60.0, qint64(547));
    }
    void speed()
    {
        QFETCH(qint64, words);
        QFETCH(double, elapsed);
        QTEST(speedWpm(words, elapsed), "wpm");
    }

    // The built-in texts must survive loading unchanged, or the learner types something else.
    void builtInTextsAreOneLine()
    {
        for (const QString &text : {generalKeyText(), shortWordsText(), articleText()})
            QVERIFY(!text.contains(QRegularExpression("[\t\r\n]| $")));
        QCOMPARE(articleText().count(QChar(0x2019)), 1);
    }
};

QTEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
