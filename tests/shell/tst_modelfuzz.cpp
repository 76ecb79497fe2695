// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long seeded sessions of keys, edits, loads, resets, ticks and language switches against the
// real main windows, each checked after every event against an account of its attempt kept
// apart from the engine.
//
// KEYVORA_MODEL_SEEDS=1,2,3    replay these seeds instead of the fixed set
// KEYVORA_MODEL_EXTRA_SEEDS=N  add N fresh seeds (printed when one fails)
// KEYVORA_MODEL_EVENTS=N       events per seed (3000)

#include "windowfixture.h"

#include "lessons/builtintests.h"
#include "lessons/drills.h"
#include "shell/texts.h"

#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>

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

QString show(const QString &text)
{
    QString shown;
    for (QChar c : text)
        shown += c.unicode() < 32 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                  : QString(c);
    return shown.size() > 60 ? shown.left(60) + QStringLiteral("...(%1)").arg(text.size()) : shown;
}

// One learner's session through the window's real widgets and menu actions.
class Session {
public:
    explicit Session(quint64 seed)
        : m_rng(seed)
    {
        QGuiApplication::clipboard()->clear();
        m_labels[0] = f.figures().split(u'|');
    }

    int verdicts() const { return m_accounts[0].verdicts + m_accounts[1].verdicts; }
    qint64 hiddenClockTicks() const { return m_hiddenClockTicks; }
    QString log() const { return m_log.join(u"\n  "_qs); }

