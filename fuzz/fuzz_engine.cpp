// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice attempt fed raw event streams: keys with any code, edits of the input box,
// loads of any text, resets and ticks. The boxes here keep the change contract of the real
// ones; after every event the attempt must agree with the state table and with its figures.

#include "engine/practiceattempt.h"
#include "require.h"
#include "tests/support/reference.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

using namespace keyvora;

// Holds a text and raises its change synchronously inside setText(), only when it differs.
template <class Box> class FakeBox : public Box {
public:
    std::function<void()> changed;
    QString text() const override { return m_text; }

    // The learner's edit of a stretch; the insertion point ends after what was put in.
    void replace(qint64 from, qint64 count, const QString &with)
    {
        from = qBound<qint64>(0, from, m_text.size());
        count = qBound<qint64>(0, count, m_text.size() - from);
        const QString edited = QString(m_text).replace(from, count, with);
        m_cursor = from + with.size();
        if (edited == m_text)
            return;
        m_text = edited;
        changed();
    }

protected:
    QString m_text;
    qint64 m_cursor = 0;
};

class FakeSource final : public FakeBox<SourceBox> {
public:
    void setText(QString text) override { replace(0, m_text.size(), text); }
    void setPosition(qint64 position) override { KEYVORA_REQUIRE(position >= 1); }
};

class FakeInput final : public FakeBox<InputBox> {
public:
    void setText(const QString &text) override { replace(0, m_text.size(), text); }
    void setCursorPosition(qint64 position) override
    {
        KEYVORA_REQUIRE(position >= 0 && position <= m_text.size());
        m_cursor = position;
    }
    void moveCursor(qint64 position) { m_cursor = qBound<qint64>(0, position, m_text.size()); }
    // What the box does with a key that got through the key-press step.
    void key(char16_t code)
    {
        if (code == 8 && m_cursor > 0)
            replace(m_cursor - 1, 1, {});
        else if (code >= 32 && code != 127)
            replace(m_cursor, 0, QString(QChar(code)));
    }
};

// Counts beeps and verdicts; the figures it is shown are the account's business.
class FakeView final : public AttemptView {
public:
    bool off = false;
    int beeps = 0;
    int verdicts = 0;

    bool backspacingOff() const override { return off; }
    void keyPressed(char16_t) override {}
    void showNextLetter(const QString &) override {}
    void guideFinger(const QString &) override {}
    void showSpeed(qint64) override {}
    void showAccuracy(qint64) override {}
    void showWordCount(qint64) override {}
    void showDuration(qint64, qint64 seconds) override { KEYVORA_REQUIRE(seconds < 60); }
    void clearLiveFigures() override {}
    void beep() override { ++beeps; }
    void showVerdict(bool passed, qint64, qint64 accuracyPercent) override
    {
        ++verdicts;
        KEYVORA_REQUIRE(passed == (accuracyPercent > 90));
    }
};

// Short texts from the characters that matter to the rules, or any code units at all.
QString takeText(FuzzedDataProvider &data, const QString &source)
{
    static const char16_t alphabet[] = {u'a', u'b', u' ', u'*', u'\t', u'\r', u'\n', 0, u'é'};
    const int kind = data.ConsumeIntegralInRange(0, 2);
    const auto length = data.ConsumeIntegralInRange<qsizetype>(0, 48);
    QString text;
    for (qsizetype i = 0; kind < 2 && i < length; ++i) {
        text +=
            kind == 0
                ? QChar(alphabet[data.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 1)])
                : QChar(data.ConsumeIntegral<char16_t>());
    }
    // A piece of the practice text, which is what lands a paste right on the end marker.
    if (kind == 2)
        text = source.mid(data.ConsumeIntegralInRange<qsizetype>(0, source.size()), length);
    return text;
}

class Harness {
public:
    Harness()
        : attempt(source, input, view, test::makeManualTicker)
    {
        source.changed = [this] { attempt.rtbSource_Change(); };
        input.changed = [this] { attempt.rtbInput_Change(); };
    }

    void run(FuzzedDataProvider &data)
    {
        while (data.remaining_bytes() > 0) {
            const int beeps = view.beeps;
            const int verdicts = view.verdicts;
            const bool hadText = !source.text().isEmpty();
            switch (data.ConsumeIntegralInRange(0, 8)) {
            case 0:
            case 1: {
                // Mostly the character the text asks for next, so that texts get finished.
                const QString text = source.text();
                const qsizetype length = input.text().size();
                char16_t code = data.ConsumeBool() && length < text.size()
                                    ? text[length].unicode()
                                    : data.ConsumeIntegral<char16_t>();
                const char16_t pressed = code;
                attempt.rtbInput_KeyPress(code);
                // Only Backspace with backspacing off is swallowed.
                KEYVORA_REQUIRE(code == (pressed == 8 && view.off ? 0 : pressed));
                input.key(code);
                break;
            }
            case 2:
                view.off = data.ConsumeBool();
                break;
            case 3:
                input.moveCursor(data.ConsumeIntegral<uint16_t>());
                break;
            case 4: {
                const auto from = data.ConsumeIntegral<uint16_t>();
                const auto count = data.ConsumeIntegralInRange<qint64>(0, 64);
                input.replace(from, count, takeText(data, source.text()));
                break;
            }
            case 5:
                load(takeText(data, source.text()));
                break;
            case 6:
                attempt.reset();
                KEYVORA_REQUIRE(input.text().isEmpty());
                m_account.held.clear();
                break;
            case 7:
                if (attempt.tmrCheckNumOfWords().isActive()) {
                    attempt.tmrCheckNumOfWords_Timer();
                    KEYVORA_REQUIRE(!m_account.wordTick(attempt.fields(), input.text()));
                }
                break;
            case 8:
                for (int n = data.ConsumeIntegralInRange(1, 700);
                     n > 0 && attempt.tmrSpeed().isActive(); --n) {
                    attempt.tmrSpeed_Timer();
                    m_account.clockTick();
                }
                break;
            }
            KEYVORA_REQUIRE(!m_account.check(attempt, source.text(), input.text(),
                                             view.beeps - beeps, view.verdicts - verdicts,
                                             hadText));
        }
    }

private:
    void load(const QString &text)
    {
        const QString before = source.text();
        const bool fresh = !text.isEmpty() && text != before;
        source.setText(text);
        m_account.load(text, before, source.text());
        KEYVORA_REQUIRE(!fresh || (input.text().isEmpty() && attempt.fields().intErrorCount == 0));
    }

    FakeSource source;
    FakeInput input;
    FakeView view;
    PracticeAttempt attempt;
    test::Account m_account;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    Harness harness;
    harness.run(provider);
    return 0;
}
