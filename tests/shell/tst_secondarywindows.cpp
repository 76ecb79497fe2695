// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "shell/helpwindow.h"
#include "shell/splash.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include <vector>

using namespace keyvora;
using namespace keyvora::test;

namespace {

// "\b" Backspace, "\r" Enter, "^x" Ctrl with x, "⌥x" Ctrl+Alt giving x (AltGr on
// Windows); the rest is typed as itself.
void typeInto(QLineEdit *box, const QString &keys)
{
    static const QHash<char32_t, Qt::Key> special{{U'\b', Qt::Key_Backspace},
                                                  {U'\r', Qt::Key_Return}};
    const QList<uint> points = keys.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        char32_t c = points[i];
        Qt::Key key = special.value(c, Qt::Key_unknown);
        Qt::KeyboardModifiers modifiers;
        if (c == U'^' || c == U'⌥') {
            modifiers = c == U'^' ? Qt::ControlModifier : Qt::ControlModifier | Qt::AltModifier;
            key = Qt::Key(Qt::Key_A + (c == U'^' ? int(points[i + 1] - U'a') : 0));
            c = c == U'^' ? 0 : points[i + 1];
            ++i;
        }
        QTest::sendKeyEvent(QTest::Click, box, key, c ? QString::fromUcs4(&c, 1) : QString(),
                            modifiers);
    }
}

// A topic's heading may start with punctuation, and a heading inside a code block is none.
const QString kManual =
    QStringLiteral("# Manual\n\nIntro.\n\n## Starting\n\nSee [the figures](#figures-and-speed), "
                   "[away](https://example.com/) and [lost](#no-such-topic).\n\n"
                   "```\n## not a topic\n```\n\n## Figures and speed\n\nSpeed in words.\n\n"
                   "## “Keys”\n\nThe speed of keys.\n");

// Clicks the link whose text is shown, where it is shown.
void clickLink(QTextBrowser &browser, const QString &linkText)
{
    QTextCursor cursor = browser.document()->find(linkText);
    QVERIFY2(!cursor.isNull(), qPrintable(linkText));
    cursor.setPosition(cursor.selectionStart() + 1);
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(cursor).center());
}

// What a screen reader would stumble on under the interface: a shown control with no role or
// nothing to say, or two controls met in another order than the eye reads them (a later one
// wholly above an earlier one, or left of it in the same band).
QStringList screenReaderProblems(QAccessibleInterface *at)
{
    QStringList problems;
    std::vector<QAccessibleInterface *> shown;
    for (int i = 0; at && i < at->childCount(); ++i) {
        QAccessibleInterface *child = at->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->object() ? child->object()->objectName() : QString();
        // Frames, bars and Qt's own inner parts speak through what they hold.
        const bool container = child->childCount() > 0 || name.startsWith(u"qt_") ||
                               child->role() == QAccessible::ScrollBar;
        const bool said = !child->text(QAccessible::Name).trimmed().isEmpty() ||
                          !child->text(QAccessible::Description).trimmed().isEmpty();
        if (!container && (child->role() == QAccessible::NoRole || !said))
            problems << name + QStringLiteral(" is nameless");
        if (!child->rect().isEmpty())
            shown.push_back(child);
        problems += screenReaderProblems(child);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const QRect early = shown[i]->rect(), late = shown[j]->rect();
            const bool sameBand = late.top() <= early.bottom() && early.top() <= late.bottom();
            if (late.bottom() < early.top() || (sameBand && late.right() < early.left()))
                problems << shown[i]->text(QAccessible::Name) + QStringLiteral(" before ") +
                                shown[j]->text(QAccessible::Name);
        }
    }
    return problems;
}

