// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long seeded sessions of keys (any code unit among them), held keys, edits, pastes, loads, resets,
// ticks and language switches against the real main windows: what only a random interleaving finds.
// After every event each window's figures are held against an account kept apart from the engine.
//
// KEYVORA_MODEL_EVENTS=N   events per seed (3000); tst_modelfuzz "session:seed 977" runs one seed

#include "windowfixture.h"

#include "shell/texts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>

#include <optional>
#include <random>

using namespace keyvora;
using namespace keyvora::test;

class ModelFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void session_data();
    void session();
};

namespace {

constexpr quint64 kFixedSeeds[] = {1, 2, 3, 0x5eed, 20240601, 0xdeadbeef, 977, 31337};

qint64 envNumber(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// Control characters and all beyond ASCII as escapes, and no more than a line of it.
QString show(const QString &text)
{
    return QString::fromLatin1(text.left(60).toUtf8().toPercentEncoding(" *;'\""));
}

// One window the learner may see, with its account and the figures it must show.
struct Watched {
    WindowView view;
    Language language;
    Account account;
    QStringList labels; // speed, accuracy, word count, duration

    QString says(Text id) const { return text(language, id); }
};

// One learner's session through the windows' real widgets and menu actions.
class Session {
public:
    explicit Session(quint64 seed)
        : m_rng(seed)
    {
        QGuiApplication::clipboard()->clear();
        m_windows.reserve(2);
        m_windows.push_back({f, Language::English, {}, f.figures().split(u'|')});
    }

    int verdicts() const
    {
        int all = 0;
        for (const Watched &w : m_windows)
            all += w.account.verdicts;
        return all;
    }
    qint64 hiddenClockTicks() const { return m_hiddenClockTicks; }
    QString log() const { return m_log.join(u"\n  "_qs); }

    // Runs one event and checks the windows afterwards; an empty result means all held.
    QString step()
    {
        m_sourceBefore = v().rtbSource->text();
        m_inputBefore = v().rtbInput->text();
        m_verdictsBefore = int(f.platform.messages.size());
        m_beepsBefore = f.platform.beeps;
        m_loaded = m_reset = m_inputSame = false;
        m_log.append(event());
        if (m_log.size() > 25)
            m_log.removeFirst();
        const char *broken = check();
        return broken ? QStringLiteral("%1\n  source \"%2\" input \"%3\"")
                            .arg(QLatin1String(broken), show(v().rtbSource->text()),
                                 show(v().rtbInput->text()))
                      : QString();
    }

private:
    Watched &shown() { return m_windows[m_shown]; }
    WindowView &v() { return shown().view; }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    // Controls, NUL and lone surrogates included: a file or a key event may bring any of them.
    QChar anyCodeUnit() { return QChar(char16_t(pick(0x10000))); }

    QString randomText(int maxLength)
    {
        static const QString pieces[] = {u"a"_qs,  u"e"_qs, u"t"_qs, u"K"_qs, u" "_qs,
                                         u" "_qs,  u"*"_qs, u"7"_qs, u";"_qs, u"\t"_qs,
                                         u"\n"_qs, u"é"_qs, u"’"_qs, u"\r"_qs};
        QString text;
        for (int i = pick(maxLength + 1); i > 0; --i) {
            // Lone carriage returns end a text early; keep most texts whole.
            const QString &piece = pieces[pick(std::size(pieces))];
            if (chance(0.02))
                text += anyCodeUnit();
            else if (piece != u"\r" || chance(0.2))
                text += piece;
        }
        return text;
    }

    QString click(const QString &name)
    {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(v().rtbInput, key.key(), key.keyboardModifiers());
        return name;
    }

    QString typeKey(const QString &source, const QString &input)
    {
        const QChar next = input.size() < source.size() ? source[input.size()] : QChar();
        const bool typeable = next.unicode() >= 32 && next.unicode() != 127;
        if (chance(0.01)) {
            // A held key repeats, one press per event, while the timers keep ticking.
            m_heldKey = typeable && chance(0.5) ? next : QChar(u'x');
            m_repeats = 1 + pick(8);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(m_heldKey));
            QCoreApplication::sendEvent(v().rtbInput, &press);
            return QStringLiteral("hold \"%1\"").arg(m_heldKey);
        }
        const QChar c = typeable && chance(0.93) ? next
                        : chance(0.1)            ? anyCodeUnit()
                                                 : QChar(char16_t(32 + pick(95)));
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(v().rtbInput, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, v().rtbInput, Qt::Key_unknown, QString(c), {});
        return QStringLiteral("type \"%1\"").arg(c);
    }

    QString holdOn()
    {
        if (chance(0.3))
            return tick();
        const bool release = --m_repeats < 0;
        QKeyEvent key(release ? QEvent::KeyRelease : QEvent::KeyPress, Qt::Key_unknown,
                      Qt::NoModifier, QString(m_heldKey), !release);
        QCoreApplication::sendEvent(v().rtbInput, &key);
        return QStringLiteral("%1 \"%2\"").arg(release ? "release" : "repeat").arg(m_heldKey);
    }

    // A text handed to the window shown, as the tests and drills do.
    QString load()
    {
        const QString before = v().rtbSource->text();
        const QString text = chance(0.2) ? before : randomText(25);
        f.windows.LoadPracticeText(text);
        shown().account.load(text, before, v().rtbSource->text());
        m_loaded = text != before && !text.isEmpty();
        return QStringLiteral("load \"%1\"").arg(show(text));
    }

    // Ticks of the two timers come in either order and only while they run, in the hidden
    // window as in the shown one.
    QString tick()
    {
        const int which = pick(3);
        for (int window = 0; window < int(m_windows.size()); ++window) {
            Watched &w = m_windows[window];
            if (which != 1 && w.view.running("tmrCheckNumOfWords")) {
                w.view.desktop.fire(w.view.timer("tmrCheckNumOfWords"));
                w.account.wordTick(w.view.rtbInput->text());
                w.labels[1] = w.says(Text::AccuracyPrefix) + QString::number(w.account.accuracy) +
                              w.says(Text::AccuracyUnit);
                w.labels[2] = w.says(Text::WordCountPrefix) + QString::number(w.account.words);
            }
            if (which != 0 && w.view.running("tmrSpeed")) {
                w.view.desktop.fire(w.view.timer("tmrSpeed"));
                w.account.clockTick();
                m_hiddenClockTicks += window != m_shown;
                const auto minutes = qint64(w.account.elapsed / 60);
                w.labels[0] = w.says(Text::SpeedPrefix) + QString::number(w.account.speed) +
                              w.says(Text::SpeedUnit);
                w.labels[3] = w.says(Text::DurationPrefix) + QString::number(minutes) +
                              w.says(Text::MinutesSeparator) +
                              QString::number(qint64(w.account.elapsed - double(minutes) * 60)) +
                              w.says(Text::SecondsUnit);
            }
        }
        return QStringLiteral("tick %1").arg(which);
    }

    QString switchLanguage()
    {
        const bool toMalay = chance(0.5);
        v().action(toMalay ? "mnuSetLangBM" : "mnuSetLangEng")->trigger();
        if (toMalay && m_windows.size() == 1) {
            WindowView malay(*f.windows.frmMainMalay(), f.platform);
            m_windows.push_back({malay, Language::Malay, {}, malay.figures().split(u'|')});
        }
        m_shown = toMalay ? 1 : 0;
        activate(v().window);
        return toMalay ? u"Malay"_qs : u"English"_qs;
    }

    QString event()
    {
        if (m_repeats >= 0)
            return holdOn();
        const QString input = v().rtbInput->text();
        const QString source = v().rtbSource->text();
        const bool backspacingOff = v().action("mnuSetBsOff")->isChecked();
        const int roll = pick(1000);

        // A learner who sees a mark and may correct it usually does.
        if (roll < 600 && !backspacingOff && input.endsWith(u'*') && chance(0.5))
            return click(u"Backspace"_qs);
        if (roll < 500)
            return typeKey(source, input);
        if (roll < 580) {
            m_inputSame = backspacingOff;
            return click(chance(0.1) ? u"Ctrl+Backspace"_qs : u"Backspace"_qs);
        }
        if (roll < 595) {
            const char *name = chance(0.5) ? "mnuSetBsOff" : "mnuSetBsOn";
            v().action(name)->trigger();
            return QLatin1String(name);
        }
        if (roll < 640) {
            static const QStringList keys =
                QStringLiteral("Return Esc Home End Left Right Shift+Home Shift+Left").split(u' ');
            m_inputSame = true;
            return click(keys[pick(keys.size())]);
        }
        if (roll < 690) {
            static const QStringList edits =
                QStringLiteral("Del Ctrl+A Ctrl+X Ctrl+V Ctrl+V Ctrl+Z").split(u' ');
            return click(edits[pick(edits.size())]);
        }
        if (roll < 705) {
            // A piece of the text itself, so that a paste can land right before the end marker,
            // or anything at all.
            QString clip = randomText(chance(0.1) ? 600 : 12);
            if (!source.isEmpty() && chance(0.5))
                clip = source.left(pick(int(source.size()) + 1));
            QGuiApplication::clipboard()->setText(clip);
            return QStringLiteral("clipboard \"%1\"").arg(show(clip));
        }
        if (roll < 740)
            return load();
        if (roll < 755) {
            m_reset = true;
            shown().account.held.clear();
            return click(u"Ctrl+R"_qs);
        }
        if (roll < 770)
            return switchLanguage();
        return tick();
    }

    // Names the first rule a window broke, or returns nullptr.
    const char *check()
    {
        const QString source = v().rtbSource->text();
        const QString input = v().rtbInput->text();
        const int verdicts = int(f.platform.messages.size()) - m_verdictsBefore;
        Watched &w = shown();
        if (!v().window.isVisible() || &f.windows.active() != &v().window)
            return "the window switched to is not the one shown and in use";
        if (m_windows.size() == 2) {
            // The hidden window: nothing happened to it but its ticks.
            Watched &hidden = m_windows[1 - m_shown];
            if (hidden.view.window.isVisible())
                return "the window switched from is still shown";
            if (const char *broken = hidden.account.check(
                    hidden.view.rtbSource->text(), hidden.view.rtbInput->text(), 0, 0, true,
                    hidden.view.running("tmrSpeed"), hidden.view.running("tmrCheckNumOfWords")))
                return broken;
            if (hidden.view.figures() != hidden.labels.join(u'|'))
                return "a figure of the hidden window is not the one counted";
        }
        if (const char *broken =
                w.account.check(source, input, f.platform.beeps - m_beepsBefore, verdicts,
                                !m_sourceBefore.isEmpty(), v().running("tmrSpeed"),
                                v().running("tmrCheckNumOfWords")))
            return broken;
        if (verdicts == 1) {
            const Message &verdict = f.platform.messages.back();
            const bool passed = w.account.accuracy > 90;
            const QString text =
                passed ? w.says(Text::PassedFirst) + QString::number(w.account.speed) +
                             w.says(Text::PassedSecond) + QString::number(w.account.accuracy) +
                             w.says(Text::PassedLast)
                       : w.says(Text::LowAccuracy);
            if (verdict.title != w.says(passed ? Text::PassedTitle : Text::WindowCaption) ||
                verdict.text != text)
                return "a verdict other than the last ticks' figures call for";
        }
        if (verdicts == 1 || m_reset) {
            w.labels[0] = w.says(Text::SpeedPrefix);
            w.labels[1] = w.says(Text::AccuracyPrefix);
            if (!input.isEmpty() || !v().label("lblNextLtr").isEmpty())
                return "the end of the text or a reset left input or a next letter";
        }
        if (m_loaded && !input.isEmpty())
            return "a load that did not start over";
        if (m_inputSame &&
            (input != m_inputBefore || f.platform.beeps != m_beepsBefore || verdicts))
            return "a key that types nothing changed the input";
        if (!source.isEmpty() && !input.isEmpty() &&
            v().label("lblNextLtr") !=
                (input.size() < source.size() ? QString(source[input.size()]) : QString()))
            return "the next letter shown is not the next character";
        if (v().figures() != w.labels.join(u'|'))
            return "a figure shown is not the one counted";
        return nullptr;
    }

    WindowFixture f;
    std::mt19937_64 m_rng;
    QStringList m_log;
    QString m_sourceBefore, m_inputBefore;
    int m_verdictsBefore = 0, m_beepsBefore = 0;

    std::vector<Watched> m_windows; // English, then Malay once the learner has switched to it
    int m_shown = 0;
    qint64 m_hiddenClockTicks = 0;
    bool m_loaded = false;
    bool m_reset = false;
    bool m_inputSame = false; // keys that type nothing into the box

    QChar m_heldKey;
    int m_repeats = -1; // presses left of a held key; -1 when none is held
};

} // namespace

void ModelFuzzTest::session_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : kFixedSeeds)
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
}

void ModelFuzzTest::session()
{
    QFETCH(quint64, seed);
    const qint64 events = envNumber("KEYVORA_MODEL_EVENTS", 3000);
    Session session(seed);
    for (qint64 i = 0; i < events; ++i) {
        const QString failure = session.step();
        QVERIFY2(
            failure.isEmpty(),
            qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4\nreplay: "
                                      "KEYVORA_MODEL_EVENTS=%5 tst_modelfuzz \"session:seed %1\"")
                           .arg(seed)
                           .arg(i)
                           .arg(failure, session.log())
                           .arg(i + 1)));
    }
    // The generator must really reach the ends of texts, or the verdict checks prove nothing.
    QVERIFY2(session.verdicts() >= events / 300,
             qPrintable(QStringLiteral("only %1 verdicts").arg(session.verdicts())));
    QVERIFY2(session.hiddenClockTicks() > 0, "no hidden window's clock was seen to tick");
}

QTEST_MAIN(ModelFuzzTest)
#include "tst_modelfuzz.moc"
