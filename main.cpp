#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/qtplatform.h"
#include "shell/splash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    keyvora::QtPlatform platform;
    keyvora::MainWindows windows(platform);
    keyvora::Splash splash(platform, [&windows] { windows.frmMain().present(); });
    splash.show();
    return QApplication::exec();
}
