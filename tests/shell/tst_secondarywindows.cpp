// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "shell/aboutbox.h"
#include "shell/helpwindow.h"
#include "shell/qtcommondialog.h"
#include "shell/splash.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <sys/stat.h>

#include <vector>

using namespace keyvora;
using namespace keyvora::test;

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

// "\b" Backspace, "\r" Enter, "\x1b" Escape, "⇧" Shift alone, "⌦" Delete, "^x" Ctrl with x, "⌥x"
// Ctrl+Alt giving x (AltGr on Windows), "|" moves to the other box; the rest is typed as itself.
void typeInto(QLineEdit *characterBox, QLineEdit *codeBox, const QString &keys)
{
    static const QHash<char32_t, std::pair<Qt::Key, QString>> special{
        {U'\b', {Qt::Key_Backspace, u"\b"_qs}},
        {U'\r', {Qt::Key_Return, u"\r"_qs}},
        {U'\x1b', {Qt::Key_Escape, u"\x1b"_qs}},
        {U'⇧', {Qt::Key_Shift, QString()}},
        {U'⌦', {Qt::Key_Delete, u"\x7f"_qs}}};
    QLineEdit *box = characterBox;
    const QList<uint> points = keys.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const char32_t c = points[i];
        const char32_t next = i + 1 < points.size() ? points[i + 1] : 0;
        auto [key, typed] = special.value(c, {Qt::Key_unknown, QString::fromUcs4(&c, 1)});
        Qt::KeyboardModifiers modifiers;
        if (c == U'|') {
            box = box == characterBox ? codeBox : characterBox;
            box->setFocus();
            continue;
        } else if (c == U'^' || c == U'⌥') {
            ++i;
            modifiers = c == U'^' ? Qt::ControlModifier : Qt::ControlModifier | Qt::AltModifier;
            key = Qt::Key(Qt::Key_A + (c == U'^' ? int(next - U'a') : 0));
            typed = c == U'^' ? QString() : QString::fromUcs4(&next, 1);
        }
        QTest::sendKeyEvent(QTest::Click, box, key, typed, modifiers);
    }
}

const QString kManual =
    QStringLiteral("# Manual\n\nIntro.\n\n## Starting\n\nSee [the figures](#figures-and-speed), "
                   "[away](https://example.com/) and [lost](#no-such-topic).\n\n"
                   "```\n## not a topic\n```\n\n## Figures and speed\n\nSpeed in words.\n\n"
                   "## Keys\n\nThe speed of keys.\n");

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

