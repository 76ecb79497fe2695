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

// "\b" Backspace, "\r" Enter, "\x1b" Escape, "⇧" Shift alone, "^x" Ctrl with x, "|" moves to the
// other box; every other character is typed as itself.
void typeInto(QLineEdit *characterBox, QLineEdit *codeBox, const QString &keys)
{
    QLineEdit *box = characterBox;
    const QList<uint> points = keys.toUcs4();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const char32_t c = points[i];
        if (c == U'|') {
            box = box == characterBox ? codeBox : characterBox;
            box->setFocus();
        } else if (c == U'\b') {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (c == U'\r') {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (c == U'\x1b') {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (c == U'⇧') {
            QTest::keyClick(box, Qt::Key_Shift, Qt::ShiftModifier);
        } else if (c == U'^') {
            QTest::keyClick(box, char(points[++i]), Qt::ControlModifier);
        } else if (c == U'⌦') { // Delete, with the text X11 gives it
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, u"\x7f"_qs, Qt::NoModifier);
        } else if (c == U'⌥') { // Ctrl+Alt+A, which types the next character (AltGr on Windows)
            const char32_t typed = points[++i];
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_A, QString::fromUcs4(&typed, 1),
                                Qt::ControlModifier | Qt::AltModifier);
        } else if (c < 128) {
            QTest::keyClick(box, char(c));
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
        }
    }
}