// Fails the test with what a screen reader would stumble on in the window.
void checkScreenReading(QWidget &window)
{
    const QStringList problems =
        screenReaderProblems(QAccessible::queryAccessibleInterface(&window));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
}

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void converterKeys_data()
    {
        columns<QString, QString, QString>({"keys", "character", "code"});
        row("the box is emptied before each key", "Ab", "b", "98");
        row("Backspace is 8 and leaves the box empty", "a\b", "", "8");
        row("Enter is 13 and does not close the window", "\r", "", "13");
        row("Ctrl with a letter is its control code", "x^z", "", "26");
        row("Ctrl+Alt with a letter is the character it gives", "⌥ą", "ą", "261");
        row("a Windows-1252 quote has its byte", "“", "“", "147");
        row("a letter outside Windows-1252 has its code point", "Ł", "Ł", "321");
        row("a character beyond 16 bits is not split", "😀", "😀", "128512");
    }
    void converterKeys()
    {
        QFETCH(QString, keys);
        WindowFixture f;
        f.platform.screenReader = true;
        bool stayedOpen = false;
        QString character, code;
        f.platform.whenModal = [&](QDialog &dialog) {
            auto *characterBox = dialog.findChild<QLineEdit *>(u"Text1"_qs);
            QVERIFY(characterBox->hasFocus());
            typeInto(characterBox, keys);
            stayedOpen = dialog.isVisible();
            character = characterBox->text();
            code = dialog.findChild<QLineEdit *>(u"Text2"_qs)->text();
        };
        QTest::keyClick(f.rtbInput, Qt::Key_F9);
        QVERIFY(stayedOpen);
        QTEST(character, "character");
        QTEST(code, "code");
        // The code is said as it shows.
        QVERIFY(f.platform.spoken.last().endsWith(u' ' + code));
        QCOMPARE(QApplication::focusWidget(), f.rtbInput);
    }

    // Where the System Information program is looked for: the registry's program path, the
    // registry's shared folder, then the desktop's own tools; else the learner is told.
    void systemInfo_data()
    {
        columns<QByteArray, quint32, QByteArray, QStringList, QString>(
            {"pathValue", "pathType", "directory", "present", "started"});
        const QByteArray none;
        row("the path's terminating zero is dropped", QByteArray("C:\\m.exe", 9), 1u, none,
            QStringList{}, "C:\\m.exe");
        row("a DWORD path is its number in hex", QByteArray("\x01\x02\x0a\x30", 4), 4u, none,
            QStringList{}, "&h30A21");
        row("the shared folder holds the program", none, 1u, QByteArray("C:\\Shared", 10),
            QStringList{"C:\\Shared\\MSINFO32.EXE"}, "C:\\Shared\\MSINFO32.EXE");
        row("the first desktop tool installed", none, 1u, none,
            QStringList{"gnome-system-monitor", "kinfocenter"}, "/usr/bin/kinfocenter");
        row("nothing installed", none, 1u, none, QStringList{}, "");
    }
    void systemInfo()
    {
        QFETCH(QByteArray, pathValue);
        QFETCH(quint32, pathType);
        QFETCH(QByteArray, directory);
        QFETCH(QStringList, present);
        QFETCH(QString, started);
        WindowFixture f;
        FakeRegistry &registry = f.platform.fakeRegistry;
        if (!pathValue.isNull())
            registry.keys[u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_qs][u"PATH"_qs] = {
                pathType, pathValue};
        if (!directory.isNull())
            registry.keys[u"SOFTWARE\\Microsoft\\Shared Tools Location"_qs][u"MSINFO"_qs] = {
                Registry::REG_SZ, directory};
        f.platform.fakeLauncher.files = present.filter(u"\\"_qs);
        f.platform.fakeLauncher.onPath = present;
        bool openAfter = false;
        f.platform.whenModal = [&](QDialog &dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton *>(u"cmdSysInfo"_qs), Qt::LeftButton);
            openAfter = dialog.isVisible();
        };
        f.action("mnuHelpAbout")->trigger();
        QVERIFY(openAfter);
        QCOMPARE(registry.openKeys, 0);
        QCOMPARE(f.platform.fakeLauncher.started,
                 started.isEmpty() ? QStringList{} : QStringList{started});
        QCOMPARE(f.platform.messages.size(), std::size_t(started.isEmpty()));
    }

    // Steps: "link text" clicks a link, "<" Back, ">" Forward, "/word" finds, "?word" finds
    // backward; after each, the topic shown ("" for the index).
    void helpWindow_data()
    {
        columns<QString, QString>({"steps", "shown"});
        row("a link opens its topic", "Starting|the figures", "starting|figures-and-speed");
        row("links out or to no topic go nowhere", "Starting|away|lost",
            "starting|starting|starting");
        row("back and forward", "Starting|the figures|<|<|>",
            "starting|figures-and-speed|starting||starting");
        row("find moves on to the next topic that has it", "/speed|/speed|/speed|/speed",
            "|figures-and-speed|figures-and-speed|keys");
        row("find backward wraps round", "Keys|?words", "keys|figures-and-speed");
        row("a heading in a code block stays in its topic", "/not a topic", "starting");
    }
    void helpWindow()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        HelpWindow help(FoundManual{kManual, u"/x/USERMANUAL.hlp"_qs, {}}, Language::English);
        help.show();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        checkScreenReading(help);
        HelpBrowser &browser = help.browser();
        const QStringList expected = shown.split(u'|');
        int done = 0;
        for (const QString &step : steps.split(u'|')) {
            const std::map<QString, Qt::Key> keys{{u"<"_qs, Qt::Key_Left},
                                                  {u">"_qs, Qt::Key_Right}};
            if (keys.contains(step))
                QTest::keyClick(&browser, keys.at(step), Qt::AltModifier);
            else if (step.startsWith(u'/') || step.startsWith(u'?'))
                QVERIFY(help.find(step.mid(1), step.startsWith(u'?')));
            else
                clickLink(browser, step);
            QCOMPARE(browser.shownTopic(), expected[done++]);
        }
    }

    // Each window asks for the manual of its own language, shown in that language.
    void helpContents()
    {
        WindowFixture f;
        QTest::keyClick(f.rtbInput, Qt::Key_F1);
        f.malay().action("mnuHelpContents")->trigger();
        QCOMPARE(f.platform.open.seenHelp,
                 QStringList({"USERMANUAL.hlp|English", "USERMANUAL_BM.hlp|Malay"}));
    }

    // Every control a screen reader reaches has a role and something to say, in the order the
    // eye reads them. Each window but the main ones is opened by its menu item.
    void everyControlIsNamed_data()
    {
        columns<QString, bool>({"menuItem", "malay"});
        row("the main window", "", false);
        row("the Malay main window", "", true);
        row("the introduction", "mnuLesTutIntro", false);
        row("the Shift tutorial", "mnuLesTutShift", false);
        row("the two hands' tutorial switched to Malay", "mnuLesTutLR", true);
        row("the About box", "mnuHelpAbout", false);
        row("the converter", "mnuToolsAsc", false);
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, menuItem);
        QFETCH(bool, malay);
        WindowFixture f;
        if (menuItem.isEmpty()) {
            checkScreenReading(malay ? f.malay().window : f.window);
        } else {
            f.platform.whenModal = [&](QDialog &dialog) {
                if (malay)
                    dialog.findChild<QPushButton *>(u"cmdBM"_qs)->click();
                checkScreenReading(dialog);
            };
            f.action(qPrintable(menuItem))->trigger();
            QCOMPARE(f.platform.modalsShown.size(), std::size_t(1));
        }
    }

    // t: the timer, k: a character key, c: a click on the free frame, s: Shift alone,
    // l: a click on a label, g: a click on the logo.
    void splashLeavesOnce_data()
    {
        columns<QString, int>({"events", "leaves"});
        row("the timer ends it", "t", 1);
        row("a key ends it", "k", 1);
        row("a click on the frame ends it", "c", 1);
        row("Shift alone, a label or the logo do not", "slg", 0);
        row("the timer after a key and a click ends nothing more", "kct", 1);
        row("a key and a click after the timer end nothing more", "tkc", 1);
    }
    void splashLeavesOnce()
    {
        QFETCH(QString, events);
        FakePlatform platform;
        int left = 0;
        Splash splash(platform, [&left] { ++left; });
        splash.show();
        splash.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QCOMPARE(QAccessible::queryAccessibleInterface(&splash)->role(), QAccessible::Dialog);
        checkScreenReading(splash);
        auto *frame = splash.findChild<QWidget *>(u"Frame1"_qs);
        for (QChar event : events) {
            if (event == u't')
                platform.fire(u"frmSplash.tmrSplash"_qs);
            else if (event == u'k' || event == u's')
                QTest::keyClick(&splash, event == u'k' ? Qt::Key_Space : Qt::Key_Shift);
            else if (event == u'c')
                QTest::mouseClick(frame, Qt::LeftButton, {},
                                  QPoint(frame->width() / 2, frame->height() - 4));
            else
                QTest::mouseClick(
                    splash.findChild<QWidget *>(event == u'l' ? u"lblPlatform"_qs : u"imgLogo"_qs),
                    Qt::LeftButton);
        }
        QTEST(left, "leaves");
        QCOMPARE(splash.isVisible(), left == 0);
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
