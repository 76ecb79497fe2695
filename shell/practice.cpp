// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/practice.h"

#include "engine/statistics.h"
#include "shell/keyguidance.h"
#include "shell/platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScopedValueRollback>

#include <utility>

namespace keyvora {

Practice::Practice(Language language, Platform &platform, QWidget &window,
                   const PracticeControls &controls)
    : m_language(language)
    , m_platform(platform)
    , m_window(window)
    , m_controls(controls)
{
    // Named for their window, as a debugger or a test's fake desktop looks for them.
    const TickerFactory makeTicker = [this](const char *name, std::function<void()> onTick) {
        return m_platform.makeTicker(m_window.objectName() + u'.' + QLatin1String(name),
                                     std::move(onTick), kTickMs);
    };
    m_guidance = std::make_unique<KeyGuidance>(m_controls.fraKeyboard, makeTicker);
    m_attempt = std::make_unique<PracticeAttempt>(m_controls.rtbSource, m_controls.rtbInput,
                                                  static_cast<AttemptView &>(*this), makeTicker);
    m_controls.rtbSource.setChangeHandler([this] { rtbSource_Change(); });
    m_controls.rtbInput.setHandler(this);
    m_controls.rtbInput.installEventFilter(this);
}

Practice::~Practice()
{
    // The boxes outlive the practice by a moment; silence them before the attempt goes.
    m_controls.rtbInput.setHandler(nullptr);
    m_controls.rtbSource.setChangeHandler({});
}

void Practice::reset()
{
    m_attempt->reset();
}

// Normalising writes the box again within its own change; only the text it ends with is told.
void Practice::rtbSource_Change()
{
    const bool outermost = !m_sourceChanging;
    const QScopedValueRollback changing(m_sourceChanging, true);
    m_attempt->rtbSource_Change();
    if (outermost && m_platform.screenReaderActive()) {
        labelInputWithFigures();
        sayLoaded();
    }
}

bool Practice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_controls.rtbInput && event->type() == QEvent::FocusIn &&
        m_platform.screenReaderActive()) {
        // Queued: the focus may pass through on its way elsewhere (a menu opening).
        QMetaObject::invokeMethod(this, &Practice::sayWhereTheLearnerIs, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void Practice::rtbInput_KeyDown(int keyCode, int shift)
{
    Q_UNUSED(keyCode);
    m_guidance->keyDown(shift);
}

void Practice::rtbInput_KeyPress(char16_t &keyAscii)
{
    m_attempt->rtbInput_KeyPress(keyAscii);
    m_keyToTell = keyAscii != 0 && m_platform.screenReaderActive();
    if (m_keyToTell)
        m_platform.hushAnnouncements();
    m_mistake = false;
    m_verdictGiven = false;
}

void Practice::rtbInput_Change()
{
    // The key's own change only: the mistake mark rewrites the box within it.
    const bool afterKey = std::exchange(m_keyToTell, false);
    m_attempt->rtbInput_Change();
    if (afterKey)
        sayAfterKey();
}

void Practice::rtbInput_KeyUp(int keyCode, int shift)
{
    Q_UNUSED(keyCode);
    // A key that changed nothing (Enter) leaves nothing to tell at a later change.
    m_keyToTell = false;
    m_guidance->keyUp(shift);
}

void Practice::speak(const QString &message)
{
    m_platform.announce(message, caption(Text::SpeechLanguage));
}

// The key's echo is the reader's; the program adds whether it was wrong and what comes next.
void Practice::sayAfterKey()
{
    if (m_verdictGiven)
        return;
    if (m_attempt->state() == AttemptState::NoText) {
        speak(caption(Text::SayNoText));
        return;
    }
    if (m_mistake)
        speak(caption(Text::SayWrong));
    const QString next = spokenNextLetter();
    if (!next.isEmpty())
        speak(next);
}

void Practice::sayLoaded()
{
    // Enough words to know the text by, cut where a word ends.
    constexpr qsizetype kOpening = 40;
    const QString text = m_controls.rtbSource.text();
    if (text.isEmpty())
        return;
    const qsizetype length = text.size() - 1; // the end marker is no character to type
    QString opening = text.left(qMin(length, kOpening + 1));
    if (opening.size() > kOpening) {
        const qsizetype blank = opening.lastIndexOf(u' ');
        opening.truncate(blank > 0 ? blank : kOpening);
    }
    opening.replace(kEndMarker, u' ');
    speak(caption(Text::SayLoaded).arg(length).arg(opening));
}

void Practice::sayWhereTheLearnerIs()
{
    // Nothing while a window chosen from a menu is on its way: the focus only passed through.
    if (!m_controls.rtbInput.hasFocus() || QApplication::activeModalWidget())
        return;
    if (m_attempt->state() == AttemptState::NoText) {
        speak(caption(Text::SayNoText));
        return;
    }
    const QString next = spokenNextLetter();
    if (!next.isEmpty())
        speak(caption(Text::SayNext).arg(next));
}

QString Practice::spokenNextLetter() const
{
    const QString letter = m_controls.lblNextLtr.text();
    return letter.isEmpty() ? QString() : spokenCharacter(m_language, letter.front());
}

void Practice::labelInputWithFigures()
{
    if (!m_platform.screenReaderActive())
        return;
    QString name = caption(Text::LblInput);
    // Before the first key the figures are bare captions, or those of the text before.
    if (m_attempt && m_attempt->state() == AttemptState::Typing) {
        name += QStringLiteral(". ") +
                QStringList{m_controls.lblSpeed.text(), m_controls.lblAccuracy.text(),
                            m_controls.lblNumOfWords.text(), m_controls.lblDuration.text()}
                    .join(QStringLiteral(", "));
    }
    if (m_controls.lblInput.accessibleName() != name)
        m_controls.lblInput.setAccessibleName(name);
}

bool Practice::backspacingOff() const
{
    return m_controls.mnuSetBsOff.isChecked();
}

void Practice::keyPressed(char16_t code)
{
    m_guidance->keyPressed(code);
}

void Practice::showNextLetter(const QString &letter)
{
    m_controls.lblNextLtr.setText(letter);
    if (m_platform.screenReaderActive()) {
        const QString name =
            letter.isEmpty()
                ? caption(Text::DescNextLetter)
                : caption(Text::SayNext).arg(spokenCharacter(m_language, letter.front()));
        // Each new name is an event the reader must look at, even an unchanged one.
        if (m_controls.lblNextLtr.accessibleName() != name)
            m_controls.lblNextLtr.setAccessibleName(name);
    }
}

void Practice::guideFinger(const QString &nextChar)
{
    m_guidance->guideFinger(nextChar);
}

void Practice::showSpeed(qint64 wordsPerMinute)
{
    m_controls.lblSpeed.setText(caption(Text::SpeedPrefix) + QString::number(wordsPerMinute) +
                                caption(Text::SpeedUnit));
}

void Practice::showAccuracy(qint64 percent)
{
    m_controls.lblAccuracy.setText(caption(Text::AccuracyPrefix) + QString::number(percent) +
                                   caption(Text::AccuracyUnit));
}

void Practice::showWordCount(qint64 words)
{
    m_controls.lblNumOfWords.setText(caption(Text::WordCountPrefix) + QString::number(words));
}

// The input box's label takes the figures once a second, as the duration turns: a screen reader
// looks at every change of a name, and ten a second would keep it from the keys.
void Practice::showDuration(qint64 minutes, qint64 seconds)
{
    const QString shown = caption(Text::DurationPrefix) + QString::number(minutes) +
                          caption(Text::MinutesSeparator) + QString::number(seconds) +
                          caption(Text::SecondsUnit);
    if (shown == m_controls.lblDuration.text())
        return;
    m_controls.lblDuration.setText(shown);
    labelInputWithFigures();
}

void Practice::clearLiveFigures()
{
    m_controls.lblSpeed.setText(caption(Text::SpeedPrefix));
    m_controls.lblAccuracy.setText(caption(Text::AccuracyPrefix));
    showNextLetter(QString());
    labelInputWithFigures();
}

void Practice::beep()
{
    m_mistake = true;
    m_platform.beep();
}

void Practice::showVerdict(bool passed, qint64 wordsPerMinute, qint64 accuracyPercent)
{
    m_verdictGiven = true;
    // The passing verdict's box gives the figures; they are said once, so only the failing
    // one, whose box has none, has them said with the end of the text.
    if (m_platform.screenReaderActive()) {
        speak(passed ? caption(Text::SayEnd)
                     : caption(Text::SayEndFigures).arg(wordsPerMinute).arg(accuracyPercent));
    }
    if (passed) {
        m_platform.message(&m_window, caption(Text::PassedTitle),
                           caption(Text::PassedFirst) + QString::number(wordsPerMinute) +
                               caption(Text::PassedSecond) + QString::number(accuracyPercent) +
                               caption(Text::PassedLast),
                           Platform::Buttons::OkCancel);
    } else {
        m_platform.message(&m_window, caption(Text::WindowCaption), caption(Text::LowAccuracy),
                           Platform::Buttons::Ok);
    }
}

} // namespace keyvora
