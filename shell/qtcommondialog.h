// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/commondialog.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFileDialog;

namespace keyvora {
class HelpWindow;
}

namespace keyvora {

// Turns "description|pattern|description|pattern" into Qt name filters. The description is
// kept as written, parentheses and all; the pattern follows in parentheses of its own,
// which is where Qt takes patterns from (the last pair of parentheses), so "*txt" really
// is "*txt" and not the "*.txt" the description happens to show.
QStringList qtNameFilters(const QString &filter);

class QtCommonDialog final : public CommonDialog {
public:
    explicit QtCommonDialog(QWidget *parent);
    ~QtCommonDialog() override;

    bool showOpen() override;
    void showHelp() override;

    // Sets up a file dialog exactly as showOpen() shows it.
    void prepareOpenDialog(QFileDialog &dialog) const;

private:
    QPointer<QWidget> m_parent;
    QPointer<HelpWindow> m_help;
};

} // namespace keyvora
