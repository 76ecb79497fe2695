// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/helpmanual.h"
#include "shell/texts.h"

#include <QTextBrowser>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace keyvora {

// Shows the manual one topic at a time. Only the manual's own pages and its built-in
// pictures are ever loaded: no file, no network, no link out.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget *parent = nullptr);

    void setManual(HelpManual manual, Language language);
    const HelpManual &manual() const { return m_manual; }
    void showIndex();
    void showTopic(const QString &slug);
    QString shownTopic() const; // empty on the index page

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);

    HelpManual m_manual;
    Language m_language = Language::English;
};

class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    HelpWindow(const FoundManual &found, Language language, QWidget *parent = nullptr);

    HelpBrowser &browser() { return *m_browser; }
    // Finds the text in the topic shown from the cursor on, then in the topics after it.
    bool find(const QString &what, bool backward = false);
    // Next to the window, on the side with room, within the screen.
    void placeBeside(const QWidget &window);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    HelpBrowser *m_browser;
    QLineEdit *m_find;
    QLabel *m_notice;
};

} // namespace keyvora
