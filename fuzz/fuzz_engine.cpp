// The practice attempt fed raw event streams: keys with any code, edits of the input box,
// loads of any text, resets and ticks. The boxes here keep the change contract of the real
// ones; after every event the attempt must agree with the state table and with its figures.

#include "engine/practiceattempt.h"
#include "require.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <functional>

namespace {

using namespace keyvora;

class ManualTicker final : public Ticker {
public:
    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

private:
    bool m_active = false;
};

// Raises its change synchronously inside setText(), and only when the text differs.
class FakeSource final : public SourceBox {
public:
    std::function<void()> changed;
    QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        if (text == m_text)
            return;
        m_text = text;
        changed();
    }
    void setPosition(qint64 position) override { KEYVORA_REQUIRE(position >= 1); }

private:
    QString m_text;
};

// A single-line box with an insertion point; the learner's edits raise one change each.
class FakeInput final : public InputBox {
public:
    std::function<void()> changed;
    QString text() const override { return m_text; }
    void setText(const QString &text) override
    {
        m_cursor = text.size();
        if (text == m_text)
            return;
        m_text = text;
        changed();
    }
    void setCursorPosition(qint64 position) override
    {
        KEYVORA_REQUIRE(position >= 0 && position <= m_text.size());
        m_cursor = position;
    }
    void moveCursor(qint64 position) { m_cursor = qBound<qint64>(0, position, m_text.size()); }
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
    // What the box does with a key that got through the key-press step.
    void key(char16_t code)
    {
        if (code == 8) {
            if (m_cursor > 0)
                replace(m_cursor - 1, 1, {});
        } else if (code >= 32 && code != 127) {
            replace(m_cursor, 0, QString(QChar(code)));
        }
    }

private:
    QString m_text;
    qint64 m_cursor = 0;
};

class FakeView final : public AttemptView {
public:
    bool off = false;
    int beeps = 0;
    int verdicts = 0;

    bool backspacingOff() const override { return off; }
    void keyPressed(char16_t) override {}
    void showNextLetter(const QString &letter) override { KEYVORA_REQUIRE(letter.size() <= 1); }
    void guideFinger(const QString &nextChar) override { KEYVORA_REQUIRE(nextChar.size() <= 1); }
    void showSpeed(qint64 wordsPerMinute) override { KEYVORA_REQUIRE(wordsPerMinute >= 0); }
    void showAccuracy(qint64 percent) override { KEYVORA_REQUIRE(percent >= 0 && percent <= 100); }
    void showWordCount(qint64 words) override { KEYVORA_REQUIRE(words >= 1); }
    void showDuration(qint64 minutes, qint64 seconds) override
    {
        KEYVORA_REQUIRE(minutes >= 0 && seconds >= 0 && seconds < 60);
    }
    void clearLiveFigures() override {}
    void beep() override { ++beeps; }
    void showVerdict(bool passed, qint64 wordsPerMinute, qint64 accuracyPercent) override
    {
        ++verdicts;
        KEYVORA_REQUIRE(passed == (accuracyPercent > 90));
        KEYVORA_REQUIRE(wordsPerMinute >= 0 && accuracyPercent >= 0 && accuracyPercent <= 100);
    }
};

QString expectedHeld(const QString &loaded)
{
    QString held;
    for (qsizetype i = 0; i < loaded.size(); ++i) {
        if (loaded[i] == u'\r' && i + 1 < loaded.size() && loaded[i + 1] == u'\n') {
            held += u' ';
            ++i;
        } else {
            held += loaded[i] == u'\t' ? QChar(u' ') : loaded[i];
        }
    }
    while (held.endsWith(u' '))
        held.chop(1);
    return held + u'\r';
}

qint64 wordsIn(const QString &input)
{
    qint64 words = 1;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (input[i] == u' ' && (i == 0 || input[i - 1] != u' '))
            ++words;
    }
    return words;
}

// Short texts from the characters that matter to the rules, or any code units at all.
QString takeText(FuzzedDataProvider &data, const QString &source)
{
    static const char16_t alphabet[] = {u'a', u'b', u' ', u'*', u'\t', u'\r', u'\n', 0, u'é'};
    const int kind = data.ConsumeIntegralInRange(0, 2);
    const auto length = data.ConsumeIntegralInRange<qsizetype>(0, 48);
    QString text;
    if (kind == 0) {
        for (qsizetype i = 0; i < length; ++i)
            text +=
                QChar(alphabet[data.ConsumeIntegralInRange<size_t>(0, std::size(alphabet) - 1)]);
    } else if (kind == 1) {
        for (qsizetype i = 0; i < length; ++i)
            text += QChar(data.ConsumeIntegral<char16_t>());
    } else {
        // A piece of the practice text, which is what lands a paste right on the end marker.
        text = source.mid(data.ConsumeIntegralInRange<qsizetype>(0, source.size()), length);
    }
    return text;
}

