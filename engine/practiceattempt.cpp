// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/practiceattempt.h"

#include "engine/normalisation.h"
#include "engine/statistics.h"

#include <QScopedValueRollback>

namespace keyvora {

namespace {

constexpr char16_t kBackspace = 8;

// Character at a 1-based position, empty outside the text.
QString charAt(const QString &text, qint64 position)
{
    if (position < 1 || position > text.size())
        return {};
    return QString(text.at(position - 1));
}

} // namespace

PracticeAttempt::PracticeAttempt(SourceBox &rtbSource, InputBox &rtbInput, AttemptView &view,
                                 const TickerFactory &makeTicker)
    : m_source(rtbSource)
    , m_input(rtbInput)
    , m_view(view)
    , m_tmrSpeed(makeTicker("tmrSpeed", [this] { tmrSpeed_Timer(); }))
    , m_tmrCheckNumOfWords(makeTicker("tmrCheckNumOfWords", [this] { tmrCheckNumOfWords_Timer(); }))
{
}

AttemptState PracticeAttempt::state() const
{
    if (m_source.text().isEmpty())
        return AttemptState::NoText;
    return m_input.text().isEmpty() ? AttemptState::Ready : AttemptState::Typing;
}

void PracticeAttempt::rtbInput_KeyPress(char16_t &keyAscii)
{
    m_fields.strTypedChar = QString(QChar(keyAscii));
    m_view.keyPressed(keyAscii);
    if (keyAscii == kBackspace && m_view.backspacingOff())
        keyAscii = 0;
}

void PracticeAttempt::rtbInput_Change()
{
    auto &f = m_fields;
    const QString input = m_input.text();
    f.intInputLen = input.size();
    if (f.intInputLen == 0) {
        m_tmrCheckNumOfWords->stop();
        m_input.setText(QString());
        m_view.showNextLetter(m_source.text().left(1));
        return;
    }
    m_tmrCheckNumOfWords->start();

    const QString source = m_source.text();
    f.strExpectedChar = charAt(source, f.intInputLen);
    f.strNextChar = charAt(source, f.intInputLen + 1);
    m_source.setPosition(f.intInputLen);
    m_view.showNextLetter(f.strNextChar);
    m_view.guideFinger(f.strNextChar);
    if (m_marking)
        return;

    const bool wrong =
        f.strTypedChar != f.strExpectedChar && f.strTypedChar != QString(QChar(kBackspace));
    if (wrong) {
        f.strTypedChar = QString(kMistakeMark);
        m_view.beep();
        {
            const QScopedValueRollback marking(m_marking, true);
            // The input's left part and the mark, built with one copy of an hour's typing.
            QString marked = input;
            marked[f.intInputLen - 1] = kMistakeMark;
            m_input.setText(marked);
        }
        m_input.setCursorPosition(f.intInputLen);
    }

    if (f.strNextChar == QString(kEndMarker))
        endOfText();
}

void PracticeAttempt::rtbSource_Change()
{
    if (m_normalising)
        return;
    if (m_source.text().isEmpty()) {
        m_tmrSpeed->stop();
        return;
    }
    m_fields.dblElapsed = 0.0;
    m_fields.intErrorCount = 0;
    m_input.setText(QString());
    m_tmrSpeed->start();

    const QScopedValueRollback normalising(m_normalising, true);
    // Each rewrite goes into the storage the box let go of at the one before, so a book is
    // paged in twice rather than five times: fresh pages cost more than the copying.
    QString spare;
    const auto rewrite = [this, &spare](QString (*step)(const QString &, QString &&)) {
        QString held = m_source.text();
        m_source.setText(step(held, std::move(spare)));
        // Whichever storage nothing else holds now; the loader may keep the first text a while.
        if (!spare.isDetached())
            spare = std::move(held);
    };
    rewrite(joinLineBreaks);
    rewrite(tabsToSpaces);
    rewrite(trimTrailingSpaces);
    rewrite(appendEndMarker);
}

void PracticeAttempt::tmrCheckNumOfWords_Timer()
{
    auto &f = m_fields;
    // The timer only runs while the input holds text; a stray tick must not divide by zero.
    if (f.intInputLen <= 0)
        return;
    const QString input = m_input.text();
    f.intWordCount = countWords(input);
    f.intErrorCount = 0;
    m_view.showWordCount(f.intWordCount);
    f.intErrorCount = countMistakeMarks(input);
    f.intAccuracy = accuracyPercent(f.intErrorCount, f.intInputLen);
    m_view.showAccuracy(f.intAccuracy);
}

void PracticeAttempt::tmrSpeed_Timer()
{
    auto &f = m_fields;
    f.dblElapsed += kTimeStep;
    f.dblSpeed = double(speedWpm(f.intWordCount, f.dblElapsed));
    m_view.showSpeed(qint64(f.dblSpeed));
    const Duration duration = durationOf(f.dblElapsed);
    m_view.showDuration(duration.minutes, duration.seconds);
}

void PracticeAttempt::reset()
{
    m_source.setText(QString());
    m_input.setText(QString());
    m_view.clearLiveFigures();
}

void PracticeAttempt::endOfText()
{
    m_tmrSpeed->stop();
    m_tmrCheckNumOfWords->stop();
    m_input.setText(QString());
    m_source.setText(QString());
    m_view.clearLiveFigures();
    m_view.showVerdict(m_fields.intAccuracy > kPassAbove, qint64(m_fields.dblSpeed),
                       m_fields.intAccuracy);
}

} // namespace keyvora