    // Runs one event and checks the window afterwards; an empty result means all held.
    QString step()
    {
        m_sourceBefore = v().rtbSource->text();
        m_inputBefore = v().rtbInput->text();
        m_verdictsBefore = int(f.platform.messages.size());
        m_beepsBefore = f.platform.beeps;
        m_loaded.reset();
        m_reset = m_inputSame = false;
        m_failure = nullptr;
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
    // The window the learner sees, and its account and figures.
    WindowView &v() { return m_shown == 0 ? static_cast<WindowView &>(f) : *m_malay; }
    Account &account() { return m_accounts[m_shown]; }
    static Language language(int window)
    {
        return window == 0 ? Language::English : Language::Malay;
    }
    QString says(Text id) const { return text(language(m_shown), id); }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    QString randomText(int maxLength)
    {
        static const QString pieces[] = {
            u"a"_qs, u"e"_qs,  u"t"_qs,    u"K"_qs,  u" "_qs,           u" "_qs, u"*"_qs, u"7"_qs,
            u";"_qs, u"\t"_qs, u"\r\n"_qs, u"\n"_qs, QString(QChar(0)), u"é"_qs, u"’"_qs, u"\r"_qs};
        QString text;
        for (int i = pick(maxLength + 1); i > 0; --i) {
            // Lone carriage returns end a text early; keep most texts whole.
            const QString &piece = pieces[pick(std::size(pieces))];
            if (piece != u"\r" || chance(0.2))
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

    void expectLoad(const QString &text)
    {
        m_loaded = text;
        account().load(text);
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
                        : chance(0.1)            ? QChar(u'é')
                                                 : QChar(char16_t(32 + pick(95)));
        const Qt::KeyboardModifiers modifiers = chance(0.05) ? Qt::ShiftModifier : Qt::NoModifier;
        if (c.unicode() < 127)
            QTest::keyClick(v().rtbInput, char(c.unicode()), modifiers);
        else
            QTest::sendKeyEvent(QTest::Click, v().rtbInput, Qt::Key_unknown, QString(c), modifiers);
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

    QString loadFile()
    {
        const QString text = randomText(pick(4) == 0 ? 120 : 30);
        const int encoding = pick(6); // UTF-16 or UTF-8 with a byte-order mark, or plain UTF-8
        QStringEncoder encoder(encoding == 0 ? QStringConverter::Utf16LE : QStringConverter::Utf8,
                               encoding < 2 ? QStringConverter::Flag::WriteBom
                                            : QStringConverter::Flag::Default);
        const QByteArray bytes = encoder.encode(text);
        QFile file(m_dir.filePath(QStringLiteral("practice.txt")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            qFatal("cannot write the practice file");
        file.close();
        f.platform.open.answer = file.fileName();
        expectLoad(text);
        if (chance(0.3))
            click(u"Ctrl+O"_qs);
        else
            v().window.mnuFileOpen_Click();
        return QStringLiteral("open file (encoding %1) \"%2\"").arg(encoding).arg(show(text));
    }

    // Ticks of the two timers come in either order and only while they run, in the hidden
    // window as in the shown one.
    QString tick()
    {
        const int which = pick(3);
        for (int window = 0; window < (m_malay ? 2 : 1); ++window) {
            WindowView &w = window == 0 ? static_cast<WindowView &>(f) : *m_malay;
            Account &account = m_accounts[window];
            QStringList &labels = m_labels[window];
            const auto caption = [window](Text id) { return text(language(window), id); };
            if (which != 1 && w.running("tmrCheckNumOfWords")) {
                w.desktop.fire(w.timer("tmrCheckNumOfWords"));
                const QString accuracy = w.label("lblAccuracy");
                const qsizetype prefix = caption(Text::AccuracyPrefix).size();
                const qint64 shown =
                    accuracy
                        .mid(prefix, accuracy.size() - prefix - caption(Text::AccuracyUnit).size())
                        .toLongLong();
                if (const char *broken = account.wordTick(w.rtbInput->text(), shown))
                    m_failure = broken;
                labels[1] = caption(Text::AccuracyPrefix) + QString::number(account.accuracy) +
                            caption(Text::AccuracyUnit);
                labels[2] = caption(Text::WordCountPrefix) + QString::number(account.words);
            }
            if (which != 0 && w.running("tmrSpeed")) {
                w.desktop.fire(w.timer("tmrSpeed"));
                account.clockTick();
                m_hiddenClockTicks += window != m_shown;
                const auto minutes = qint64(account.elapsed / 60);
                labels[0] = caption(Text::SpeedPrefix) + QString::number(account.speed) +
                            caption(Text::SpeedUnit);
                labels[3] = caption(Text::DurationPrefix) + QString::number(minutes) +
                            caption(Text::MinutesSeparator) +
                            QString::number(qint64(account.elapsed - double(minutes) * 60)) +
                            caption(Text::SecondsUnit);
            }
        }
        return QStringLiteral("tick %1").arg(which);
    }

    // A tutorial opened from the window shown: its language button pressed a few times, then
    // its drill started or the window left, while the practice's clocks may tick behind it.
    QString tutorial()
    {
        const int which = pick(3);
        const int presses = pick(3);
        const int leave = pick(4); // 0 to 1 start the drill, 2 Cancel, 3 the close box
        const int row = pick(kFingerDrills + 1) - 1; // -1: no row chosen, OK does nothing
        const QString drill = which == 0   ? homeRowDrill()
                              : which == 2 ? shiftDrill()
                                           : fingerDrill(qMax(row, 0));
        const bool starts = leave < 2 && (which != 1 || row >= 0);
        f.platform.whenModal = [&](QDialog &dialog) {
            for (int i = 0; i < presses; ++i)
                dialog.findChild<QPushButton *>(u"cmdBM"_qs)->click();
            if (chance(0.5))
                tick();
            if (leave == 3)
                dialog.close();
            else if (leave == 2)
                dialog.findChild<QPushButton *>(u"cmdCancel"_qs)->click();
            else if (auto *lstLR = dialog.findChild<QListWidget *>(u"lstLR"_qs)) {
                if (row >= 0)
                    lstLR->setCurrentRow(row);
                dialog.findChild<QPushButton *>(u"cmdOK"_qs)->click();
                if (dialog.isVisible()) // no row: the window waits for one
                    dialog.findChild<QPushButton *>(u"cmdCancel"_qs)->click();
            } else {
                dialog.findChild<QPushButton *>(u"cmdNext"_qs)->click();
            }
        };
        void (MainWindow::*const open[])() = {&MainWindow::mnuLesTutIntro_Click,
                                              &MainWindow::mnuLesTutLR_Click,
                                              &MainWindow::mnuLesTutShift_Click};
        (v().window.*open[which])();
        f.platform.whenModal = nullptr;
        // The drill lands after any tick behind the tutorial.
        if (starts)
            expectLoad(drill);
        activate(v().window);
        return QStringLiteral("tutorial %1, %2 presses, %3")
            .arg(which)
            .arg(presses)
            .arg(starts ? QStringLiteral("drill row %1").arg(row) : QStringLiteral("left"));
    }

    // The converter or the About box over the window shown, a few letters typed into it while
    // the clocks may tick behind it; the practice is left as it was, the focus back in it.
    QString secondaryWindow()
    {
        const bool converter = chance(0.5);
        const int letters = pick(4);
        f.platform.whenModal = [&](QDialog &dialog) {
            for (int i = 0; i < letters; ++i) {
                if (chance(0.5))
                    tick();
                const char letter = char('a' + pick(26));
                QTest::keyClick(QApplication::focusWidget(), letter);
                auto *code = dialog.findChild<QLineEdit *>(u"Text2"_qs);
                if (code && code->text() != QString::number(int(letter)))
                    m_failure = "the converter showed the wrong code";
            }
            if (converter)
                dialog.close();
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        };
        if (converter)
            click(u"F9"_qs);
        else
            v().action("mnuHelpAbout")->trigger();
        f.platform.whenModal = nullptr;
        if (QApplication::focusWidget() != v().rtbInput)
            m_failure = "the focus did not come back to the input box";
        m_inputSame = true;
        return QStringLiteral("%1 with %2 letters")
            .arg(converter ? "converter" : "About")
            .arg(letters);
    }

    // By menu or key, either language from either window: the window's own one does nothing.
    QString switchLanguage()
    {
        const bool toMalay = chance(0.5);
        const bool byKey = chance(0.5);
        if (byKey)
            click(toMalay ? u"F12"_qs : u"F11"_qs);
        else
            v().action(toMalay ? "mnuSetLangBM" : "mnuSetLangEng")->trigger();
        if (toMalay && !m_malay) {
            m_malay.emplace(*f.windows.frmMainMalay(), f.platform);
            m_labels[1] = m_malay->figures().split(u'|');
        }
        m_shown = toMalay ? 1 : 0;
        activate(v().window);
        return QStringLiteral("%1 by %2")
            .arg(toMalay ? "Malay" : "English", byKey ? "key" : "menu");
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
        if (roll < 670) {
            // Keys that type nothing. Escape is a control code the box ignores; Tab takes the
            // focus away; Shift comes alone, with Ctrl or with Alt.
            static const QStringList keys =
                QStringLiteral("Return Esc Tab Home End Left Right Shift+Home Shift+End Shift+Left "
                               "Shift+Right Shift+Shift Ctrl+Shift+Shift Alt+Shift+Shift")
                    .split(u' ');
            m_inputSame = true;
            return click(keys[pick(keys.size())]);
        }
        if (roll < 715) {
            static const QStringList edits =
                QStringLiteral("Del Del Ctrl+A Ctrl+X Ctrl+C Ctrl+V Ctrl+Z Ctrl+Y").split(u' ');
            return click(edits[pick(edits.size())]);
        }
        if (roll < 730) {
            // What a learner might copy from elsewhere: a piece of the text itself (so that a
            // paste can land right before the end marker), or anything at all.
            QString clip = randomText(chance(0.1) ? 600 : 12);
            if (!source.isEmpty() && chance(0.5))
                clip = source.left(pick(int(source.size()) + 1));
            QGuiApplication::clipboard()->setText(clip);
            return QStringLiteral("clipboard \"%1\"").arg(show(clip));
        }
        if (roll < 740) {
            const std::pair<QString (*)(), void (MainWindow::*)()> tests[] = {
                {generalKeyText, &MainWindow::mnuLesTestGen_Click},
                {shortWordsText, &MainWindow::mnuLesTestShort_Click},
                {articleText, &MainWindow::mnuLesTestArt_Click}};
            const auto [text, open] = tests[pick(3)];
            expectLoad(text());
            (v().window.*open)();
            return QStringLiteral("built-in test \"%1\"").arg(show(text()));
        }
        if (roll < 765)
            return loadFile();
        if (roll < 780) {
            // The hand-off the tutorial drills use: it lands in the window shown.
            const QString text = chance(0.2) ? source : randomText(25);
            expectLoad(text);
            f.windows.LoadPracticeText(text);
            return QStringLiteral("hand-off \"%1\"").arg(show(text));
        }
        if (roll < 797) {
            m_reset = true;
            account().held.clear();
            if (chance(0.3))
                return click(u"Ctrl+R"_qs);
            v().window.mnuFileReset_Click();
            return QStringLiteral("reset");
        }
        if (roll < 812)
            return switchLanguage();
        if (roll < 822)
            return tutorial();
        if (roll < 832)
            return secondaryWindow();
        return tick();
    }

    // Names the first rule a window broke, or returns nullptr.
    const char *check()
    {
        const QString source = v().rtbSource->text();
        const QString input = v().rtbInput->text();
        const int verdicts = int(f.platform.messages.size()) - m_verdictsBefore;
        QStringList &labels = m_labels[m_shown];
        if (m_failure)
            return m_failure;
        if (!v().window.isVisible() || &f.windows.active() != &v().window)
            return "the window switched to is not the one shown and in use";
        if (m_malay) {
            // The hidden window: nothing happened to it but its ticks.
            WindowView &hidden = m_shown == 0 ? *m_malay : static_cast<WindowView &>(f);
            if (hidden.window.isVisible())
                return "the window switched from is still shown";
            if (const char *broken = m_accounts[1 - m_shown].check(
                    hidden.rtbSource->text(), hidden.rtbInput->text(), 0, 0, true,
                    hidden.running("tmrSpeed"), hidden.running("tmrCheckNumOfWords")))
                return broken;
            if (hidden.figures() != m_labels[1 - m_shown].join(u'|'))
                return "a figure of the hidden window is not the one counted";
        }
        if (const char *broken =
                account().check(source, input, f.platform.beeps - m_beepsBefore, verdicts,
                                !m_sourceBefore.isEmpty(), v().running("tmrSpeed"),
                                v().running("tmrCheckNumOfWords")))
            return broken;
        if (verdicts == 1) {
            const Message &verdict = f.platform.messages.back();
            const bool passed = account().accuracy > 90;
            const QString text =
                passed ? says(Text::PassedFirst) + QString::number(account().speed) +
                             says(Text::PassedSecond) + QString::number(account().accuracy) +
                             says(Text::PassedLast)
                       : says(Text::LowAccuracy);
            if (verdict.title != says(passed ? Text::PassedTitle : Text::WindowCaption) ||
                verdict.text != text)
                return "a verdict other than the last ticks' figures call for";
        }
        if (verdicts == 1 || m_reset) {
            labels[0] = says(Text::SpeedPrefix);
            labels[1] = says(Text::AccuracyPrefix);
            if (!input.isEmpty() || !v().label("lblNextLtr").isEmpty())
                return "the end of the text or a reset left input or a next letter";
        }
        if (m_loaded && !m_loaded->isEmpty() && *m_loaded != m_sourceBefore && !input.isEmpty())
            return "a load that did not start over";
        if (m_inputSame &&
            (input != m_inputBefore || f.platform.beeps != m_beepsBefore || verdicts))
            return "a key that types nothing changed the input";
        if (!source.isEmpty() && !input.isEmpty() &&
            v().label("lblNextLtr") !=
                (input.size() < source.size() ? QString(source[input.size()]) : QString()))
            return "the next letter shown is not the next character";
        if (v().figures() != labels.join(u'|'))
            return "a figure shown is not the one counted";
        return nullptr;
    }

    WindowFixture f;
    std::mt19937_64 m_rng;
    QTemporaryDir m_dir;
    QStringList m_log;
    QString m_sourceBefore, m_inputBefore;
    int m_verdictsBefore = 0, m_beepsBefore = 0;
    const char *m_failure = nullptr;

    std::optional<WindowView> m_malay; // once the learner has switched to it
    int m_shown = 0;                   // 0 English, 1 Malay
    qint64 m_hiddenClockTicks = 0;

    // Each window's account: what its source must hold, what its figures and labels must be.
    Account m_accounts[2];
    QStringList m_labels[2]; // speed, accuracy, word count, duration
    std::optional<QString> m_loaded;
    bool m_reset = false;
    bool m_inputSame = false; // keys that type nothing into the box

    QChar m_heldKey;
    int m_repeats = -1; // presses left of a held key; -1 when none is held
};

} // namespace

void ModelFuzzTest::session_data()
{
    QTest::addColumn<quint64>("seed");
    std::vector<quint64> seeds(std::begin(kFixedSeeds), std::end(kFixedSeeds));
    if (const QString chosen = qEnvironmentVariable("KEYVORA_MODEL_SEEDS"); !chosen.isEmpty()) {
        seeds.clear();
        for (const QString &seed : chosen.split(u',', Qt::SkipEmptyParts))
            seeds.push_back(seed.trimmed().toULongLong(nullptr, 0));
    }
    std::random_device fresh;
    for (qint64 i = envNumber("KEYVORA_MODEL_EXTRA_SEEDS", 0); i > 0; --i)
        seeds.push_back(quint64(fresh()) << 32 | fresh());
    for (quint64 seed : seeds)
        QTest::addRow("seed %llu", static_cast<unsigned long long>(seed)) << seed;
}

void ModelFuzzTest::session()
{
    QFETCH(quint64, seed);
    const qint64 events = envNumber("KEYVORA_MODEL_EVENTS", 3000);
    Session session(seed);
    for (qint64 i = 0; i < events; ++i) {
        const QString failure = session.step();
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4\nreplay: "
                                           "KEYVORA_MODEL_SEEDS=%1 KEYVORA_MODEL_EVENTS=%5")
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
