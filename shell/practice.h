// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/boxwidgets.h"
#include "engine/attemptview.h"
#include "engine/practiceattempt.h"
#include "shell/texts.h"

#include <QObject>

#include <memory>

class QAction;
class QLabel;

namespace keyvora {

class KeyboardDiagram;
class KeyGuidance;
class Platform;

// The controls of a main window that a practice shows itself in; the window makes and places
// them.
struct PracticeControls {
    SourceBoxWidget &rtbSource;
    QLabel &lblInput;
    InputBoxWidget &rtbInput;
    QLabel &lblSpeed;
    QLabel &lblAccuracy;
    QLabel &lblNextLtr;
    QLabel &lblNumOfWords;
    QLabel &lblDuration;
    KeyboardDiagram &fraKeyboard;
    const QAction &mnuSetBsOff;
};

// The one place a main window's practice goes round: each key of the input box goes to the
// attempt, which judges it, and to the guidance, which lights it on the keyboard; what the
// attempt works out comes back here to be shown in the labels, rung, and said to a screen
// reader's user.
class Practice final : public QObject, private InputBoxHandler, private AttemptView {
    Q_OBJECT
public:
    // The window owns the controls and the practice both; it parents the verdict's box.
    Practice(Language language, Platform &platform, QWidget &window,
             const PracticeControls &controls);
    ~Practice() override;

    // File > Reset.
    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString caption(Text id) const { return text(m_language, id); }
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
    QWidget &m_window;
    const PracticeControls m_controls;
    std::unique_ptr<KeyGuidance> m_guidance;
    std::unique_ptr<PracticeAttempt> m_attempt;

    bool m_keyToTell = false;
    bool m_mistake = false;
    bool m_verdictGiven = false;
    bool m_sourceChanging = false;
};

} // namespace keyvora
