#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/qtplatform.h"
#include "shell/splash.h"

#include <QApplication>
#include <QIcon>

#include <optional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYVORA_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(KEYVORA_ID), QIcon(QStringLiteral(":/keyvora/" KEYVORA_ID ".svg"))));
    keyvora::QtPlatform platform;
    // The main windows are built once the splash is on screen, while it waits.
    std::optional<keyvora::MainWindows> windows;
    const auto mainWindows = [&]() -> keyvora::MainWindows & {
        if (!windows)
            windows.emplace(platform);
        return *windows;
    };
    keyvora::Splash splash(platform, [&] { mainWindows().frmMain().present(); });
    splash.whenShown(mainWindows);
    splash.show();
    // Its keys end it, so it takes the keyboard even where a tool window would not.
    splash.activateWindow();
    return QApplication::exec();
}
