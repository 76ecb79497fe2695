// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lessons/practicetarget.h"
#include "lessons/tutorialdesigns.h"
#include "shell/texts.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QGroupBox;
class QLabel;

namespace keyvora {

class CommonDialog;
class InputBoxWidget;
class KeyboardDiagram;
class Platform;
class Practice;
class SourceBoxWidget;

// What a main window asks of the program around it: where practice texts go, the switch to
// the window of a language, and word that it was closed.
class MainWindowHost : public PracticeTarget {
public:
    // Shows the main window of that language in place of the one shown; nothing when it is the
    // one shown already.
    virtual void showLanguage(Language language) = 0;
    virtual void mainWindowClosed() = 0;
};

// One main window design for both interface languages; every caption comes from the text
// table of its language. It builds its controls and menus and answers its menu commands; the
// practice in it goes round in Practice.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Language language, Platform &platform, MainWindowHost &host,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Where a test or drill lands when this window is the one in use.
    void loadPracticeText(const QString &text);
    // Shown, in front and active, with the keyboard focus in the input box.
    void present();

    void mnuFileOpen_Click();
    void mnuFileReset_Click();
    void mnuFileExit_Click();
    void mnuLesTutIntro_Click();
    void mnuLesTutLR_Click();
    void mnuLesTutShift_Click();
    void mnuLesTestGen_Click();
    void mnuLesTestShort_Click();
    void mnuLesTestArt_Click();
    void mnuSetLangEng_Click();
    void mnuSetLangBM_Click();
    void mnuToolsAsc_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString caption(Text id) const { return text(m_language, id); }
    void buildControls();
    void buildMenus();
    void openTutorial(TutorialKind kind);
    void showModal(QDialog &dialog);
    QString openStartFolder() const;
    void loadPracticeFile(const QString &path);

    const Language m_language;
    Platform &m_platform;
    MainWindowHost &m_host;
    PracticeTarget &m_lessons;

    SourceBoxWidget *rtbSource = nullptr;
    QLabel *lblInput = nullptr;
    InputBoxWidget *rtbInput = nullptr;
    QGroupBox *fraTypingStats = nullptr;
    QLabel *lblSpeed = nullptr;
    QLabel *lblAccuracy = nullptr;
    QLabel *lblNextLtr = nullptr;
    QLabel *lblNumOfWords = nullptr;
    QLabel *lblDuration = nullptr;
    KeyboardDiagram *fraKeyboard = nullptr;

    std::unique_ptr<CommonDialog> cmDlg;
    std::unique_ptr<Practice> m_practice;
    QString m_openFolder; // of the file last chosen in this window's open dialog
};

} // namespace keyvora
