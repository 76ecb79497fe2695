// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"

#include "boxes/boxwidgets.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace keyvora::bench {

class BenchWindow::PaintCounter final : public QObject {
public:
    explicit PaintCounter(int &count)
        : m_count(count)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return QObject::eventFilter(watched, event);
    }

private:
    int &m_count;
};

BenchWindow::BenchWindow(Boxes boxes, Clocks clocks)
    : m_platform(boxes, clocks)
    , m_windows(m_platform)
    , m_window(m_windows.frmMain())
    , m_input(m_window.findChild<InputBoxWidget *>(QStringLiteral("rtbInput")))
    , m_source(m_window.findChild<SourceBoxWidget *>(QStringLiteral("rtbSource")))
    , m_paintCounter(std::make_unique<PaintCounter>(m_inputPaints))
{
    // The stock input box paints through the line edit inside it.
    QWidget *painted = m_input->focusProxy() ? m_input->focusProxy() : m_input;
    painted->installEventFilter(m_paintCounter.get());
    m_window.show();
    activate();
}

BenchWindow::~BenchWindow() = default;

void BenchWindow::activate()
{
    if (m_window.isActiveWindow())
        return;
    m_window.activateWindow();
    if (!QTest::qWaitForWindowActive(&m_window))
        qFatal("the main window never became active");
    settle();
}

void BenchWindow::open(const QString &path)
{
    m_platform.openAnswer = path;
    m_window.findChild<QAction *>(QStringLiteral("mnuFileOpen"))->trigger();
}

void BenchWindow::settle()
{
    QCoreApplication::processEvents();
}

void BenchWindow::typeKey(QChar c)
{
    if (c.unicode() < 128)
        QTest::keyClick(m_input, char(c.unicode()));
    else
        QTest::sendKeyEvent(QTest::Click, m_input, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void BenchWindow::fillInput(qsizetype length)
{
    // Past the end of the text the practice text comes round again, as a paste of it would.
    const QString text = m_source->text();
    const QString body = text.left(text.size() - 1);
    QString filled;
    filled.reserve(length);
    while (filled.size() < length)
        filled += body.left(length - filled.size());
    m_input->setText(filled);
    m_input->setCursorPosition(filled.size());
}

BenchTicker &BenchWindow::ticker(const char *name) const
{
    return m_platform.ticker(m_window.objectName() + u'.' + QLatin1String(name));
}

void BenchWindow::tickIfRunning(const char *name)
{
    BenchTicker &ticker = this->ticker(name);
    if (ticker.isActive())
        ticker.fire();
}

} // namespace keyvora::bench
