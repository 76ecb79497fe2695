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

namespace {

// The checked items of the Settings menu in each window made so far, English first.
QString checkedItems(WindowFixture &f)
{
    QStringList windows;
    for (MainWindow *window : {&f.windows.frmMain(), f.windows.frmMainMalay()}) {
        QStringList checked;
        for (const char *item : {"mnuSetBsOn", "mnuSetBsOff", "mnuSetLangEng", "mnuSetLangBM"}) {
            if (window && WindowView(*window, f.platform).action(item)->isChecked())
                checked << QString::fromLatin1(item).mid(6);
        }
        windows << checked.join(u' ');
    }
    return windows.join(u'|');
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    // Each choice is a menu item of the window shown, or a key pressed in it.
    void checkmarks_data()
    {
        columns<QStringList, QString>({"choices", "checked"});
        row("Backspacing starts On", QStringList{}, "BsOn LangEng|");
        row("Off chosen twice stays Off", QStringList{"mnuSetBsOff", "mnuSetBsOff"},
            "BsOff LangEng|");
        row("On after Off takes the check back", QStringList{"mnuSetBsOff", "mnuSetBsOn"},
            "BsOn LangEng|");
        row("the own language's item switches nothing", QStringList{"mnuSetLangEng"},
            "BsOn LangEng|");
        row("F11 in the English window switches nothing", QStringList{"F11"}, "BsOn LangEng|");
        row("the Malay window checks Malay, its twin keeps English", QStringList{"mnuSetLangBM"},
            "BsOn LangEng|BsOn LangBM");
        row("Backspacing is each window's own", QStringList{"mnuSetBsOff", "mnuSetLangBM"},
            "BsOff LangEng|BsOn LangBM");
        row("F12 in the Malay window switches nothing", QStringList{"F12", "F12"},
            "BsOn LangEng|BsOn LangBM");
        row("there and back moves no checkmark", QStringList{"F12", "mnuSetLangEng"},
            "BsOn LangEng|BsOn LangBM");
    }
    void checkmarks()
    {
        QFETCH(QStringList, choices);
        WindowFixture f;
        for (const QString &choice : choices) {
            WindowView shown(f.windows.active(), f.platform);
            if (choice.startsWith(u"mnu"))
                shown.action(qPrintable(choice))->trigger();
            else
                QTest::keySequence(shown.rtbInput, QKeySequence(choice));
            activate(f.windows.active());
        }
        QTEST(checkedItems(f), "checked");
        const bool malay = choices.endsWith(u"mnuSetLangBM"_qs) || choices.endsWith(u"F12"_qs);
        QCOMPARE(&f.windows.active(), malay ? f.windows.frmMainMalay() : &f.window);
        QCOMPARE(f.window.isVisible(), !malay);
        if (f.windows.frmMainMalay())
            QCOMPARE(f.windows.frmMainMalay()->isVisible(), malay);
    }

    // Each window keeps its own practice through switches, and a hidden window's clock goes on.
    void switchKeepsEachWindowsPractice()
    {
        WindowFixture f;
        f.windows.LoadPracticeText(u"abc def"_qs);
        f.type(u"ab"_qs);
        f.tick(3);
        const QString speedWhenHidden = f.label("lblSpeed");

        WindowView m = f.malay();
        QCOMPARE(QApplication::focusWidget(), m.rtbInput);
        QVERIFY(m.rtbSource->text().isEmpty());
        // Centred, up to the frame the desktop draws around it.
        QVERIFY(
            (m.window.frameGeometry().center() - m.window.screen()->availableGeometry().center())
                .manhattanLength() <= 4);
        f.windows.LoadPracticeText(u"xy"_qs);
        m.type(u"x"_qs);
        m.window.move(m.window.pos() + QPoint(30, 20));
        const QPoint malayPlace = m.window.pos();
        f.tick(4);

        m.action("mnuSetLangEng")->trigger();
        activate(f.window);
        QCOMPARE(QApplication::focusWidget(), f.rtbInput);
        QCOMPARE(f.rtbInput->text(), u"ab"_qs);
        QVERIFY(f.rtbSource->text().startsWith(u"abc def"));
        QVERIFY(f.label("lblSpeed") != speedWhenHidden);

        WindowView again = f.malay();
        QCOMPARE(&again.window, &m.window);
        QCOMPARE(m.window.pos(), malayPlace);
        QVERIFY(m.rtbSource->text().startsWith(u"xy"));
        QCOMPARE(m.rtbInput->text(), u"x"_qs);
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
        row("Exit with no twin made", false, false, false);
        row("the close box with no twin made", false, false, true);
        row("Exit in English, the Malay twin hidden", true, false, false);
        row("the close box in Malay, the English twin hidden", true, true, true);
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
            return rest.isEmpty() ||
                   std::any_of(malay.begin(), malay.end(), [&](const QString &piece) {
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
        for (const QString &shown : std::as_const(seen))
            QVERIFY2(madeOfMalay(shown) && !englishOnly.contains(shown), qPrintable(shown));
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
        QCOMPARE(f.platform.languages.count(u"ms"_qs), f.platform.languages.size());
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"