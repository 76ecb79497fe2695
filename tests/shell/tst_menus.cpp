// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

using namespace keyvora;
using namespace keyvora::test;

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void backspacing_data()
    {
        columns<QStringList, bool>({"choices", "on"});
        row("On at start", QStringList{}, true);
        row("choosing On while On changes nothing", QStringList{"mnuSetBsOn"}, true);
        row("choosing Off twice keeps Off", QStringList{"mnuSetBsOff", "mnuSetBsOff"}, false);
        row("Off then On", QStringList{"mnuSetBsOff", "mnuSetBsOn"}, true);
    }
    void backspacing()
    {
        QFETCH(QStringList, choices);
        QFETCH(bool, on);
        WindowFixture f;
        for (const QString &choice : choices)
            f.action(qPrintable(choice))->trigger();
        QCOMPARE(f.action("mnuSetBsOn")->isChecked(), on);
        QCOMPARE(f.action("mnuSetBsOff")->isChecked(), !on);
    }

    // File > Open and Reset are reached by their shortcuts in tst_fileopen and tst_practice.
    // Each window keeps its own practice through switches, and a hidden window's clock goes on.
    void switchKeepsEachWindowsPractice()
    {
        WindowFixture f;
        f.windows.LoadPracticeText(u"abc def"_qs);
        f.type(u"ab"_qs);
        f.tick(3);
        f.action("mnuSetBsOff")->trigger();

        WindowView m = f.malay();
        QVERIFY(!f.window.isVisible() && m.window.isVisible());
        QCOMPARE(&f.windows.active(), &m.window);
        QCOMPARE(QApplication::focusWidget(), m.rtbInput);
        QVERIFY(m.action("mnuSetBsOn")->isChecked() && !m.action("mnuSetBsOff")->isChecked());
        QVERIFY(m.rtbSource->text().isEmpty());
        // Centred, up to the frame the desktop draws around it.
        QVERIFY(
            (m.window.frameGeometry().center() - m.window.screen()->availableGeometry().center())
                .manhattanLength() <= 4);
        f.windows.LoadPracticeText(u"xy"_qs);
        m.type(u"x"_qs);
        m.action("mnuSetBsOff")->trigger();
        m.action("mnuSetBsOn")->trigger();
        m.window.move(m.window.pos() + QPoint(30, 20));
        const QPoint malayPlace = m.window.pos();
        f.tick(4); // the hidden English window's timers still run

        m.action("mnuSetLangEng")->trigger();
        activate(f.window);
        QVERIFY(f.window.isVisible() && !m.window.isVisible());
        QCOMPARE(QApplication::focusWidget(), f.rtbInput);
        QCOMPARE(f.rtbSource->text(), u"abc def\r"_qs);
        QCOMPARE(f.rtbInput->text(), u"ab"_qs);
        QCOMPARE(f.label("lblSpeed"), u"Speed: 86 WPM"_qs); // one word in seven ticks
        QVERIFY(f.action("mnuSetBsOff")->isChecked());

        WindowView again = f.malay();
        QCOMPARE(&again.window, &m.window);
        QCOMPARE(m.window.pos(), malayPlace);
        QCOMPARE(m.rtbSource->text(), u"xy\r"_qs);
        QCOMPARE(m.rtbInput->text(), u"x"_qs);
        QVERIFY(m.action("mnuSetBsOn")->isChecked());
        QCOMPARE(f.rtbInput->text(), u"ab"_qs);
    }

    // The item of a window's own language, and its key, do nothing; no checkmark ever moves.
    void ownLanguageDoesNothing_data()
    {
        columns<bool, QString>({"inMalay", "key"});
        row("English in the English window", false, "");
        row("F11 in the English window", false, "F11");
        row("Bahasa Melayu in the Malay window", true, "");
        row("F12 in the Malay window", true, "F12");
    }
    void ownLanguageDoesNothing()
    {
        QFETCH(bool, inMalay);
        QFETCH(QString, key);
        WindowFixture f;
        WindowView shown = inMalay ? f.malay() : WindowView(f);
        const char *own = inMalay ? "mnuSetLangBM" : "mnuSetLangEng";
        if (key.isEmpty())
            shown.action(own)->trigger();
        else
            QTest::keySequence(shown.rtbInput, QKeySequence(key));
        QVERIFY(shown.window.isVisible());
        QCOMPARE(f.window.isVisible(), !inMalay);
        QCOMPARE(&f.windows.active(), &shown.window);
        QCOMPARE(shown.action("mnuSetLangEng")->isChecked(), !inMalay);
        QCOMPARE(shown.action("mnuSetLangBM")->isChecked(), inMalay);
    }

    // Switching there and back leaves each window's checkmark on its own language.
    void languageChecksNeverMove()
    {
        WindowFixture f;
        WindowView m = f.malay(); // by Bahasa Melayu in the English window
        m.action("mnuSetLangEng")->trigger();
        for (const WindowView &view : {WindowView(f), m}) {
            const bool malay = &view.window == &m.window;
            QCOMPARE(view.action("mnuSetLangEng")->isChecked(), !malay);
            QCOMPARE(view.action("mnuSetLangBM")->isChecked(), malay);
        }
    }

    // Whatever brings a text while the Malay window shows brings it there.
    void malayWindowTakesItsPractice_data()
    {
        columns<QString>({"how"});
        row("a test from its menu", "mnuLesTestShort");
        row("a drill's hand-off", "");
        row("a file from its File > Open", "Ctrl+O");
    }
    void malayWindowTakesItsPractice()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"drill.txt"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("asdf jkl;") == 9);
        file.close();
        WindowFixture f;
        f.platform.open.answer = file.fileName();
        WindowView m = f.malay();
        if (how.isEmpty())
            f.windows.LoadPracticeText(u"asdf jkl;"_qs);
        else if (how.startsWith(u"mnu"))
            m.action(qPrintable(how))->trigger();
        else
            QTest::keySequence(m.rtbInput, QKeySequence(how));
        QVERIFY(!m.rtbSource->text().isEmpty());
        QVERIFY(m.running("tmrSpeed"));
        QVERIFY(f.rtbSource->text().isEmpty());
    }

    // Closing the window the learner sees ends the program, whether or not its twin exists.
    void closingEndsTheProgram_data()
    {
        columns<bool, bool, bool>({"malayMade", "fromMalay", "closeBox"});
        row("Exit before the Malay window was made", false, false, false);
        row("close box before the Malay window was made", false, false, true);
        row("Exit in English, Malay hidden", true, false, false);
        row("Exit in Malay, English hidden", true, true, false);
        row("close box in Malay, English hidden", true, true, true);
    }
    void closingEndsTheProgram()
    {
        QFETCH(bool, malayMade);
        QFETCH(bool, fromMalay);
        QFETCH(bool, closeBox);
        WindowFixture f;
        if (malayMade) {
            f.malay();
            if (!fromMalay)
                f.windows.frmMainMalay()->mnuSetLangEng_Click();
        }
        MainWindow &shown = f.windows.active();
        if (closeBox)
            shown.close();
        else
            WindowView(shown, f.platform).action("mnuFileExit")->trigger();
        QVERIFY(!shown.isVisible());
        QCOMPARE(f.platform.quits, 1);
    }

    // Every caption, menu item and message of the Malay window is made of the table's Malay
    // texts (figures aside), so that a text left unwired or wired to English fails here.
    void malayWindowSpeaksMalay()
    {
        QStringList malay;
        QSet<QString> englishOnly;
        for (int i = 0; i < int(Text::Count); ++i)
            malay << text(Language::Malay, Text(i));
        for (int i = 0; i < int(Text::Count); ++i) {
            if (!malay.contains(text(Language::English, Text(i))))
                englishOnly << text(Language::English, Text(i));
        }
        // Whether the text, its digits taken out, is a run of Malay texts end to end.
        const std::function<bool(QString)> madeOfMalay = [&](QString rest) {
            rest.remove(QRegularExpression(u"[0-9]"_qs));
            if (rest.isEmpty())
                return true;
            return std::any_of(malay.begin(), malay.end(), [&](const QString &piece) {
                return !piece.isEmpty() && rest.startsWith(piece) &&
                       madeOfMalay(rest.mid(piece.size()));
            });
        };
        WindowFixture f;
        f.platform.screenReader = true;
        WindowView m = f.malay();
        QStringList seen;
        const auto look = [&] {
            seen << m.window.windowTitle();
            for (const QAction *action : m.window.findChildren<QAction *>())
                seen << action->text();
            for (const QMenu *menu : m.window.findChildren<QMenu *>())
                seen << menu->title();
            for (const QGroupBox *frame : m.window.findChildren<QGroupBox *>())
                seen << frame->title();
            for (const QLabel *label : m.window.findChildren<QLabel *>()) {
                if (label->objectName() != u"lblNextLtr")
                    seen << label->text();
            }
        };
        look();
        // A passed text and a failed one, with the figures shown on the way.
        for (const QString &typed : {u"ab"_qs, u"xb"_qs}) {
            f.windows.LoadPracticeText(u"ab"_qs);
            m.type(typed.left(1));
            m.tick(2);
            look();
            m.type(typed.mid(1));
        }
        QCOMPARE(int(f.platform.messages.size()), 2);
        for (const Message &message : f.platform.messages)
            seen << message.title << message.text;
        for (const QString &shown : std::as_const(seen)) {
            QVERIFY2(madeOfMalay(shown) && !englishOnly.contains(shown), qPrintable(shown));
        }
        // What a screen reader says: a Malay text with its figures filled in, or a character.
        QVERIFY(!f.platform.spoken.isEmpty());
        for (const QString &said : std::as_const(f.platform.spoken)) {
            const bool malayText = std::any_of(malay.begin(), malay.end(), [&](const QString &row) {
                QString pattern = QRegularExpression::escape(row);
                pattern.replace(QRegularExpression(u"\\\\%\\d"_qs), u".+"_qs);
                return !row.isEmpty() &&
                       QRegularExpression(QRegularExpression::anchoredPattern(pattern))
                           .match(said)
                           .hasMatch();
            });
            QVERIFY2((malayText && !englishOnly.contains(said)) || said.size() == 1,
                     qPrintable(said));
        }
        QVERIFY(f.platform.languages.count(u"ms"_qs) == f.platform.languages.size());
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
