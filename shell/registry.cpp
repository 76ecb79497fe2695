// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/registry.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace keyvora {

bool GetKeyValue(Registry &registry, Registry::Key root, const QString &keyName,
                 const QString &valueName, QString &keyValue)
{
    // Read access only: asking for write access as well makes a plain user's open fail.
    Registry::Key key = 0;
    if (!registry.open(root, keyName, Registry::KEY_READ, key)) {
        keyValue.clear();
        return false;
    }
    std::uint32_t type = 0;
    QByteArray data;
    if (!registry.query(key, valueName, Registry::kValueBufferBytes, type, data) ||
        data.size() > Registry::kValueBufferBytes) {
        keyValue.clear();
        registry.close(key);
        return false;
    }
    if (!data.isEmpty() && data.back() == '\0')
        data.chop(1);
    if (type == Registry::REG_SZ) {
        keyValue = QString::fromLocal8Bit(data);
    } else if (type == Registry::REG_DWORD) {
        QString digits;
        for (auto it = data.crbegin(); it != data.crend(); ++it)
            digits += QString::number(quint8(*it), 16).toUpper();
        keyValue = QStringLiteral("&h") + digits;
    }
    registry.close(key);
    return true;
}

bool QtProgramLauncher::exists(const QString &path) const
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString QtProgramLauncher::findOnPath(const QString &program) const
{
    return QStandardPaths::findExecutable(program);
}

bool QtProgramLauncher::startDetached(const QString &path, const QStringList &arguments)
{
    // The program gets PATH and what a window needs to reach the desktop, nothing else of ours.
    const QProcessEnvironment ours = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment environment;
    for (const char *name :
         {"PATH", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "XAUTHORITY"}) {
        if (ours.contains(QLatin1String(name)))
            environment.insert(QLatin1String(name), ours.value(QLatin1String(name)));
    }
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace keyvora