// Opens the window of that name ("frmLR Malay": switched to Malay) and hands it to the check.
void withWindow(WindowFixture &f, const QString &window,
                const std::function<void(QWidget &)> &check)
{
    const QString name = window.section(u' ', 0, 0);
    if (name == u"frmMain") {
        check(f.window);
    } else if (name == u"frmMainMalay") {
        check(f.malay().window);
    } else if (name == u"frmSplash") {
        Splash splash(f.platform, [] {});
        splash.show();
        check(splash);
    } else if (name == u"frmHelp") {
        HelpWindow help(findHelpManual(u"USERMANUAL.hlp"_qs, {}, Language::English),
                        Language::English);
        help.show();
        check(help);
    } else {
        f.platform.whenModal = [&](QDialog &dialog) {
            if (window.endsWith(u" Malay"))
                dialog.findChild<QPushButton *>(u"cmdBM"_qs)->click();
            check(dialog);
        };
        const char *action = name == u"frmIntro"   ? "mnuLesTutIntro"
                             : name == u"frmLR"    ? "mnuLesTutLR"
                             : name == u"frmShift" ? "mnuLesTutShift"
                             : name == u"frmAbout" ? "mnuHelpAbout"
                                                   : "mnuToolsAsc";
        f.action(action)->trigger();
        QCOMPARE(f.platform.modalsShown, QStringList{name});
    }
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
        row("Escape is 27 and does not close the window", "\x1b", "", "27");
        row("Ctrl with a letter is its control code", "x^z", "", "26");
        row("Shift alone is no key", "q⇧", "q", "113");
        row("Delete is no key", "q⌦", "q", "113");
        row("Ctrl+Alt with a letter is the character it gives", "⌥ą", "ą", "261");
        row("typing in the code box changes nothing else", "A|xy", "A", "65xy");
        row("the next key empties the code box", "A|xy|B", "B", "66");
        row("a Windows-1252 quote has its byte", "“", "“", "147");
        row("the euro sign has its byte", "€", "€", "128");
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
            auto *codeBox = dialog.findChild<QLineEdit *>(u"Text2"_qs);
            QVERIFY(characterBox->hasFocus());
            typeInto(characterBox, codeBox, keys);
            stayedOpen = dialog.isVisible();
            character = characterBox->text();
            code = codeBox->text();
        };
        QTest::keyClick(f.rtbInput, Qt::Key_F9);
        QVERIFY(stayedOpen);
        QTEST(character, "character");
        QTEST(code, "code");
        // The code is said as it shows.
        QVERIFY(f.platform.spoken.last().endsWith(u' ' + code.remove(u"xy"_qs)));
        QCOMPARE(focused(), f.rtbInput);
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
        row("a path without a zero is whole", QByteArray("C:\\msinfo"), 1u, none, QStringList{},
            "C:\\msinfo");
        row("a DWORD path is its number in hex", QByteArray("\x01\x02\x0a\x30", 4), 4u, none,
            QStringList{}, "&h30A21");
        row("a path of another type is no path", QByteArray("C:\\x"), 7u, none, QStringList{}, "");
        row("the shared folder holds the program", none, 1u, QByteArray("C:\\Shared", 10),
            QStringList{"C:\\Shared\\MSINFO32.EXE"}, "C:\\Shared\\MSINFO32.EXE");
        row("a shared folder without the program", none, 1u, QByteArray("C:\\Shared"),
            QStringList{}, "");
        row("the first desktop tool installed", none, 1u, none,
            QStringList{"gnome-system-monitor", "kinfocenter"}, "/usr/bin/kinfocenter");
        row("nothing installed", none, 1u, none, QStringList{}, "");
        row("a tool that fails to start", none, 1u, none, QStringList{"hardinfo", "!"}, "");
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
        FakeLauncher &launcher = f.platform.fakeLauncher;
        launcher.files = present.filter(u"\\"_qs);
        launcher.onPath = present;
        launcher.startWorks = !present.contains(u"!"_qs);
        bool openAfter = false;
        f.platform.whenModal = [&](QDialog &dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton *>(u"cmdSysInfo"_qs), Qt::LeftButton);
            openAfter = dialog.isVisible();
        };
        f.action("mnuHelpAbout")->trigger();
        QVERIFY(openAfter);
        QCOMPARE(registry.openKeys, 0);
        if (launcher.startWorks)
            QCOMPARE(launcher.started, started.isEmpty() ? QStringList{} : QStringList{started});
        QCOMPARE(f.platform.messages.size(), std::size_t(started.isEmpty()));
    }

    // A secondary window closes as the learner expects and gives the focus back to the input.
    void closesToTheInputBox_data()
    {
        columns<int>({"key"});
        row("the About box on Enter", int(Qt::Key_Return));
        row("the About box on Escape", int(Qt::Key_Escape));
        row("the About box on OK", 0);
        row("the help window on Escape", -1);
    }
    void closesToTheInputBox()
    {
        QFETCH(int, key);
        WindowFixture f;
        if (key < 0) {
            QtCommonDialog dialog(&f.window);
            dialog.setHelpFile(text(Language::English, Text::HelpFile));
            dialog.showHelp();
            QPointer<QWidget> help;
            for (QWidget *window : QApplication::topLevelWidgets())
                help = qobject_cast<HelpWindow *>(window) ? window : help.data();
            QVERIFY(help && QTest::qWaitForWindowActive(help));
            QTest::keyClick(help, Qt::Key_Escape);
            QVERIFY(help.isNull() || !help->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(&f.window));
        } else {
            bool closed = false;
            f.platform.whenModal = [&](QDialog &dialog) {
                if (key == 0)
                    QTest::mouseClick(dialog.findChild<QPushButton *>(u"cmdOK"_qs), Qt::LeftButton);
                else
                    QTest::keyClick(focused(), Qt::Key(key));
                closed = !dialog.isVisible();
            };
            f.action("mnuHelpAbout")->trigger();
            QVERIFY(closed);
        }
        QCOMPARE(focused(), f.rtbInput);
    }

    // Each folder holds the manual or something hostile under its name: "m" the manual, "-"
    // nothing, "f" a FIFO, "h" a huge file, "b" binary bytes, "d" a folder.
    void helpSearchOrder_data()
    {
        columns<QString, QString, int>({"folders", "usedFrom", "refused"});
        row("the current folder first", "mmm", "0", 0);
        row("beside the program next", "-mm", "1", 0);
        row("the data folder last", "--m", "2", 0);
        row("a FIFO is passed over, not waited on", "fm-", "1", 1);
        row("a huge file is passed over for the built-in copy", "h--", "built-in", 1);
        row("binary bytes are passed over", "-bm", "2", 1);
        row("a folder of that name is passed over", "dbf", "built-in", 3);
    }
    void helpSearchOrder()
    {
        QFETCH(QString, folders);
        QTemporaryDir root;
        QStringList paths;
        const QString name = u"USERMANUAL.hlp"_qs;
        for (int i = 0; i < folders.size(); ++i) {
            paths << root.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(paths.back()));
            const QString file = QDir(paths.back()).filePath(name);
            QFile out(file);
            const QChar kind = folders[i];
            if (kind == u'f')
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
            else if (kind == u'd')
                QVERIFY(QDir().mkpath(file));
            else if (kind != u'-')
                QVERIFY(out.open(QIODevice::WriteOnly));
            if (kind == u'm')
                out.write(u"# From %1\n\n## Topic\n"_qs.arg(i).toUtf8());
            else if (kind == u'b')
                out.write(QByteArray("# PNG\0\x01\x02", 9));
            else if (kind == u'h')
                QVERIFY(out.resize(kMaxHelpFileBytes + 1));
        }
        // A name with folders in it still names a file in the folders searched.
        const FoundManual found = findHelpManual(u"../../"_qs + name, paths, Language::English);
        QFETCH(QString, usedFrom);
        const bool builtIn = usedFrom == u"built-in";
        QCOMPARE(found.path,
                 builtIn ? u":/manual/"_qs + name : QDir(paths[usedFrom.toInt()]).filePath(name));
        if (!builtIn)
            QCOMPARE(HelpManual::parse(found.markdown).title, u"From "_qs + usedFrom);
        else
            QVERIFY(!HelpManual::parse(found.markdown).topics.empty());
        QTEST(int(found.problems.count(u'\n')), "refused");
    }

    // Steps: "link text" clicks a link, "<" Back, ">" Forward, "/word" finds, "?word" finds
    // backward, "^" Contents; after each, the topic shown ("" for the index).
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
        row("contents from a topic", "Keys|^", "keys|");
    }
    void helpWindow()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        HelpWindow help(FoundManual{kManual, u"/x/USERMANUAL.hlp"_qs, {}}, Language::English);
        help.show();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        HelpBrowser &browser = help.browser();
        // A heading inside a code block is no topic.
        QCOMPARE(browser.manual().topics.size(), std::size_t(3));
        const QStringList expected = shown.split(u'|');
        int done = 0;
        for (const QString &step : steps.split(u'|')) {
            const std::map<QString, Qt::Key> keys{
                {u"<"_qs, Qt::Key_Left}, {u">"_qs, Qt::Key_Right}, {u"^"_qs, Qt::Key_Home}};
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
        QStringList asked;
        for (const QString &request : std::as_const(f.platform.open.seenHelp))
            asked << request.section(u'|', 0, 1) + u'|' + request.section(u'|', 3);
        QCOMPARE(asked, QStringList({text(Language::English, Text::HelpFile) + u"||English"_qs,
                                     text(Language::Malay, Text::HelpFile) + u"||Malay"_qs}));
        QVERIFY(text(Language::English, Text::HelpFile) != text(Language::Malay, Text::HelpFile));
    }

    // Every control a screen reader reaches has a role and something to say, in the order the
    // eye reads them.
    void everyControlIsNamed_data()
    {
        columns<QString>({"window"});
        for (const char *window : {"frmMain", "frmMainMalay", "frmIntro", "frmLR", "frmShift",
                                   "frmIntro Malay", "frmLR Malay", "frmShift Malay", "frmSplash",
                                   "frmAbout", "frmAscConverter", "frmHelp"})
            row(window, QString::fromLatin1(window));
    }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        WindowFixture f;
        QStringList problems;
        withWindow(f, window, [&](QWidget &shown) {
            QVERIFY(QTest::qWaitForWindowExposed(&shown));
            problems = screenReaderProblems(QAccessible::queryAccessibleInterface(&shown));
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
    }

    // The parts without a caption are told by a name of their own in each language: the
    // keyboard as a group, not a window, and the next character's box by what it is.
    void partsNamedForScreenReaders_data()
    {
        columns<QString>({"window"});
        row("main window", "frmMain");
        row("tutorial", "frmLR");
    }
    void partsNamedForScreenReaders()
    {
        QFETCH(QString, window);
        QMap<QString, QString> english, malay;
        for (const QString &language : {u""_qs, u" Malay"_qs}) {
            WindowFixture f;
            const QString name = language.isEmpty()     ? window
                                 : window == u"frmMain" ? u"frmMainMalay"_qs
                                                        : window + language;
            withWindow(f, name, [&](QWidget &shown) {
                QMap<QString, QString> &names = language.isEmpty() ? english : malay;
                for (QWidget *part : shown.findChildren<QWidget *>()) {
                    if (!part->accessibleDescription().isEmpty() ||
                        part->objectName() == u"fraKeyboard")
                        names[part->objectName()] = part->accessibleName();
                }
                const auto role = [&](const char *part) {
                    QWidget *found = shown.findChild<QWidget *>(QLatin1String(part));
                    return found ? QAccessible::queryAccessibleInterface(found)->role()
                                 : QAccessible::Grouping;
                };
                QCOMPARE(role("fraKeyboard"), QAccessible::Grouping);
                if (shown.findChild<QWidget *>(u"lblNextLtr"_qs))
                    QCOMPARE(role("lblNextLtr"), QAccessible::StaticText);
            });
        }
        QVERIFY(english.contains(u"fraKeyboard"_qs));
        QCOMPARE(english.keys(), malay.keys());
        for (const QString &part : english.keys()) {
            QVERIFY2(!english[part].isEmpty() && english[part] != malay[part], qPrintable(part));
        }
    }

    // A screen reader hears nothing of a window until it is shown, so that it never keeps the
    // states of a control read while the control was hidden.
    void hiddenWindowsKeptFromScreenReaders_data()
    {
        columns<QString, QAccessible::Event, bool>({"what", "type", "reaches"});
        row("a label of the main window behind the splash", "hidden label",
            QAccessible::NameChanged, false);
        row("the hidden main window itself", "hidden window", QAccessible::NameChanged, false);
        row("a window that went out of sight", "hidden window", QAccessible::ObjectHide, true);
        row("a label of the shown main window", "shown label", QAccessible::NameChanged, true);
        row("a menu item, which is no widget", "action", QAccessible::NameChanged, true);
    }
    void hiddenWindowsKeptFromScreenReaders()
    {
        QFETCH(QString, what);
        Desktop d;
        MainWindow &window = d.windows.frmMain();
        if (what.startsWith(u"shown"))
            window.show();
        QObject *object = what == u"action"          ? window.findChild<QAction *>("mnuFileOpen")
                          : what.endsWith(u"window") ? static_cast<QObject *>(&window)
                                                     : window.findChild<QLabel *>("lblSpeed");
        QFETCH(QAccessible::Event, type);
        QAccessibleEvent event(object, type);
        QTEST(reachesScreenReader(event), "reaches");
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
        row("the timer twice after a click and a key", "cktt", 1);
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
