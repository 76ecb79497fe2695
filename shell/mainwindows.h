// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/mainwindow.h"

#include <memory>

namespace keyvora {

class Platform;

// The program's two main windows and the one rule for finding the window in use: the English
// window if it is visible, otherwise the Malay one. The Malay window is made the first time the
// learner asks for it; from then on both live, each with its own practice, and a switch only
// hides one and shows the other.
class MainWindows final : public MainWindowHost {
public:
    explicit MainWindows(Platform &platform);
    ~MainWindows() override;

    MainWindow &frmMain() { return *m_frmMain; }
    // Null until the learner first switches to Malay.
    MainWindow *frmMainMalay() { return m_frmMainMalay.get(); }
    MainWindow &active();

    void LoadPracticeText(const QString &text) override;
    void showLanguage(Language language) override;
    void mainWindowClosed() override;

private:
    Platform &m_platform;
    std::unique_ptr<MainWindow> m_frmMain;
    std::unique_ptr<MainWindow> m_frmMainMalay;
};

} // namespace keyvora
