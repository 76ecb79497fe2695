#include "shell/mainwindows.h"

#include "shell/mainwindow.h"

namespace keyvora {

MainWindows::MainWindows(Platform &platform)
    : m_platform(platform)
    , m_frmMain(std::make_unique<MainWindow>(Language::English, platform, *this))
{
}

MainWindows::~MainWindows() = default;

MainWindow &MainWindows::active()
{
    return *m_frmMain;
}

void MainWindows::LoadPracticeText(const QString &text)
{
    active().loadPracticeText(text);
}

} // namespace keyvora
