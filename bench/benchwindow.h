// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "benchplatform.h"

#include "shell/mainwindows.h"

namespace keyvora {
class InputBoxWidget;
class MainWindow;
class SourceBoxWidget;
} // namespace keyvora

namespace keyvora::bench {

// The program's main window, shown offscreen with the boxes and clocks the bench chose, and the
// few things the bench does to it as a learner would.
class BenchWindow {
public:
    BenchWindow(Boxes boxes, Clocks clocks);
    ~BenchWindow();

    MainWindow &window() { return m_window; }
    MainWindows &windows() { return m_windows; }
    BenchPlatform &platform() { return m_platform; }
    InputBoxWidget &input() { return *m_input; }
    SourceBoxWidget &source() { return *m_source; }

    // Makes this the active window, so that its input box has the focus and its caret.
    void activate();
    // File > Open, the dialog answering with the path.
    void open(const QString &path);
    // Everything waiting in the event loop, the paint of what changed among it.
    static void settle();
    // Key press and release of one character into the input box.
    void typeKey(QChar c);
    // The learner's input holding this many characters, as if pasted.
    void fillInput(qsizetype length);
    // One of the window's tickers, by its name there ("tmrSpeed").
    BenchTicker &ticker(const char *name) const;
    // Fires one of the window's tickers when it is running.
    void tickIfRunning(const char *name);

    // Paints of the input box since the window opened.
    int inputPaints() const { return m_inputPaints; }

private:
    class PaintCounter;

    BenchPlatform m_platform;
    MainWindows m_windows;
    MainWindow &m_window;
    InputBoxWidget *m_input;
    SourceBoxWidget *m_source;
    int m_inputPaints = 0;
    std::unique_ptr<PaintCounter> m_paintCounter;
};

} // namespace keyvora::bench
