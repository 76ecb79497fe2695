// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "keyboard/boxlabel.h"
#include "keyboard/keyboarddiagram.h"
#include "shell/keyguidance.h"

#include <QApplication>
#include <QKeyEvent>

using namespace keyvora;
using namespace keyvora::test;

namespace {

KeyboardDiagram &diagramOf(WindowFixture &f)
{
    return *f.window.findChild<KeyboardDiagram *>();
}

QList<int> litKeys(WindowFixture &f)
{
    QList<int> lit;
    for (int index = 0; index < 128; ++index) {
        if (BoxLabel *key = diagramOf(f).lblKey(index); key && key->fillMode() == FillMode::Opaque)
            lit.append(index);
    }
    return lit;
}

QList<int> shownFingers(WindowFixture &f)
{
    QList<int> shown;
    for (int slot = 0; slot < kFingerSlots; ++slot) {
        if (!diagramOf(f).lblFinger(slot)->isHidden())
            shown.append(slot);
    }
    return shown;
}

// Every key's caption, by its index.
QStringList captions(WindowFixture &f)
{
    QStringList all;
    for (int index = 0; index < 128; ++index) {
        const BoxLabel *key = diagramOf(f).lblKey(index);
        all << (key ? key->caption() : QString());
    }
    return all;
}

// A modifier key ("+Shift" down, "-Ctrl" up) as the X server reports it: the event carries the
// modifiers held before it. A release ending in "@" reaches the practice text instead.
void modifierKey(WindowFixture &f, const QString &step, Qt::KeyboardModifiers &held)
{
    static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifier>> keys{
        {QStringLiteral("Shift"), {Qt::Key_Shift, Qt::ShiftModifier}},
        {QStringLiteral("Ctrl"), {Qt::Key_Control, Qt::ControlModifier}},
        {QStringLiteral("Alt"), {Qt::Key_Alt, Qt::AltModifier}},
    };
    if (step == u"Left") {
        QTest::keyClick(f.rtbInput, Qt::Key_Left);
        return;
    }
    const auto [key, modifier] = keys.value(step.mid(1).remove(u'@'));
    QKeyEvent event(step[0] == u'+' ? QEvent::KeyPress : QEvent::KeyRelease, key, held);
    QApplication::sendEvent(step.endsWith(u'@') ? static_cast<QWidget *>(f.rtbSource)
                                                : static_cast<QWidget *>(f.rtbInput),
                            &event);
    held.setFlag(modifier, step[0] == u'+');
}

} // namespace

// The keyboard guidance as the learner meets it: real keys into the main window's input box.
class WindowGuidanceTest : public QObject {
    Q_OBJECT
private slots:
    void keyLight_data()
    {
        columns<bool, QString, QList<int>, QString>({"backspacingOff", "keys", "lit", "input"});
        row("a shifted symbol lights its unshifted key", false, "!", QList<int>{49}, "*");
        row("keys typed between ticks stay lit together", false, "q1 ", QList<int>{32, 49, 81},
            "***");
        row("Backspace lights BS even when it is swallowed", true, "x\b", QList<int>{8, 88}, "*");
        row("Enter lights nothing", false, "\r", QList<int>{}, "");
    }
    void keyLight()
    {
        QFETCH(bool, backspacingOff);
        QFETCH(QString, keys);
        WindowFixture f;
        if (backspacingOff)
            f.action("mnuSetBsOff")->trigger();
        f.type(keys);
        QTEST(litKeys(f), "lit");
        QTEST(f.rtbInput->text(), "input");
        QVERIFY(f.running("tmrResetKey"));

        f.desktop.fire(f.timer("tmrResetKey"));
        QCOMPARE(litKeys(f), QList<int>{});
        QVERIFY(!f.running("tmrResetKey"));
        // The next key lights again, and the timer with it.
        f.type(QStringLiteral("z"));
        QCOMPARE(litKeys(f), QList<int>{90});
        QVERIFY(f.running("tmrResetKey"));
    }

    void shiftCaptions_data()
    {
        columns<QStringList, QString>({"steps", "shiftedAfterEachStep"});
        row("Shift alone shifts until released", QStringList{"+Shift", "-Shift"}, "10");
        row("Shift after Ctrl does not shift", QStringList{"+Ctrl", "+Shift", "-Shift", "-Ctrl"},
            "0000");
        row("Shift after Alt does not shift", QStringList{"+Alt", "+Shift", "-Alt", "-Shift"},
            "0000");
        row("Ctrl joining Shift keeps the shifted captions until all are up",
            QStringList{"+Shift", "+Ctrl", "-Shift", "-Ctrl"}, "1110");
        row("a release missed while the focus was away waits for the next key",
            QStringList{"+Shift", "-Shift@", "Left"}, "110");
    }
    void shiftCaptions()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shiftedAfterEachStep);
        WindowFixture f;
        const QStringList unshifted = captions(f);
        // The keys of a US keyboard with another character above.
        const QString twoCaptions = u"`1234567890-=[]\\;',./"_qs;
        Qt::KeyboardModifiers held;
        for (int i = 0; i < steps.size(); ++i) {
            modifierKey(f, steps[i], held);
            const QStringList now = captions(f);
            const bool shifted = shiftedAfterEachStep[i] == u'1';
            for (int key = 0; key < 128; ++key) {
                QVERIFY2((now[key] != unshifted[key]) ==
                             (shifted && twoCaptions.contains(QChar(key))),
                         qPrintable(QString::number(key)));
            }
            // Not taken for a mnemonic marker.
            if (shifted)
                QCOMPARE(now['7'], u"&"_qs);
        }
        QCOMPARE(litKeys(f), QList<int>{});
    }

    void nextLetterAndFinger_data()
    {
        columns<QString, QString, QList<int>>({"keys", "nextLetter", "fingers"});
        // The practice text is "a&I ~!b".
        row("before the first key nothing is guided", "", "", QList<int>{});
        row("ampersand shows literally, right index", "a", "&", QList<int>{5});
        row("space, the thumb", "a&I", " ", QList<int>{4});
        row("tilde has no finger", "a&I ", "~", QList<int>{});
        row("exclamation mark, left little, no Shift shown", "a&I ~", "!", QList<int>{3});
        row("emptied input shows the first letter and keeps the marker", "a&I ~\b\b\b\b\b", "a",
            QList<int>{5});
        row("the end of the text guides nothing", "a&I ~!b", "", QList<int>{});
    }
    void nextLetterAndFinger()
    {
        QFETCH(QString, keys);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("a&I ~!b"));
        f.type(keys);
        QTEST(f.label("lblNextLtr"), "nextLetter");
        QTEST(shownFingers(f), "fingers");
    }
};

QTEST_MAIN(WindowGuidanceTest)
#include "tst_windowguidance.moc"
