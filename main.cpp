// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    keyvora::keepHiddenWindowsFromScreenReaders();
    keyvora::QtPlatform platform;
    platform.prepareBell();
    // The icon and the main windows are made once the splash is on screen, while it waits: the
    // frameless splash shows no icon, and the icon theme's lookup would delay its first paint.
    std::optional<keyvora::MainWindows> windows;
    const auto mainWindows = [&]() -> keyvora::MainWindows & {
        if (!windows) {
            QApplication::setWindowIcon(QIcon::fromTheme(
                QStringLiteral(KEYVORA_ID), QIcon(QStringLiteral(":/keyvora/" KEYVORA_ID ".svg"))));
            windows.emplace(platform);
        }
        return *windows;
    };
    keyvora::Splash splash(platform, [&] { mainWindows().frmMain().present(); });
    splash.whenShown(mainWindows);
    splash.show();
    // Its keys end it, so it takes the keyboard even where a tool window would not.
    splash.activateWindow();
    return QApplication::exec();
}