QByteArray withZero(const char *text)
{
    return QByteArray(text, qsizetype(qstrlen(text) + 1));
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

// The shown controls under the interface that a screen reader could not name.
QStringList namelessControls(QAccessibleInterface *at)
{
    QStringList nameless;
    for (int i = 0; at && i < at->childCount(); ++i) {
        QAccessibleInterface *child = at->child(i);
        if (!child || child->state().invisible)
            continue;
        const QObject *object = child->object();
        // Frames, bars and Qt's own inner parts speak through what they hold.
        const bool container = child->childCount() > 0 ||
                               (object && object->objectName().startsWith(QLatin1String("qt_"))) ||
                               child->role() == QAccessible::ScrollBar;
        const bool said = !child->text(QAccessible::Name).trimmed().isEmpty() ||
                          !child->text(QAccessible::Description).trimmed().isEmpty();
        if (!container && (child->role() == QAccessible::NoRole || !said)) {
            nameless << QStringLiteral("%1 (%2, role %3)")
                            .arg(object ? object->objectName() : QString(),
                                 object ? QString::fromLatin1(object->metaObject()->className())
                                        : QString())
                            .arg(int(child->role()));
        }
        nameless += namelessControls(child);
    }
    return nameless;
}

// Pairs of shown controls under the interface that a screen reader meets in another order than
// the eye: a later one wholly above an earlier one, or beside it in the same band but to its left.
QStringList outOfReadingOrder(QAccessibleInterface *at)
{
    QStringList wrong;
    std::vector<QAccessibleInterface *> shown;
    for (int i = 0; at && i < at->childCount(); ++i) {
        QAccessibleInterface *child = at->child(i);
        if (child && !child->state().invisible && !child->rect().isEmpty())
            shown.push_back(child);
    }
    const auto name = [](QAccessibleInterface *a) {
        return a->object() ? a->object()->objectName() + u':' + a->text(QAccessible::Name)
                           : a->text(QAccessible::Name);
    };
    for (size_t i = 0; i < shown.size(); ++i) {
        const QRect early = shown[i]->rect();
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const QRect late = shown[j]->rect();
            const bool above = late.bottom() < early.top();
            const bool sameBand = late.top() <= early.bottom() && early.top() <= late.bottom();
            if (above || (sameBand && late.right() < early.left()))
                wrong << name(shown[i]) + QStringLiteral(" before ") + name(shown[j]);
        }
        wrong += outOfReadingOrder(shown[i]);
    }
    return wrong;
}

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void converterKeys_data()
    {
        columns<QString, QString, QString, QString>({"keys", "character", "code", "said"});
        row("the last of two letters", "Ab", "b", "98", "ASCII code: 98");
        row("space", " ", " ", "32", "ASCII code: 32");
        row("Backspace shows 8, box empty", "a\b", "", "8", "ASCII code: 8");
        row("Enter 13, window stays", "\r", "", "13", "ASCII code: 13");
        row("Escape 27, window stays", "\x1b", "", "27", "ASCII code: 27");
        row("Ctrl with a letter", "^a", "", "1", "ASCII code: 1");
        row("Ctrl with the last letter", "x^z", "", "26", "ASCII code: 26");
        row("Shift alone changes nothing", "q⇧", "q", "113", "ASCII code: 113");
        row("Delete types no character", "q⌦", "q", "113", "ASCII code: 113");
        row("Ctrl+Alt with a letter types what the layout gives", "⌥ą", "ą", "261",
            "ASCII code: 261");
        row("code box text stays", "A|xy", "A", "65xy", "ASCII code: 65");
        row("next key clears code box", "A|xy|B", "B", "66", "ASCII code: 66");
        row("Windows-1252 letter", "é", "é", "233", "ASCII code: 233");
        row("Windows-1252 quote", "“", "“", "147", "ASCII code: 147");
        row("euro sign", "€", "€", "128", "ASCII code: 128");
        row("outside Windows-1252: code point", "Ł", "Ł", "321", "ASCII code: 321");
        row("outside the 16-bit range", "😀", "😀", "128512", "ASCII code: 128512");
    }
    void converterKeys()
    {
        QFETCH(QString, keys);
        WindowFixture f;
        f.platform.screenReader = true;
        bool stayedOpen = false;
        QString character, code;
        f.platform.whenModal = [&](QDialog &dialog) {
            auto *characterBox = dialog.findChild<QLineEdit *>(QStringLiteral("Text1"));
            auto *codeBox = dialog.findChild<QLineEdit *>(QStringLiteral("Text2"));
            QVERIFY(characterBox->hasFocus());
            QVERIFY(characterBox->text().isEmpty() && codeBox->text().isEmpty());
            typeInto(characterBox, codeBox, keys);
            stayedOpen = dialog.isVisible();
            character = characterBox->text();
            code = codeBox->text();
        };
        QTest::keyClick(f.rtbInput, Qt::Key_F9);
        QCOMPARE(f.platform.modalsShown, QStringList{"frmAscConverter"});
        QVERIFY(stayedOpen);
        QTEST(character, "character");
        QTEST(code, "code");
        // Each key's code is said as it shows, in the caption's language, English.
        QTEST(f.platform.spoken.value(f.platform.spoken.size() - 1), "said");
        QVERIFY(f.platform.languages.endsWith(QStringLiteral("en")));
        QCOMPARE(focused(), f.rtbInput);
    }

    void systemInfo_data()
    {
        columns<QByteArray, quint32, QByteArray, bool, QStringList, bool, QString>(
            {"pathValue", "pathType", "directory", "msinfoThere", "onPath", "startWorks",
             "started"});
        const QStringList none;
        row("first value with its zero", withZero("C:\\Tools\\msinfo.exe"), 1u, QByteArray(), false,
            none, true, "C:\\Tools\\msinfo.exe");
        row("first value without zero", QByteArray("C:\\msinfo"), 1u, QByteArray(), false, none,
            true, "C:\\msinfo");
        row("first value of type DWORD", QByteArray("\x01\x02\x0a\x30", 4), 4u, QByteArray(), false,
            none, true, "&h30A21");
        row("first value of another type: message", withZero("C:\\x"), 7u, QByteArray(), false,
            none, true, "");
        row("second value with the program", QByteArray(), 1u, withZero("C:\\Shared"), true, none,
            true, "C:\\Shared\\MSINFO32.EXE");
        row("second value without the program: message", QByteArray(), 1u, withZero("C:\\Shared"),
            false, none, true, "");
        row("no registry, first installed program", QByteArray(), 1u, QByteArray(), false,
            QStringList{"gnome-system-monitor", "kinfocenter"}, true, "/usr/bin/kinfocenter");
        row("no registry, nothing installed: message", QByteArray(), 1u, QByteArray(), false, none,
            true, "");
        row("start fails: message", QByteArray(), 1u, QByteArray(), false, QStringList{"hardinfo"},
            false, "");
    }
    void systemInfo()
    {
        QFETCH(QByteArray, pathValue);
        QFETCH(quint32, pathType);
        QFETCH(QByteArray, directory);
        QFETCH(bool, msinfoThere);
        QFETCH(QString, started);
        WindowFixture f;
        FakeRegistry &registry = f.platform.fakeRegistry;
        if (!pathValue.isNull())
            registry.keys[QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")]
                         [QStringLiteral("PATH")] = {pathType, pathValue};
        if (!directory.isNull())
            registry.keys[QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location")]
                         [QStringLiteral("MSINFO")] = {Registry::REG_SZ, directory};
        if (msinfoThere)
            f.platform.fakeLauncher.files = {QStringLiteral("C:\\Shared\\MSINFO32.EXE")};
        QFETCH(QStringList, onPath);
        QFETCH(bool, startWorks);
        f.platform.fakeLauncher.onPath = onPath;
        f.platform.fakeLauncher.startWorks = startWorks;
        bool openAfter = false;
        f.platform.whenModal = [&](QDialog &dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")),
                              Qt::LeftButton);
            openAfter = dialog.isVisible();
        };
        f.action("mnuHelpAbout")->trigger();
        QCOMPARE(f.platform.modalsShown, QStringList{"frmAbout"});
        QVERIFY(openAfter);
        QCOMPARE(registry.openKeys, 0);
        const QStringList &tried = f.platform.fakeLauncher.started;
        if (started.isEmpty()) {
            QCOMPARE(f.platform.messages.size(), std::size_t(1));
            QCOMPARE(f.platform.messages[0].text,
                     QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(f.platform.messages[0].title, QStringLiteral("Keyvora"));
            QVERIFY(tried.isEmpty() || !startWorks);
        } else {
            QCOMPARE(tried, QStringList{started});
            QVERIFY(f.platform.messages.empty());
        }
    }

    void aboutCloses_data()
    {
        columns<int>({"key"});
        row("Enter", int(Qt::Key_Return));
        row("Escape", int(Qt::Key_Escape));
        row("OK clicked", 0);
    }
    void aboutCloses()
    {
        QFETCH(int, key);
        WindowFixture f;
        bool closed = false;
        QString caption, version;
        f.platform.whenModal = [&](QDialog &dialog) {
            caption = dialog.windowTitle();
            version = dialog.findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
            if (key == 0)
                QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
            else
                QTest::keyClick(focused(), Qt::Key(key));
            closed = !dialog.isVisible();
        };
        f.action("mnuHelpAbout")->trigger();
        QVERIFY(closed);
        QCOMPARE(caption, QStringLiteral("About Keyvora"));
        QCOMPARE(version, QStringLiteral("Presentation Version 0.5"));
        QCOMPARE(focused(), f.rtbInput);
    }

    // The real launcher: a program found on PATH is started with an argument vector and an
    // environment of PATH alone; with nothing on PATH the learner gets the message.
    void realLauncher()
    {
        QTemporaryDir dir;
        const QString seen = dir.filePath(QStringLiteral("seen"));
        QFile program(dir.filePath(QStringLiteral("hardinfo")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(QStringLiteral("#!/bin/sh\n/usr/bin/env > '%1.part'\necho \"$#\" >> "
                                     "'%1.part'\n/bin/mv '%1.part' '%1'\n")
                          .arg(seen)
                          .toLocal8Bit());
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("KEYVORA_NOT_FOR_CHILDREN", "secret");
        FakePlatform platform;
        EmptyRegistry registry;
        QtProgramLauncher launcher;
        AboutBox about(platform, registry, launcher);
        qputenv("PATH", QFile::encodeName(dir.path()));
        about.StartSysInfo();
        qputenv("PATH", "");
        about.StartSysInfo();
        qputenv("PATH", oldPath);
        qunsetenv("KEYVORA_NOT_FOR_CHILDREN");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(seen), 10000);
        QFile output(seen);
        QVERIFY(output.open(QIODevice::ReadOnly));
        const QString text = QString::fromLocal8Bit(output.readAll());
        QVERIFY(text.contains(QStringLiteral("PATH=") + dir.path()));
        QVERIFY(!text.contains(QStringLiteral("KEYVORA_NOT_FOR_CHILDREN")));
        QVERIFY(text.endsWith(QStringLiteral("\n0\n")));
        QCOMPARE(platform.messages.size(), std::size_t(1));
    }

    // Each folder holds the manual or something hostile under its name: "m" the manual, "-"
    // nothing, "f" a FIFO, "h" a huge file, "b" binary bytes, "d" a folder.
    void helpSearchOrder_data()
    {
        columns<QString, QString, int>({"folders", "usedFrom", "refused"});
        row("the current folder first", "mmm", "0", 0);
        row("beside the program next", "-mm", "1", 0);
        row("the data folder last", "--m", "2", 0);
        row("nothing anywhere: the built-in copy", "---", "built-in", 0);
        row("a FIFO passed over", "fm-", "1", 1);
        row("a huge file passed over", "h--", "built-in", 1);
        row("binary bytes passed over", "-bm", "2", 1);
        row("a folder of that name passed over", "dbf", "built-in", 3);
    }
    void helpSearchOrder()
    {
        QFETCH(QString, folders);
        QTemporaryDir root;
        QStringList paths;
        const QString name = QStringLiteral("USERMANUAL.hlp");
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
            else if (kind == u'm' || kind == u'b' || kind == u'h')
                QVERIFY(out.open(QIODevice::WriteOnly));
            if (kind == u'm')
                out.write(QStringLiteral("# From %1\n\n## Topic\n").arg(i).toUtf8());
            else if (kind == u'b')
                out.write(QByteArray("# PNG\0\x01\x02", 9));
            else if (kind == u'h')
                QVERIFY(out.resize(kMaxHelpFileBytes + 1));
        }
        // A name with folders in it still names a file in the folders searched.
        const FoundManual found =
            findHelpManual(QStringLiteral("../../") + name, paths, Language::English);
        QFETCH(QString, usedFrom);
        const bool builtIn = usedFrom == u"built-in";
        QCOMPARE(found.path, builtIn ? QStringLiteral(":/manual/") + name
                                     : QDir(paths[usedFrom.toInt()]).filePath(name));
        if (!builtIn)
            QCOMPARE(HelpManual::parse(found.markdown).title, QStringLiteral("From ") + usedFrom);
        else
            QVERIFY(!HelpManual::parse(found.markdown).topics.empty());
        QTEST(int(found.problems.count(u'\n')), "refused");
    }

    // Steps: "link text" clicks a link, "<" Back, ">" Forward, "/word" finds, "?word" finds
    // backward, "^" Contents; after each, the topic shown ("" for the index).
    void helpWindow_data()
    {
        columns<QStringList, QStringList>({"steps", "shown"});
        const auto list = [](const char *items) { return QString::fromUtf8(items).split(u'|'); };
        row("index lists the topics, a link opens one", list("Starting|the figures"),
            list("starting|figures-and-speed"));
        row("links out or to no topic go nowhere", list("Starting|away|lost"),
            list("starting|starting|starting"));
        row("back and forward", list("Starting|the figures|<|<|>"),
            list("starting|figures-and-speed|starting||starting"));
        row("find moves on to the topic that has it", list("/speed|/speed|/speed|/speed"),
            list("|figures-and-speed|figures-and-speed|keys"));
        row("find backward wraps round", list("Keys|?words"), list("keys|figures-and-speed"));
        row("contents from a topic", list("Keys|^"), list("keys|"));
    }
    void helpWindow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        HelpWindow help(FoundManual{kManual, QStringLiteral("/x/USERMANUAL.hlp"), {}},
                        Language::English);
        help.show();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        HelpBrowser &browser = help.browser();
        QCOMPARE(browser.manual().topics.size(), std::size_t(3));
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString &step = steps[i];
            if (step == u"<")
                QTest::keyClick(&browser, Qt::Key_Left, Qt::AltModifier);
            else if (step == u">")
                QTest::keyClick(&browser, Qt::Key_Right, Qt::AltModifier);
            else if (step == u"^")
                QTest::keyClick(&browser, Qt::Key_Home, Qt::AltModifier);
            else if (step.startsWith(u'/') || step.startsWith(u'?'))
                QVERIFY(help.find(step.mid(1), step.startsWith(u'?')));
            else
                clickLink(browser, step);
            QCOMPARE(browser.shownTopic(), shown[i]);
        }
    }

    // The Malay window asks for the Malay manual, shown in Malay; either way, the keyword is
    // empty and the command the keyword lookup.
    void helpContents()
    {
        WindowFixture f;
        QTest::keyClick(f.rtbInput, Qt::Key_F1);
        WindowView malay = f.malay();
        malay.action("mnuHelpContents")->trigger();
        QCOMPARE(f.platform.open.seenHelp,
                 QStringList({"USERMANUAL.hlp||257|English", "USERMANUAL_BM.hlp||257|Malay"}));
    }

    void helpClosesToTheInputBox()
    {
        WindowFixture f;
        QtCommonDialog dialog(&f.window);
        dialog.setHelpFile(text(Language::Malay, Text::HelpFile));
        dialog.setHelpLanguage(Language::Malay);
        dialog.showHelp();
        HelpWindow *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            help = help ? help : qobject_cast<HelpWindow *>(window);
        QVERIFY(help && QTest::qWaitForWindowActive(help));
        QCOMPARE(help->windowTitle(), QStringLiteral("Bantuan Keyvora"));
        QPointer<HelpWindow> gone(help);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(gone.isNull() || !gone->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(focused(), f.rtbInput);
    }

    // Every control a screen reader reaches has a role and something to say: its caption, or
    // for a control without one, a description of what it is; and it meets them in the order
    // the eye reads them.
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
        QStringList nameless;
        QStringList disordered;
        const auto walk = [&](QWidget &shown) {
            QVERIFY(QTest::qWaitForWindowExposed(&shown));
            nameless += namelessControls(QAccessible::queryAccessibleInterface(&shown));
            disordered += outOfReadingOrder(QAccessible::queryAccessibleInterface(&shown));
        };
        const bool malay = window.endsWith(QLatin1String(" Malay"));
        const QString name = window.section(u' ', 0, 0);
        if (name == u"frmMain") {
            walk(f.window);
        } else if (name == u"frmMainMalay") {
            walk(f.malay().window);
        } else if (name == u"frmSplash") {
            Splash splash(f.platform, [] {});
            splash.show();
            walk(splash);
        } else if (name == u"frmHelp") {
            HelpWindow help(findHelpManual(QStringLiteral("USERMANUAL.hlp"), {}, Language::English),
                            Language::English);
            help.show();
            walk(help);
        } else {
            f.platform.whenModal = [&](QDialog &dialog) {
                if (malay)
                    dialog.findChild<QPushButton *>(QStringLiteral("cmdBM"))->click();
                walk(dialog);
            };
            const char *action = name == u"frmIntro"   ? "mnuLesTutIntro"
                                 : name == u"frmLR"    ? "mnuLesTutLR"
                                 : name == u"frmShift" ? "mnuLesTutShift"
                                 : name == u"frmAbout" ? "mnuHelpAbout"
                                                       : "mnuToolsAsc";
            f.action(action)->trigger();
            QCOMPARE(f.platform.modalsShown, QStringList{name});
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", ")));
        QVERIFY2(disordered.isEmpty(), qPrintable(disordered.join(u", ")));
    }

    // Parts that speak through their name and role rather than a caption: what a screen reader
    // says of them, in the language of the window.
    void partsNamedForScreenReaders_data()
    {
        columns<QString, QString, QString, QAccessible::Role>({"window", "part", "name", "role"});
        row("the keyboard is a named group, not a window frame", "frmMain", "fraKeyboard",
            "On-screen keyboard", QAccessible::Grouping);
        row("the keyboard in Malay", "frmMainMalay", "fraKeyboard", "Papan kekunci pada skrin",
            QAccessible::Grouping);
        row("the tutorial's keyboard", "frmLR", "fraKeyboard", "On-screen keyboard",
            QAccessible::Grouping);
        row("the tutorial's keyboard in Malay", "frmLR Malay", "fraKeyboard",
            "Papan kekunci pada skrin", QAccessible::Grouping);
        row("the next character's box by what it shows, not by its letter", "frmMain", "lblNextLtr",
            "The next character to type", QAccessible::StaticText);
        row("the next character's box in Malay", "frmMainMalay", "lblNextLtr",
            "Aksara seterusnya untuk ditaip", QAccessible::StaticText);
        row("the splash by the program's name, and no frame", "frmSplash", "frmSplash", "Keyvora",
            QAccessible::Dialog);
    }
    void partsNamedForScreenReaders()
    {
        QFETCH(QString, window);
        QFETCH(QString, part);
        WindowFixture f;
        QString name;
        QAccessible::Role role = QAccessible::NoRole;
        const auto read = [&](QWidget &shown) {
            QObject *object =
                shown.objectName() == part ? &shown : shown.findChild<QWidget *>(part);
            QVERIFY(object);
            QAccessibleInterface *at = QAccessible::queryAccessibleInterface(object);
            name = at->text(QAccessible::Name);
            role = at->role();
        };
        if (window == u"frmMain") {
            read(f.window);
        } else if (window == u"frmMainMalay") {
            read(f.malay().window);
        } else if (window == u"frmSplash") {
            Splash splash(f.platform, [] {});
            read(splash);
        } else {
            f.platform.whenModal = [&](QDialog &dialog) {
                if (window.endsWith(QLatin1String(" Malay")))
                    dialog.findChild<QPushButton *>(QStringLiteral("cmdBM"))->click();
                read(dialog);
            };
            f.action("mnuLesTutLR")->trigger();
        }
        QTEST(name, "name");
        QTEST(role, "role");
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
        QVERIFY(object);
        QFETCH(QAccessible::Event, type);
        QAccessibleEvent event(object, type);
        QTEST(reachesScreenReader(event), "reaches");
    }

    // t: the timer, k: a character key, c: a click on the free frame, s: Shift alone,
    // l: a click on a label, g: a click on the logo.
    void splashLeavesOnce_data()
    {
        columns<QString, int>({"events", "leaves"});
        row("timer", "t", 1);
        row("key", "k", 1);
        row("frame click", "c", 1);
        row("Shift alone", "s", 0);
        row("label click", "l", 0);
        row("logo click", "g", 0);
        row("timer, key, click", "tkc", 1);
        row("key, click, timer", "kct", 1);
        row("click, timer, key", "ctk", 1);
        row("Shift and label, then timer", "slgt", 1);
        row("click, key, timer twice", "cktt", 1);
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
        QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblProductName"))->text(),
                 QStringLiteral("Keyvora"));
        auto *frame = splash.findChild<QWidget *>(QStringLiteral("Frame1"));
        const QPoint freeArea(frame->width() / 2, frame->height() - 4);
        for (QChar event : events) {
            if (event == u't')
                platform.fire(u"frmSplash.tmrSplash"_qs);
            else if (event == u'k')
                QTest::keyClick(&splash, Qt::Key_Space);
            else if (event == u's')
                QTest::keyClick(&splash, Qt::Key_Shift, Qt::ShiftModifier);
            else if (event == u'c')
                QTest::mouseClick(frame, Qt::LeftButton, {}, freeArea);
            else
                QTest::mouseClick(splash.findChild<QWidget *>(event == u'l'
                                                                  ? QStringLiteral("lblPlatform")
                                                                  : QStringLiteral("imgLogo")),
                                  Qt::LeftButton);
        }
        QTEST(left, "leaves");
        QCOMPARE(splash.isVisible(), left == 0);
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
