#pragma once

#include "lessons/practicetarget.h"

#include <memory>

namespace keyvora {

class MainWindow;
class Platform;

// The program's main windows and the one rule for finding the window in use: the English
// window if it is visible, otherwise the Malay one.
class MainWindows final : public PracticeTarget {
public:
    explicit MainWindows(Platform &platform);
    ~MainWindows() override;

    MainWindow &frmMain() { return *m_frmMain; }
    MainWindow &active();

    void LoadPracticeText(const QString &text) override;

private:
    Platform &m_platform;
    std::unique_ptr<MainWindow> m_frmMain;
};

} // namespace keyvora
