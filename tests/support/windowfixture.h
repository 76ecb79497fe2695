// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reference.h"

#include "boxes/boxwidgets.h"
#include "shell/commondialog.h"
#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/platform.h"
#include "shell/qtplatform.h"
#include "shell/registry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <vector>

namespace keyvora::test {

// What the open dialog answers, and what it was asked with.
struct OpenScript {
    QString answer; // empty: the learner cancels
    QString seenInitDir;
    QStringList seenHelp; // file and language of each help request
};

class FakeCommonDialog final : public CommonDialog {
public:
    explicit FakeCommonDialog(OpenScript &script)
        : m_script(script)
    {
    }
    bool showOpen() override
    {
        m_script.seenInitDir = initDir();
        if (m_script.answer.isEmpty())
            return false;
        setFileName(m_script.answer);
        return true;
    }
    void showHelp() override
    {
        m_script.seenHelp << helpFile() + (helpLanguage() == Language::Malay ? u"|Malay"_qs
                                                                             : u"|English"_qs);
    }

private:
    OpenScript &m_script;
};

// A registry as a plain user sees it: values can be read, keys cannot be opened for writing.
class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray data;
    };
    bool open(Key root, const QString &path, std::uint32_t access, Key &key) override
    {
        if (root != HKEY_LOCAL_MACHINE || !keys.contains(path) || (access & ~KEY_READ) != 0)
            return false;
        key = Key(keys.keys().indexOf(path) + 1);
        ++openKeys;
        return true;
    }
    bool query(Key key, const QString &name, int bufferBytes, std::uint32_t &type,
               QByteArray &data) override
    {
        const auto &values = keys[keys.keys().at(int(key) - 1)];
        if (!values.contains(name) || values[name].data.size() > bufferBytes)
            return false;
        type = values[name].type;
        data = values[name].data;
        return true;
    }
    void close(Key) override { --openKeys; }

    QMap<QString, QMap<QString, Value>> keys;
    int openKeys = 0;
};

class FakeLauncher final : public ProgramLauncher {
public:
    bool exists(const QString &path) const override { return files.contains(path); }
    QString findOnPath(const QString &program) const override
    {
        return onPath.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    }
    bool startDetached(const QString &path, const QStringList &) override
    {
        started.push_back(path);
        return true;
    }

    QStringList files;
    QStringList onPath;
    QStringList started;
};

struct Message {
    QString title;
    QString text;
    Platform::Buttons buttons;
};

// A timer of the fake desktop: it ticks when the test says so, by its name.
class FakeTicker final : public Ticker {
public:
    FakeTicker(std::vector<FakeTicker *> &all, QString named, std::function<void()> handler)
        : name(std::move(named))
        , onTick(std::move(handler))
        , m_all(all)
    {
        m_all.push_back(this);
    }
    ~FakeTicker() override { std::erase(m_all, this); }
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    const QString name;
    const std::function<void()> onTick;

private:
    std::vector<FakeTicker *> &m_all;
    bool m_active = false;
};

// The real boxes, with everything that would block or wait replaced.
class FakePlatform final : public Platform {
public:
    std::unique_ptr<Ticker> makeTicker(const QString &name, std::function<void()> onTick,
                                       int) override
    {
        return std::make_unique<FakeTicker>(m_tickers, name, std::move(onTick));
    }
    // Whether the timer of that name ("frmMain.tmrSpeed") is running.
    bool running(const QString &name) const { return ticker(name).isActive(); }
    // One tick of the named timer, as the desktop would deliver it: only while it runs.
    void fire(const QString &name)
    {
        if (FakeTicker &found = ticker(name); found.isActive())
            found.onTick();
    }
    void beep() override { ++beeps; }
    void quit() override { ++quits; }
    void message(QWidget *, const QString &title, const QString &text, Buttons buttons) override
    {
        messages.push_back({title, text, buttons});
    }
    std::unique_ptr<CommonDialog> makeCommonDialog(QWidget *) override
    {
        return std::make_unique<FakeCommonDialog>(open);
    }
    bool screenReaderActive() const override { return screenReader; }
    void announce(const QString &message, const QString &language) override
    {
        if (!screenReader)
            qFatal("something was said with no screen reader to say it");
        spoken << message;
        languages << language;
    }
    void hushAnnouncements() override { ++hushes; }
    // The window shows without blocking; the test's script plays the learner, then it closes.
    int showModal(QDialog &dialog) override
    {
        modalsShown.push_back(dialog.objectName());
        dialog.setResult(QDialog::Rejected);
        QWidget *owner = QApplication::activeWindow();
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        // Access keys reach only the active window.
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog))
            qFatal("a modal window never became active");
        if (whenModal)
            whenModal(dialog);
        dialog.hide();
        // As on the desktop, the window that opened it is active again.
        if (owner)
            QApplication::setActiveWindow(owner);
        return dialog.result();
    }
    SourceBoxWidget *makeSourceBox(QWidget *parent) override
    {
        return m_real.makeSourceBox(parent);
    }
    InputBoxWidget *makeInputBox(QWidget *parent) override { return m_real.makeInputBox(parent); }
    QStringList dataFolders() const override { return dataFolderList; }
    Registry &registry() override { return fakeRegistry; }
    ProgramLauncher &launcher() override { return fakeLauncher; }

    int beeps = 0;
    int quits = 0;
    bool screenReader = false;
    QStringList spoken;
    QStringList languages; // of each announcement
    int hushes = 0;
    std::vector<Message> messages;
    OpenScript open;
    std::function<void(QDialog &)> whenModal;
    QStringList modalsShown;
    QStringList dataFolderList; // none: no practice library is installed
    FakeRegistry fakeRegistry;
    FakeLauncher fakeLauncher;