class Harness {
public:
    Harness()
        : attempt(source, input, view,
                  [](std::function<void()>) { return std::make_unique<ManualTicker>(); })
    {
        source.changed = [this] { attempt.rtbSource_Change(); };
        input.changed = [this] { attempt.rtbInput_Change(); };
    }

    void load(const QString &text)
    {
        if (text == source.text())
            return;
        m_held = text.isEmpty() ? QString() : expectedHeld(text);
        if (!text.isEmpty()) {
            m_elapsed = 0.0;
            m_verdictsForText = 0;
        }
        source.setText(text);
        KEYVORA_REQUIRE(text.isEmpty() || input.text().isEmpty());
        KEYVORA_REQUIRE(text.isEmpty() || (attempt.fields().dblElapsed == 0.0 &&
                                           attempt.fields().intErrorCount == 0));
    }

    void run(FuzzedDataProvider &data)
    {
        while (data.remaining_bytes() > 0) {
            const int beeps = view.beeps;
            const int verdicts = view.verdicts;
            const bool hadText = !source.text().isEmpty();
            bool reset = false;
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
                if (code != 0)
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
                reset = true;
                attempt.reset();
                m_held.clear();
                break;
            case 7:
                if (attempt.tmrCheckNumOfWords().isActive())
                    wordCounterTick();
                break;
            case 8:
                for (int n = data.ConsumeIntegralInRange(1, 700); n > 0; --n) {
                    if (!attempt.tmrSpeed().isActive())
                        break;
                    attempt.tmrSpeed_Timer();
                    m_elapsed += 0.1;
                }
                break;
            }
            check(view.beeps - beeps, view.verdicts - verdicts, hadText, reset);
        }
    }

private:
    void wordCounterTick()
    {
        attempt.tmrCheckNumOfWords_Timer();
        const QString text = input.text();
        const AttemptFields &f = attempt.fields();
        KEYVORA_REQUIRE(f.intWordCount == wordsIn(text));
        KEYVORA_REQUIRE(f.intErrorCount == text.count(u'*'));
        const double exact = 100.0 * double(text.size() - f.intErrorCount) / double(text.size());
        KEYVORA_REQUIRE(std::abs(double(f.intAccuracy) - exact) <= 0.5 + 1e-9);
    }

    void check(int beeps, int verdicts, bool hadText, bool reset)
    {
        const QString held = source.text();
        const QString typed = input.text();
        const AttemptFields &f = attempt.fields();
        KEYVORA_REQUIRE(beeps <= 1);
        KEYVORA_REQUIRE(verdicts <= 1);
        if (verdicts == 1) {
            KEYVORA_REQUIRE(hadText);
            KEYVORA_REQUIRE(++m_verdictsForText == 1);
            KEYVORA_REQUIRE(held.isEmpty() && typed.isEmpty());
            m_held.clear();
        }
        if (reset)
            KEYVORA_REQUIRE(held.isEmpty() && typed.isEmpty());
        // The loaded text, normalised, with exactly the one end marker the loader added.
        KEYVORA_REQUIRE(held == m_held);
        KEYVORA_REQUIRE(f.intInputLen == typed.size());

        const AttemptState state = held.isEmpty()    ? AttemptState::NoText
                                   : typed.isEmpty() ? AttemptState::Ready
                                                     : AttemptState::Typing;
        KEYVORA_REQUIRE(attempt.state() == state);
        KEYVORA_REQUIRE(attempt.tmrSpeed().isActive() == !held.isEmpty());
        KEYVORA_REQUIRE(attempt.tmrCheckNumOfWords().isActive() == !typed.isEmpty());
        if (!held.isEmpty() && !typed.isEmpty() && typed.size() < held.size())
            KEYVORA_REQUIRE(held[typed.size()] != u'\r');
        if (beeps == 1 && verdicts == 0)
            KEYVORA_REQUIRE(typed.endsWith(u'*'));
        KEYVORA_REQUIRE(f.intAccuracy >= 0 && f.intAccuracy <= 100);
        KEYVORA_REQUIRE(f.dblElapsed == m_elapsed);
    }

    FakeSource source;
    FakeInput input;
    FakeView view;
    PracticeAttempt attempt;
    QString m_held;
    double m_elapsed = 0.0;
    int m_verdictsForText = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    Harness harness;
    harness.run(provider);
    return 0;
}
