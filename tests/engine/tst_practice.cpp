// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "shell/texts.h"

#include <QAccessible>

using namespace keyvora;
using namespace keyvora::test;

namespace {

QString say(Text id)
{
    return text(Language::English, id);
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    // Each key is judged, and a screen reader then hears whether it was wrong and what comes
    // next; words left unsaid from the key before are hushed at each key.
    void judging_data()
    {
        columns<bool, QString, QString, QString, int, int, QStringList>(
            {"bsOff", "source", "keys", "input", "beeps", "verdicts", "spoken"});
        const QString wrong = say(Text::SayWrong);
        row("right characters stay, each followed by the next to type", false, "abc", "ab", "ab", 0,
            0, QStringList{"b", "c"});
        row("a wrong case is a mistake, said before the next character", false, "Abc", "a", "*", 1,
            0, QStringList{wrong, "b"});
        row("the key after a wrong one is not wrong too", false, "adwe", "axw", "a*w", 1, 0,
            QStringList{"d", wrong, "w", "e"});
        row("a mark typed where the text has one is right, a wrong key there is not", false, "*b*d",
            "*bx", "*b*", 1, 0,
            QStringList{"b", spokenCharacter(Language::English, u'*'), wrong, "d"});
        row("with no text every key is a mistake and says so", false, "", "ab", "**", 2, 0,
            QStringList{say(Text::SayNoText), say(Text::SayNoText)});
        // No tick has counted a word, so the verdict fails and its figures are said.
        row("a wrong last key still ends the text, once, with the end said", false, "ab", "ax", "",
            1, 1, QStringList{"b", say(Text::SayEndFigures).arg(0).arg(0)});
        row("Enter inserts nothing and says nothing", false, "ab", "a\r", "a", 0, 0,
            QStringList{"b"});
        // "azbc" is 4 long and the text's 4th is "d", not the typed "z": the end is marked.
        row("an edit in the middle marks the last character", false, "abcdef", u"abc←←z"_qs, "azb*",
            1, 0, QStringList{"b", "c", "d", wrong, "e"});
        row("Backspace takes the mark away, is no mistake, and says the letter again", false,
            "abcd", "ax\b", "a", 1, 0, QStringList{"b", wrong, "c", "b"});
        row("with Backspacing off the key is swallowed", true, "abcd", "ax\b", "a*", 1, 0,
            QStringList{"b", wrong, "c"});
        row("back to the start: the first character", false, "ad", "a\b", "", 0, 0,
            QStringList{"d", "a"});
    }
    void judging()
    {
        QFETCH(bool, bsOff);
        QFETCH(QString, source);
        QFETCH(QString, keys);
        WindowFixture f;
        if (bsOff)
            f.action("mnuSetBsOff")->trigger();
        f.windows.LoadPracticeText(source);
        f.platform.screenReader = true;
        f.type(keys);
        QTEST(f.rtbInput->text(), "input");
        QTEST(f.platform.beeps, "beeps");
        QTEST(int(f.platform.messages.size()), "verdicts");
        QTEST(f.platform.spoken, "spoken");
        // Every key that reaches the box as a character; not the arrows, nor a swallowed one.
        QCOMPARE(f.platform.hushes, keys.size() - keys.count(u'←') - (bsOff ? 1 : 0));
    }

    // Literal words: the table of texts is what a fault in the other language's column breaks.
    void spokenInTheWindowsLanguage_data()
    {
        columns<bool, QStringList, QString>({"malay", "spoken", "language"});
        row("the English window says English words", false, QStringList{"Wrong", "comma"}, "en");
        row("the Malay window says Malay words", true, QStringList{"Salah", "koma"}, "ms");
    }
    void spokenInTheWindowsLanguage()
    {
        QFETCH(bool, malay);
        WindowFixture f;
        WindowView view = malay ? f.malay() : static_cast<WindowView &>(f);
        f.platform.screenReader = true;
        f.windows.LoadPracticeText(QStringLiteral("a,"));
        f.platform.spoken.clear();
        f.platform.languages.clear();
        view.type(QStringLiteral("x"));
        QTEST(f.platform.spoken, "spoken");
        // Tagged with its language, so that the reader's voice pronounces it as that language.
        QFETCH(QString, language);
        QCOMPARE(f.platform.languages, QStringList(2, language));
    }

    // Starting over mid-attempt empties the input; the word count and the last figures stay
    // until they are next figured.
    void startingOver_data()
    {
        columns<QString, QString, QString>({"how", "next", "figures"});
        // 10 ticks after the load sum to just under 1 s, so the speed is figured from the
        // words typed before it.
        row("loading another text restarts the clock", "mnuLesTestShort", "a",
            "Speed: 120 WPM|Accuracy: 100 %|Word count: 2|Duration: 0 m: 0 s");
        // 20 ticks of 0.1 s sum to just over 2 s.
        row("Reset empties the practice and stops the clock", "Ctrl+R", "",
            "Speed: |Accuracy: |Word count: 2|Duration: 0 m: 2 s");
    }
    void startingOver()
    {
        QFETCH(QString, how);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("ab cd ef"));
        f.type(QStringLiteral("ab c"));
        f.tick(20);
        const bool reset = how == u"Ctrl+R";
        if (reset)
            QTest::keyClick(f.rtbInput, Qt::Key_R, Qt::ControlModifier);
        else
            f.action(qPrintable(how))->trigger();
        QCOMPARE(f.rtbInput->text(), QString());
        QCOMPARE(f.rtbSource->text().isEmpty(), reset);
        QTEST(f.label("lblNextLtr"), "next");
        f.tick(10);
        QTEST(f.figures(), "figures");
        QVERIFY(f.platform.messages.empty());
    }

