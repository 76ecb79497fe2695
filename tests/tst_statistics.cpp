#include "engine/statistics.h"
#include "lessons/builtintests.h"

#include <QTest>

using namespace keyvora;

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void accuracy_data();
    void accuracy();
    void speed_data();
    void speed();
    void durationAfterTicks_data();
    void durationAfterTicks();
    void builtInTexts();
};

void StatisticsTest::words_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<qint64>("words");

    QTest::newRow("nothing typed is one word") << "" << qint64(1);
    QTest::newRow("no space is one word") << "abc" << qint64(1);
    QTest::newRow("a run of spaces counts once, a trailing run too") << "abc  abc " << qint64(3);
    QTest::newRow("a leading run counts") << " abc" << qint64(2);
    QTest::newRow("only spaces") << "   " << qint64(2);
    QTest::newRow("tabs and marks are not separators") << "a\tb*c" << qint64(1);
}

void StatisticsTest::words()
{
    QFETCH(QString, input);
    QTEST(countWords(input), "words");
}

void StatisticsTest::accuracy_data()
{
    QTest::addColumn<qint64>("mistakes");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("percent");

    QTest::newRow("90.5 rounds to the even 90") << qint64(19) << qint64(200) << qint64(90);
    QTest::newRow("91.5 rounds to the even 92") << qint64(17) << qint64(200) << qint64(92);
    QTest::newRow("18 in 200 is 91") << qint64(18) << qint64(200) << qint64(91);
    QTest::newRow("one mark in 100") << qint64(1) << qint64(100) << qint64(99);
    QTest::newRow("all marks") << qint64(7) << qint64(7) << qint64(0);
    QTest::newRow("long inputs keep their precision")
        << qint64(1) << qint64(1'000'000) << qint64(100);
}

void StatisticsTest::accuracy()
{
    QFETCH(qint64, mistakes);
    QFETCH(qint64, length);
    QTEST(accuracyPercent(mistakes, length), "percent");
}

void StatisticsTest::speed_data()
{
    QTest::addColumn<qint64>("words");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<qint64>("wpm");

    QTest::newRow("42.5 rounds up to 43") << qint64(17) << 24.0 << qint64(43);
    QTest::newRow("10 words in 10 s") << qint64(10) << 10.0 << qint64(60);
    QTest::newRow("547 words do not wrap") << qint64(547) << 60.0 << qint64(547);
    QTest::newRow("a book's worth of words") << qint64(200'000) << 6000.0 << qint64(2000);
}

void StatisticsTest::speed()
{
    QFETCH(qint64, words);
    QFETCH(double, elapsed);
    QTEST(speedWpm(words, elapsed), "wpm");
}

void StatisticsTest::durationAfterTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<qint64>("seconds");

    QTest::newRow("100 ticks fall just short of 10 s") << 100 << qint64(0) << qint64(9);
    QTest::newRow("650 ticks") << 650 << qint64(1) << qint64(5);
    QTest::newRow("1000 ticks") << 1000 << qint64(1) << qint64(39);
}

void StatisticsTest::durationAfterTicks()
{
    QFETCH(int, ticks);
    double elapsed = 0.0;
    for (int i = 0; i < ticks; ++i)
        elapsed += kTimeStep;
    const Duration duration = durationOf(elapsed);
    QTEST(duration.minutes, "minutes");
    QTEST(duration.seconds, "seconds");
}

// The texts are the learner's material: their shape matters more than their letters.
void StatisticsTest::builtInTexts()
{
    QCOMPARE(generalKeyText().size(), 91);
    QVERIFY(generalKeyText().endsWith(u'"'));
    QCOMPARE(shortWordsText().size(), 79);
    QCOMPARE(countWords(shortWordsText()), qint64(21));

    const QString article = articleText();
    QVERIFY(article.startsWith(QLatin1String("In formal literature the achievements")));
    QVERIFY(article.size() > 550 && article.size() < 650);
    QCOMPARE(article.count(u','), 7);
    QCOMPARE(article.count(u'('), 5);
    QCOMPARE(article.count(u')'), 5);
    QCOMPARE(article.count(u'.'), 4);
    QCOMPARE(article.count(QChar(0x2019)), 1);
    for (QChar c : article)
        QVERIFY(!c.isDigit() && (c.unicode() < 128 || c.unicode() == 0x2019));
    for (const QString &text : {generalKeyText(), shortWordsText(), article})
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r') && !text.endsWith(u' '));
}

QTEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
