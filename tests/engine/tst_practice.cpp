// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include <QAccessible>

using namespace keyvora;
using namespace keyvora::test;

namespace {

struct PaintCounter : QObject {
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void judging_data()
    {
        columns<QString, QString, QString, int, int>(
            {"source", "keys", "input", "beeps", "verdicts"});
        row("right characters stay", "abc", "ab", "ab", 0, 0);
        row("case counts", "Abc", "a", "*", 1, 0);
        row("wrong character where the text has a mark", "*b", "x", "*", 1, 0);
        row("a mark typed where the text has one is right", "*b", "*", "*", 0, 0);
        row("no text loaded makes every key a mistake", "", "ab", "**", 2, 0);
        row("wrong last character: one beep, one verdict", "ab", "ax", "", 1, 1);
        row("reaching the end with mistakes still ends", "abc", "xyz", "", 3, 1);
        row("Enter inserts nothing", "ab", "a\r", "a", 0, 0);
        // "azbc": the new length is 4, the typed "z" is not "d", so the last character is marked.
        row("editing in the middle marks the last character", "abcdef", u"abc←←z"_qs, "azb*", 1, 0);
        row("the article's quotation mark can be typed", u"P’i"_qs, u"P’"_qs, u"P’"_qs, 0, 0);
    }
    void judging()
    {
        QFETCH(QString, source);
        QFETCH(QString, keys);
        WindowFixture f;
        f.windows.LoadPracticeText(source);
        f.type(keys);
        QTEST(f.rtbInput->text(), "input");
        QTEST(f.platform.beeps, "beeps");
        QTEST(int(f.platform.messages.size()), "verdicts");
    }

    void backspace_data()
    {
        columns<bool, QString, QString, QString>({"off", "input", "nextLetter", "accuracy"});
        row("on: the mark is removed, the letter to retype shows", false, "a", "b",
            "Accuracy: 100 %");
        row("off: the key is swallowed", true, "a*", "c", "Accuracy: 50 %");
    }
    void backspace()
    {
        QFETCH(bool, off);
        WindowFixture f;
        if (off)
            f.action("mnuSetBsOff")->trigger();
        f.windows.LoadPracticeText(QStringLiteral("abcd"));
        f.type(QStringLiteral("ax"));
        f.tick();
        QCOMPARE(f.label("lblAccuracy"), QStringLiteral("Accuracy: 50 %"));
        f.type(QStringLiteral("\b"));
        f.tick();
        QTEST(f.rtbInput->text(), "input");
        QTEST(f.label("lblNextLtr"), "nextLetter");
        QTEST(f.label("lblAccuracy"), "accuracy");
        QCOMPARE(f.platform.beeps, 1);
    }

    void normalisation_data()
    {
        columns<QString, QString>({"loaded", "held"});
        // A lone tab, NUL and texts of only breaks are in tst_fileopen's file rows.
        row("two tabs become two spaces", "a\t\tb", "a  b\r");
        row("trailing tabs are trimmed as spaces", "ab \t ", "ab\r");
        row("only spaces are trimmed from the end", "ab\r ", "ab\r\r");
        row("leading spaces stay", "  ab", "  ab\r");
        row("a lone line feed becomes a space", "a\nb", "a b\r");
        row("two line feeds become two spaces", "a\n\nb", "a  b\r");
        row("CR LF LF: the pair and the lone line feed are a space each", "a\r\n\nb", "a  b\r");
        row("a line feed at the end is trimmed as a space", "ab\n", "ab\r");
        row("LF CR: the line feed is a space, the carriage return stays", "a\n\rb", "a \rb\r");
        row("a lone carriage return stays", "a\rb", "a\rb\r");
    }
    void normalisation()
    {
        QFETCH(QString, loaded);
        WindowFixture f;
        f.windows.LoadPracticeText(loaded);
        QTEST(f.rtbSource->text(), "held");
    }

    void loadingMidAttemptStartsOver()
    {
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("ab cd ef"));
        f.type(QStringLiteral("ab c"));
        f.tick(20);
        f.window.mnuLesTestShort_Click();
        QCOMPARE(f.rtbInput->text(), QString());
        QCOMPARE(f.label("lblNextLtr"), QStringLiteral("a"));
        f.tick(10);
        // The clock starts over; the words and accuracy stay until the first keystroke, so the
        // speed is figured from them (10 ticks sum to just under 1 s).
        QCOMPARE(f.figures(), "Speed: 120 WPM|Accuracy: 100 %|Word count: 2|Duration: 0 m: 0 s");
        QVERIFY(f.platform.messages.empty());
    }

