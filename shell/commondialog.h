// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/texts.h"

#include <QString>
#include <QStringList>

namespace keyvora {

// The file-open and help dialog each main window carries. Properties are plain values;
// only showing the dialog touches the desktop, so tests replace just that.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;

    // When set, cancelling makes showOpen() fail instead of returning normally.
    void setCancelError(bool on) { m_cancelError = on; }
    bool cancelError() const { return m_cancelError; }
    // Pairs of description and pattern separated by "|", e.g. "Text (*.txt)|*txt|All|*".
    void setFilter(const QString &filter) { m_filter = filter; }
    QString filter() const { return m_filter; }
    void setFlags(int flags) { m_flags = flags; }
    int flags() const { return m_flags; }
    // The folder the open dialog starts in; empty leaves it to the dialog.
    void setInitDir(const QString &folder) { m_initDir = folder; }
    QString initDir() const { return m_initDir; }
    QString fileName() const { return m_fileName; }

    // Shows a modal open dialog; false when the learner cancelled it.
    virtual bool showOpen() = 0;

    void setHelpFile(const QString &file) { m_helpFile = file; }
    QString helpFile() const { return m_helpFile; }
    void setHelpKey(const QString &key) { m_helpKey = key; }
    QString helpKey() const { return m_helpKey; }
    void setHelpCommand(int command) { m_helpCommand = command; }
    int helpCommand() const { return m_helpCommand; }
    // The language the help viewer speaks, its window's; the file alone does not say.
    void setHelpLanguage(Language language) { m_helpLanguage = language; }
    Language helpLanguage() const { return m_helpLanguage; }
    // Opens the help viewer and returns at once.
    virtual void showHelp() = 0;

protected:
    void setFileName(const QString &path) { m_fileName = path; }

private:
    bool m_cancelError = false;
    QString m_filter;
    int m_flags = 0;
    QString m_initDir;
    QString m_fileName;
    QString m_helpFile;
    QString m_helpKey;
    int m_helpCommand = 0;
    Language m_helpLanguage = Language::English;
};

} // namespace keyvora