    // A text is announced as it arrives by its length and enough of its first words.
    void screenReaderHearsTheText_data()
    {
        columns<QString, int, QString>({"loaded", "length", "opening"});
        row("a short text whole, the end marker not counted", "ad we", 5, "ad we");
        row("a long one cut at the last blank within 40 characters",
            "ad we re ox ax ka ch qi zo bat rag fed phi hum", 46,
            "ad we re ox ax ka ch qi zo bat rag fed");
        row("a first word longer than 40 characters cut at 40", QString(45, u'a'), 45,
            QString(40, u'a'));
        row("a CR in the text said as a blank", "ab\rcd", 5, "ab cd");
    }
    void screenReaderHearsTheText()
    {
        QFETCH(QString, loaded);
        QFETCH(int, length);
        QFETCH(QString, opening);
        WindowFixture f;
        f.platform.screenReader = true;
        f.windows.LoadPracticeText(loaded);
        QCOMPARE(f.platform.spoken, QStringList{say(Text::SayLoaded).arg(length).arg(opening)});
    }

    // The input box says where the learner stands when it gains the focus; its label carries
    // the figures, which the reader's "where am I" reads out.
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
        const auto labelName = [&f] {
            return QAccessible::queryAccessibleInterface(
                       f.window.findChild<QLabel *>(u"lblInput"_qs))
                ->text(QAccessible::Name);
        };
        QCOMPARE(refocus(), QStringList{say(Text::SayNoText)});
        f.windows.LoadPracticeText(QStringLiteral("ab c"));
        QCOMPARE(labelName(), say(Text::LblInput)); // no figures before the first key
        f.type(QStringLiteral("a"));
        QCOMPARE(refocus(), QStringList{say(Text::SayNext).arg(u"b"_qs)});
        // The figures as the duration last turned, once a second: at 9 s one word is 7 WPM,
        // though the label shows 6 by the 100th tick; back to the bare caption once the text
        // is gone.
        f.tick(100);
        QCOMPARE(labelName(), "Start typing here. Speed: 7 WPM, Accuracy: 100 %, Word count: 1, "
                              "Duration: 0 m: 9 s");
        QCOMPARE(f.label("lblSpeed"), "Speed: 6 WPM");
        f.type(QStringLiteral("b c"));
        QCOMPARE(labelName(), say(Text::LblInput));
        QCOMPARE(refocus(), QStringList{say(Text::SayNoText)});
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