private:
    FakeTicker &ticker(const QString &name) const
    {
        const auto found = std::find_if(m_tickers.begin(), m_tickers.end(),
                                        [&name](const FakeTicker *t) { return t->name == name; });
        if (found == m_tickers.end())
            qFatal("no timer is named %s", qPrintable(name));
        return **found;
    }

    QtPlatform m_real;
    std::vector<FakeTicker *> m_tickers; // in the order they were made
};

// One main window as the learner sees it.
struct WindowView {
    WindowView(MainWindow &shown, FakePlatform &platform)
        : window(shown)
        , desktop(platform)
        , rtbInput(window.findChild<InputBoxWidget *>(QStringLiteral("rtbInput")))
        , rtbSource(window.findChild<SourceBoxWidget *>(QStringLiteral("rtbSource")))
    {
    }

    QString label(const char *name) const
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }
    // The four figures as shown: speed, accuracy, word count and duration.
    QString figures() const
    {
        return QStringList{label("lblSpeed"), label("lblAccuracy"), label("lblNumOfWords"),
                           label("lblDuration")}
            .join(u'|');
    }
    QAction *action(const char *name) const
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }

    // "\b" is Backspace, "\r" is Enter and "←" the left arrow; everything else is typed as its
    // character.
    void type(const QString &keys)
    {
        for (QChar c : keys) {
            if (c == u'\b')
                QTest::keyClick(rtbInput, Qt::Key_Backspace);
            else if (c == u'\r')
                QTest::keyClick(rtbInput, Qt::Key_Return);
            else if (c == u'←')
                QTest::keyClick(rtbInput, Qt::Key_Left);
            else if (c.unicode() < 128)
                QTest::keyClick(rtbInput, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, rtbInput, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    // The window's timer of that name ("tmrSpeed").
    QString timer(const char *name) const { return window.objectName() + u'.' + name; }
    bool running(const char *name) const { return desktop.running(timer(name)); }

    // One 100 ms period: each of the window's timers that is running ticks once, the word count
    // first, so that the speed is figured from this period's words.
    void tick(int periods = 1)
    {
        for (int i = 0; i < periods; ++i) {
            for (const char *name : {"tmrCheckNumOfWords", "tmrSpeed", "tmrResetKey"})
                desktop.fire(timer(name));
        }
    }

    MainWindow &window;
    FakePlatform &desktop;
    InputBoxWidget *rtbInput;
    SourceBoxWidget *rtbSource;
};

// The fake desktop and the program's main windows on it.
struct Desktop {
    FakePlatform platform;
    MainWindows windows{platform};
};

// Shows a window as the learner meets it: active, so that menu shortcuts reach it.
inline void activate(QWidget &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the main window never became active");
}

// The English main window as the learner sees it at start, with a fake desktop behind it.
struct WindowFixture : Desktop, WindowView {
    WindowFixture()
        : WindowView(windows.frmMain(), Desktop::platform)
    {
        window.show();
        activate(window);
    }

    // The Malay window after a switch to it, made on the first.
    WindowView malay()
    {
        action("mnuSetLangBM")->trigger();
        activate(*windows.frmMainMalay());
        return WindowView(*windows.frmMainMalay(), Desktop::platform);
    }
};

} // namespace keyvora::test
