// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qtcommondialog.h"

#include "shell/helpwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>

namespace keyvora {

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    // A description left without a pattern offers nothing to match, so it is dropped.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Several patterns are separated by ";" here and by blanks in Qt.
        const QString patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts).join(u' ');
        const QString description = parts.at(i).isEmpty() ? patterns : parts.at(i);
        filters.append(description + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

QtCommonDialog::QtCommonDialog(QWidget *parent)
    : m_parent(parent)
{
}

void QtCommonDialog::prepareOpenDialog(QFileDialog &dialog) const
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Desktop dialogs each read patterns their own way; Qt's own dialog matches "*txt"
    // exactly as the filter says.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Only the description is shown, or the patterns would appear twice.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(qtNameFilters(filter()));
    if (!initDir().isEmpty())
        dialog.setDirectory(initDir());
}

bool QtCommonDialog::showOpen()
{
    QFileDialog dialog(m_parent);
    prepareOpenDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    setFileName(dialog.selectedFiles().constFirst());
    return true;
}

QtCommonDialog::~QtCommonDialog()
{
    delete m_help.data();
}

// The keyword is always empty and the command always the keyword lookup, and an empty
// keyword opens the manual at its index.
void QtCommonDialog::showHelp()
{
    const Language language = helpLanguage();
    if (!m_help) {
        m_help = new HelpWindow(findHelpManual(helpFile(), helpFolders(), language), language);
        QObject::connect(m_help, &HelpWindow::closed, [] {
            // Back to typing: the shown main window takes the keyboard again.
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMainWindow *>(window) && window->isVisible())
                    window->activateWindow();
            }
        });
        if (m_parent)
            m_help->placeBeside(*m_parent->window());
    } else {
        m_help->browser().showIndex();
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace keyvora
