// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/mainwindows.h"

#include "shell/platform.h"

namespace keyvora {

MainWindows::MainWindows(Platform &platform)
    : m_platform(platform)
    , m_frmMain(std::make_unique<MainWindow>(Language::English, platform, *this))
{
}

MainWindows::~MainWindows() = default;

// Reads the English window only, so it holds before the Malay one exists.
MainWindow &MainWindows::active()
{
    return m_frmMain->isVisible() || !m_frmMainMalay ? *m_frmMain : *m_frmMainMalay;
}

void MainWindows::LoadPracticeText(const QString &text)
{
    active().loadPracticeText(text);
}

// The order matters to the desktop: to Malay the English window goes first, back to English it
// comes first, so the program always has a window in front of the learner when it returns.
void MainWindows::showLanguage(Language language)
{
    if (language == Language::Malay) {
        if (!m_frmMain->isVisible())
            return;
        m_frmMain->hide();
        if (!m_frmMainMalay)
            m_frmMainMalay = std::make_unique<MainWindow>(Language::Malay, m_platform, *this);
        m_frmMainMalay->present();
    } else {
        if (m_frmMain->isVisible())
            return;
        m_frmMain->present();
        if (m_frmMainMalay)
            m_frmMainMalay->hide();
    }
}

// A hidden twin would keep the program running with no window to close it from: closing the
// window the learner sees ends the program.
void MainWindows::mainWindowClosed()
{
    m_platform.quit();
}

} // namespace keyvora