    // The clock changes two figures ten times a second; repainting the box around them each
    // time would cost more than the figures themselves.
    void figuresRepaintOnlyThemselves()
    {
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("ab cd"));
        f.type(QStringLiteral("ab "));
        QWidget *box = f.window.findChild<QWidget *>(QStringLiteral("fraTypingStats"));
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        PaintCounter boxPaints(*box);
        PaintCounter labelPaints(*f.window.findChild<QWidget *>(QStringLiteral("lblSpeed")));
        for (int tick = 0; tick < 20; ++tick) {
            f.tick();
            QCoreApplication::processEvents();
        }
        QVERIFY(labelPaints.paints > 0);
        QCOMPARE(boxPaints.paints, 0);
    }

    void resetKeepsWordCountAndDuration()
    {
        WindowFixture f;
        f.window.mnuLesTestGen_Click();
        f.type(QStringLiteral("A q"));
        f.tick(12);
        QTest::keyClick(f.rtbInput, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(f.rtbSource->text() + f.rtbInput->text() + f.label("lblNextLtr"), QString());
        QVERIFY(!f.running("tmrSpeed") && !f.running("tmrCheckNumOfWords"));
        QCOMPARE(f.figures(), "Speed: |Accuracy: |Word count: 2|Duration: 0 m: 1 s");
    }

    void figuresAfterTicks_data()
    {
        columns<QString, int, QString, QString>({"typed", "ticks", "speed", "duration"});
        row("100 ticks with 10 words: 60 WPM, and the sum drifts below 10 s", "a b c d e f g h i j",
            100, "Speed: 60 WPM", "Duration: 0 m: 9 s");
        row("650 ticks", "a b", 650, "Speed: 2 WPM", "Duration: 1 m: 5 s");
        row("1000 ticks", "a", 1000, "Speed: 1 WPM", "Duration: 1 m: 39 s");
        row("24 words after 500 ticks: 28.8 shows as 29", QString("a ").repeated(23) + "a", 500,
            "Speed: 29 WPM", "Duration: 0 m: 50 s");
        row("25 words after 400 ticks: the sum passes 40 s, so 37.5 is never reached",
            QString("a ").repeated(24) + "a", 400, "Speed: 37 WPM", "Duration: 0 m: 40 s");
        // 701 words in a minute: a 16-bit product would have wrapped to a negative speed.
        row("700 spaces: the speed does not wrap", QString("a ").repeated(700), 600,
            "Speed: 701 WPM", "Duration: 1 m: 0 s");
    }
    void figuresAfterTicks()
    {
        QFETCH(QString, typed);
        QFETCH(int, ticks);
        WindowFixture f;
        f.windows.LoadPracticeText(typed + QStringLiteral(" and more"));
        f.type(typed);
        f.tick(ticks);
        QTEST(f.label("lblSpeed"), "speed");
        QTEST(f.label("lblDuration"), "duration");
    }

    void verdict_data()
    {
        columns<int, QString, QString, Platform::Buttons, QString>(
            {"marks", "title", "text", "buttons", "spoken"});
        row("19 marks in 200 characters fails", 19, "Keyvora",
            "Please try to improve on your accuracy!", Platform::Buttons::Ok,
            "End of the text: 7 words per minute, accuracy 90 %.");
        row("18 marks in 200 characters passes", 18, "PASSED!",
            "You've finished your test! Your typing speed is [7 words per minute] and your "
            "accuracy is [91 %].",
            Platform::Buttons::OkCancel, "End of the text.");
    }
    void verdict()
    {
        QFETCH(int, marks);
        WindowFixture f;
        f.platform.screenReader = true;
        f.action("mnuSetBsOff")->trigger();
        // 200 characters of five words, then one more to finish after the last tick.
        const QString words = QString(39, u'a').append(u' ').repeated(5);
        f.windows.LoadPracticeText(words + QStringLiteral("b"));
        f.type(QString(marks, u'x') + words.mid(marks));
        f.tick(500);
        f.type(QStringLiteral("b"));
        QCOMPARE(f.platform.beeps, marks);
        QCOMPARE(int(f.platform.messages.size()), 1);
        QTEST(f.platform.messages.front().title, "title");
        QTEST(f.platform.messages.front().text, "text");
        QTEST(f.platform.messages.front().buttons, "buttons");
        // A failing verdict's box has no figures, so they are said with the end of the text.
        QTEST(f.platform.spoken.value(f.platform.spoken.size() - 1), "spoken");
        QCOMPARE(f.rtbSource->text(), QString());
        QCOMPARE(f.label("lblSpeed"), QStringLiteral("Speed: "));
        QCOMPARE(f.label("lblNumOfWords"), QStringLiteral("Word count: 6"));
    }

    // With a screen reader, each key is followed by the next character to type, named as the
    // reader names it, and a wrong one first by word that it was wrong; words left unsaid from
    // the key before are dropped at each key.
    void screenReaderHearsEachKey_data()
    {
        columns<QString, QString, QStringList>({"source", "keys", "spoken"});
        row("a right key: the next character", "ad we", "a", QStringList{"d"});
        row("a wrong key: wrong, then a blank by name", "ad we", "ax",
            QStringList{"d", "Wrong", "space"});
        row("Backspace: the character to type again", "ad we", "ax\b",
            QStringList{"d", "Wrong", "space", "d"});
        row("back to the start: the first character", "ad", "a\b", QStringList{"d", "a"});
        row("ampersand as the reader names it", "a&b", "a", QStringList{"and"});
        row("punctuation by name", "a,b", "a", QStringList{"comma"});
        row("a capital as such", "aBc", "a", QStringList{"capital B"});
        row("the article's quotation mark", u"a’b"_qs, "a", QStringList{"right single quote"});
        row("a character without a name as itself", u"aéb"_qs, "a", QStringList{u"é"_qs});
        // No tick has counted a word, so the verdict fails, and its figures are said.
        row("the last key before a tick: the end with zero figures", "ab", "ab",
            QStringList{"b", "End of the text: 0 words per minute, accuracy 0 %."});
        row("no text: every key says so", "", "a",
            QStringList{"No practice text. Choose one from the Lessons menu or open a file."});
    }
    void screenReaderHearsEachKey()
    {
        QFETCH(QString, source);
        QFETCH(QString, keys);
        WindowFixture f;
        f.windows.LoadPracticeText(source);
        f.platform.screenReader = true;
        f.type(keys);
        QTEST(f.platform.spoken, "spoken");
        QCOMPARE(f.platform.hushes, keys.size());
        QVERIFY(f.platform.languages.count(QStringLiteral("en")) == f.platform.languages.size());
    }

    // A text is announced as it arrives, by its length and its first words; the input box
    // says where the learner stands when it gains the focus; its label carries the figures,
    // which the reader's "where am I" reads out.
    void screenReaderHearsTheText_data()
    {
        columns<QString, bool, QString>({"loaded", "malay", "announced"});
        row("a short text whole", "ad we", false, "Practice text loaded, 5 characters: ad we");
        row("a long one by its first words, cut where a word ends",
            "ad we re ox ax ka ch qi zo bat rag fed phi hum", false,
            "Practice text loaded, 46 characters: ad we re ox ax ka ch qi zo bat rag fed");
        row("a first word longer than the opening, cut", QString(45, u'a'), false,
            "Practice text loaded, 45 characters: " + QString(40, u'a'));
        row("a line break as a blank", "ab\rcd", false,
            "Practice text loaded, 5 characters: ab cd");
        row("in Malay", "ad we", true, "Teks latihan dimuatkan, 5 aksara: ad we");
    }
    void screenReaderHearsTheText()
    {
        QFETCH(QString, loaded);
        QFETCH(bool, malay);
        WindowFixture f;
        f.platform.screenReader = true;
        if (malay)
            f.malay();
        f.platform.spoken.clear();
        f.platform.languages.clear();
        f.windows.LoadPracticeText(loaded);
        QTEST(f.platform.spoken.join(u'|'), "announced");
        QCOMPARE(f.platform.languages, QStringList{malay ? "ms" : "en"});
    }

    void screenReaderHearsWhereTheLearnerIs()
    {
        WindowFixture f;
        f.platform.screenReader = true;
        const auto refocus = [&f] {
            f.platform.spoken.clear();
            f.rtbSource->setFocus();
            f.rtbInput->setFocus();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            return f.platform.spoken;
        };
        QCOMPARE(refocus(), QStringList{"No practice text. Choose one from the Lessons menu or "
                                        "open a file."});
        f.windows.LoadPracticeText(QStringLiteral("a b"));
        f.type(QStringLiteral("a"));
        QCOMPARE(refocus(), QStringList{"Next: space"});

        // The figures as the duration last turned, once a second: at 9 s one word is 7 WPM,
        // though the label shows 6 by the 100th tick; back to the bare caption once the text
        // is gone.
        QObject *label = f.window.findChild<QLabel *>(QStringLiteral("lblInput"));
        const auto labelName = [label] {
            return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        };
        f.tick(100);
        QCOMPARE(labelName(), "Start typing here. Speed: 7 WPM, Accuracy: 100 %, Word count: 1, "
                              "Duration: 0 m: 9 s");
        QCOMPARE(f.label("lblSpeed"), "Speed: 6 WPM");
        f.type(QStringLiteral(" b"));
        QCOMPARE(labelName(), "Start typing here");
        QCOMPARE(refocus(), QStringList{"No practice text. Choose one from the Lessons menu or "
                                        "open a file."});
    }

    void longTextTypedToTheEnd()
    {
        WindowFixture f;
        QString text;
        for (int i = 0; text.size() < 100'000; ++i)
            text += QChar(u'a' + i % 26) + QStringLiteral("bcd ");
        text.chop(1);
        f.windows.LoadPracticeText(text);
        f.type(text.chopped(1));
        QCOMPARE(f.rtbInput->text().size(), text.size() - 1);
        f.tick();
        QCOMPARE(f.label("lblNumOfWords"), QStringLiteral("Word count: 20000"));
        QCOMPARE(f.label("lblAccuracy"), QStringLiteral("Accuracy: 100 %"));
        f.type(text.right(1));
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(int(f.platform.messages.size()), 1);
        QCOMPARE(f.platform.messages.front().title, QStringLiteral("PASSED!"));
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
