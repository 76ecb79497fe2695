#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/qtplatform.h"
#include "shell/splash.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(KEYVORA_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral(KEYVORA_ID), QIcon(QStringLiteral(":/keyvora/" KEYVORA_ID ".svg"))));
    keyvora::QtPlatform platform;
    keyvora::MainWindows windows(platform);
    keyvora::Splash splash(platform, [&windows] { windows.frmMain().present(); });
    splash.show();
    // Its keys end it, so it takes the keyboard even where a tool window would not.
    splash.activateWindow();
    return QApplication::exec();
}
