// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace keyvora {

class Platform;
class ProgramLauncher;
class Registry;

// Programs that show what the machine is made of, in the order System Info tries them.
extern const QStringList kSystemInfoPrograms;

// The About box: title, version, description, warning and a way to the system information.
class AboutBox final : public QDialog {
    Q_OBJECT

public:
    AboutBox(Platform &platform, Registry &registry, ProgramLauncher &launcher,
             QWidget *parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();

    Platform &m_platform;
    Registry &m_registry;
    ProgramLauncher &m_launcher;
    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
};

} // namespace keyvora
