#pragma once

#include "fakeplatform.h"

#include "shell/mainwindow.h"
#include "shell/mainwindows.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace keyvora::test {

// The English main window as the learner sees it, with a fake desktop behind it.
struct WindowFixture {
    WindowFixture()
        : windows(platform)
        , window(windows.frmMain())
        , rtbInput(window.findChild<InputBoxWidget *>(QStringLiteral("rtbInput")))
        , rtbSource(window.findChild<SourceBoxWidget *>(QStringLiteral("rtbSource")))
    {
        window.show();
        // Menu shortcuts only reach the active window.
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window never became active");
    }

    QString label(const char *name) const
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }
    QAction *action(const char *name) const
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }

    // "\b" is Backspace and "\r" is Enter; everything else is typed as its character.
    void type(const QString &keys)
    {
        for (QChar c : keys) {
            if (c == u'\b')
                QTest::keyClick(rtbInput, Qt::Key_Backspace);
            else if (c == u'\r')
                QTest::keyClick(rtbInput, Qt::Key_Return);
            else if (c.unicode() < 128)
                QTest::keyClick(rtbInput, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, rtbInput, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    // One 100 ms period: each timer that is running ticks once.
    void tick(int periods = 1)
    {
        for (int i = 0; i < periods; ++i) {
            if (window.attempt().tmrCheckNumOfWords().isActive())
                window.tmrCheckNumOfWords_Timer();
            if (window.attempt().tmrSpeed().isActive())
                window.tmrSpeed_Timer();
        }
    }

    const AttemptFields &fields() const { return window.attempt().fields(); }

    FakePlatform platform;
    MainWindows windows;
    MainWindow &window;
    InputBoxWidget *rtbInput;
    SourceBoxWidget *rtbSource;
};

} // namespace keyvora::test
