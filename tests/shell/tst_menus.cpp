// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include <QApplication>

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

// Each choice is a menu item of the window shown, or a key pressed in it.
void choose(WindowFixture &f, const QStringList &choices)
{
    for (const QString &choice : choices) {
        WindowView shown(f.windows.active(), f.platform);
        if (choice.startsWith(u"mnu"))
            shown.action(qPrintable(choice))->trigger();
        else
            QTest::keySequence(shown.rtbInput, QKeySequence(choice));
        activate(f.windows.active());
    }
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void checkmarks_data()
    {
        columns<QStringList, QString>({"choices", "checked"});
        row("Backspacing starts On", QStringList{}, "BsOn LangEng|");
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
    }
    void checkmarks()
    {
        QFETCH(QStringList, choices);
        WindowFixture f;
        choose(f, choices);
        QTEST(checkedItems(f), "checked");
        const bool malay = choices.endsWith(u"mnuSetLangBM"_qs) || choices.endsWith(u"F12"_qs);
        QCOMPARE(&f.windows.active(), malay ? f.windows.frmMainMalay() : &f.window);
        QCOMPARE(f.window.isVisible(), !malay);
        if (f.windows.frmMainMalay())
            QCOMPARE(f.windows.frmMainMalay()->isVisible(), malay);
        // The keys go on to the input box of the window shown.
        QCOMPARE(QApplication::focusWidget(), WindowView(f.windows.active(), f.platform).rtbInput);
    }

    // Closing the window the learner sees ends the program, whether or not its twin exists.
    void closingEndsTheProgram_data()
    {
        columns<QStringList, bool>({"choices", "closeBox"});
        row("Exit with no twin made", QStringList{}, false);
        row("the close box with no twin made", QStringList{}, true);
        row("Exit in English, the Malay twin hidden", QStringList{"F12", "F11"}, false);
        row("the close box in Malay, the English twin hidden", QStringList{"F12"}, true);
    }
    void closingEndsTheProgram()
    {
        QFETCH(QStringList, choices);
        QFETCH(bool, closeBox);
        WindowFixture f;
        choose(f, choices);
        WindowView shown(f.windows.active(), f.platform);
        if (closeBox)
            shown.window.close();
        else
            shown.action("mnuFileExit")->trigger();
        QVERIFY(!shown.window.isVisible());
        QCOMPARE(f.platform.quits, 1);
    }

    // Every caption and description in the Malay window is its own, not its English twin's, but
    // for two commands and the languages' own names; so that a text left unwired, wired to
    // English or left untranslated fails here.
    void malayWindowShowsMalay()
    {
        const QStringList keptInEnglish{"&Reset", "E&xit", "English", "Bahasa Melayu"};
        WindowFixture f;
        WindowView m = f.malay();
        int compared = 0;
        for (QObject *control : m.window.findChildren<QObject *>()) {
            QObject *twin = f.window.findChild<QObject *>(control->objectName());
            for (const char *property : {"text", "title", "accessibleDescription"}) {
                const QString english = twin ? twin->property(property).toString() : QString();
                if (control->objectName().isEmpty() || english.isEmpty() ||
                    keptInEnglish.contains(english))
                    continue;
                const QString malay = control->property(property).toString();
                QVERIFY2(!malay.isEmpty() && malay != english, qPrintable(english));
                ++compared;
            }
        }
        QVERIFY(compared > 30);
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
