#include "shell/mainwindow.h"
#include "shell/mainwindows.h"
#include "shell/qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    keyvora::QtPlatform platform;
    keyvora::MainWindows windows(platform);
    windows.frmMain().present();
    return QApplication::exec();
}
