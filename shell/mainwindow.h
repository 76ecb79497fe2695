// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/boxwidgets.h"
#include "engine/attemptview.h"
#include "engine/practiceattempt.h"
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
class KeyboardDiagram;
class KeyGuidance;
class Platform;

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
// table of its language.
class MainWindow final : public QMainWindow, private InputBoxHandler, private AttemptView {
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
    void mnuSetBsOn_Click();
    void mnuSetBsOff_Click();
    void mnuSetLangEng_Click();
    void mnuSetLangBM_Click();
    void mnuToolsAsc_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    void tmrSpeed_Timer() { m_attempt->tmrSpeed_Timer(); }
    void tmrCheckNumOfWords_Timer() { m_attempt->tmrCheckNumOfWords_Timer(); }
    void tmrResetKey_Timer();

    const PracticeAttempt &attempt() const { return *m_attempt; }
    const KeyGuidance &guidance() const { return *m_guidance; }
    QString practiceFilePath() const { return m_practiceFilePath; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
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
    void rtbSource_Change();

    // What a screen reader says: after each key, as a text arrives, as the input box gains the
    // focus; the input box's label carries the figures, so the reader's "where am I" has them.
    void speak(const QString &message);
    void sayAfterKey();
    void sayLoaded();
    void sayWhereTheLearnerIs();
    QString spokenNextLetter() const;
    void labelInputWithFigures();

    // InputBoxHandler
    void rtbInput_KeyDown(int keyCode, int shift) override;
    void rtbInput_KeyPress(char16_t &keyAscii) override;
    void rtbInput_Change() override;
    void rtbInput_KeyUp(int keyCode, int shift) override;

    // AttemptView
    bool backspacingOff() const override;
    void keyPressed(char16_t code) override;
    void showNextLetter(const QString &letter) override;
    void guideFinger(const QString &nextChar) override;
    void showSpeed(qint64 wordsPerMinute) override;
    void showAccuracy(qint64 percent) override;
    void showWordCount(qint64 words) override;
    void showDuration(qint64 minutes, qint64 seconds) override;
    void clearLiveFigures() override;
    void beep() override;
    void showVerdict(bool passed, qint64 wordsPerMinute, qint64 accuracyPercent) override;

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
    QAction *mnuSetBsOn = nullptr;
    QAction *mnuSetBsOff = nullptr;

    std::unique_ptr<CommonDialog> cmDlg;
    std::unique_ptr<KeyGuidance> m_guidance;
    std::unique_ptr<PracticeAttempt> m_attempt;
    QString m_practiceFilePath;
    QString m_openFolder; // of the file last chosen in this window's open dialog

    bool m_keyToTell = false;
    bool m_mistake = false;
    bool m_verdictGiven = false;
    bool m_sourceChanging = false;
};

} // namespace keyvora
