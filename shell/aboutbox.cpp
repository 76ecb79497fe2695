// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/aboutbox.h"

#include "design/units.h"
#include "shell/platform.h"
#include "shell/programidentity.h"
#include "shell/registry.h"
#include "shell/texts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace keyvora {

const QStringList kSystemInfoPrograms = {
    QStringLiteral("hardinfo"),
    QStringLiteral("kinfocenter"),
    QStringLiteral("gnome-system-monitor"),
};

namespace {

QLabel *wrappingLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    // The design's black text is the light desktop's text colour; a dark one keeps its own.
    return label;
}

} // namespace

AboutBox::AboutBox(Platform &platform, Registry &registry, ProgramLauncher &launcher,
                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_platform(platform)
    , m_registry(registry)
    , m_launcher(launcher)
    , picIcon(new QLabel(this))
    , lblTitle(wrappingLabel(this, "lblTitle", {}, twipsRect(1050, 240, 3885, 480)))
    , lblVersion(new QLabel(this))
    , lblDescription(wrappingLabel(this, "lblDescription", englishText(Text::AboutDescription),
                                   twipsRect(1050, 1125, 3885, 1170)))
    , lblDisclaimer(wrappingLabel(this, "lblDisclaimer", englishText(Text::AboutWarning),
                                  twipsRect(255, 2625, 3870, 825)))
    , cmdOK(new QPushButton(englishText(Text::AboutOk), this))
    , cmdSysInfo(new QPushButton(englishText(Text::AboutSysInfo), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(twips(5730), twips(3555));

    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(240, 240, 300, 300));
    picIcon->setPixmap(windowIcon().pixmap(16, 16));
    picIcon->setAccessibleName(englishText(Text::AboutIcon));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twipsRect(1050, 780, 3885, 225));
    lblVersion->setTextFormat(Qt::PlainText);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1245, 345));
    cmdSysInfo->setAutoDefault(false);
    setTabOrder(cmdOK, cmdSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);

    Form_Load();
    cmdOK->setFocus();
}

void AboutBox::Form_Load()
{
    const QString title = ProgramIdentity::title();
    setWindowTitle(englishText(Text::AboutCaption).arg(title));
    lblVersion->setText(
        englishText(Text::AboutVersion).arg(ProgramIdentity::major).arg(ProgramIdentity::minor));
    lblTitle->setText(title);
}

// Escape reaches QDialog::reject(), which also closes the box: OK acts as the cancel button.
void AboutBox::cmdOK_Click()
{
    accept();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo();
}

void AboutBox::StartSysInfo()
{
    QString path;
    QString directory;
    bool found = GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE,
                             QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                             QStringLiteral("PATH"), path);
    if (!found && GetKeyValue(m_registry, Registry::HKEY_LOCAL_MACHINE,
                              QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                              QStringLiteral("MSINFO"), directory)) {
        path = directory + QStringLiteral("\\MSINFO32.EXE");
        found = m_launcher.exists(path);
    }
    // Without a registry entry, the desktop's own system information programs stand in.
    for (auto it = kSystemInfoPrograms.cbegin(); !found && it != kSystemInfoPrograms.cend(); ++it) {
        path = m_launcher.findOnPath(*it);
        found = !path.isEmpty();
    }
    if (found && !path.isEmpty() && m_launcher.startDetached(path, {}))
        return;
    m_platform.message(this, ProgramIdentity::title(), englishText(Text::AboutNoSysInfo),
                       Platform::Buttons::Ok);
}

// The etched separator: the palette's shadow line with its light line just below it.
void AboutBox::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawLine(twips(90), twips(2445), twips(5654), twips(2445));
    painter.setPen(QPen(palette().color(QPalette::Light), 2));
    painter.drawLine(twips(105), twips(2460) + 1, twips(5654), twips(2460) + 1);
}

} // namespace keyvora
