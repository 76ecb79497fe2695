// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "keyboard/boxlabel.h"
#include "keyboard/keyboarddiagram.h"

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

// A modifier key ("+Shift" down, "-Ctrl" up) as the X server reports it: the event carries the
// modifiers held before it.
void modifierKey(WindowFixture &f, const QString &step, Qt::KeyboardModifiers &held)
{
    const bool shift = step.endsWith(u"Shift");
    QKeyEvent event(step[0] == u'+' ? QEvent::KeyPress : QEvent::KeyRelease,
                    shift ? Qt::Key_Shift : Qt::Key_Control, held);
    QApplication::sendEvent(f.rtbInput, &event);
    held.setFlag(shift ? Qt::ShiftModifier : Qt::ControlModifier, step[0] == u'+');
}

} // namespace

// The keyboard guidance as the learner meets it: real keys into the main window's input box.
class WindowGuidanceTest : public QObject {
    Q_OBJECT
private slots:
    void keyLight_data()
    {
        columns<bool, QString, QList<int>>({"backspacingOff", "keys", "lit"});
        row("a shifted symbol lights its unshifted key", false, "!", QList<int>{49});
        row("keys typed between ticks stay lit together", false, "q1 ", QList<int>{32, 49, 81});
        row("Backspace lights BS even when it is swallowed", true, "x\b", QList<int>{8, 88});
        row("Enter lights nothing", false, "\r", QList<int>{});
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
        QVERIFY(f.running("tmrResetKey"));
        // One tick of the reset timer puts every key out, Space and BS too.
        f.desktop.fire(f.timer("tmrResetKey"));
        QCOMPARE(litKeys(f), QList<int>{});
    }

    void shiftCaptions_data()
    {
        columns<QStringList, QString>({"steps", "shiftedAfterEachStep"});
        row("Shift alone shifts until released", QStringList{"+Shift", "-Shift"}, "10");
        row("Shift after Ctrl does not shift", QStringList{"+Ctrl", "+Shift", "-Shift", "-Ctrl"},
            "0000");
        row("Ctrl joining Shift keeps the shifted captions until all are up",
            QStringList{"+Shift", "+Ctrl", "-Shift", "-Ctrl"}, "1110");
    }
    void shiftCaptions()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shiftedAfterEachStep);
        WindowFixture f;
        const auto caption = [&](int index) { return diagramOf(f).lblKey(index)->caption(); };
        Qt::KeyboardModifiers held;
        for (int i = 0; i < steps.size(); ++i) {
            modifierKey(f, steps[i], held);
            // A letter keeps its one caption; "&" is not taken for a mnemonic marker.
            const bool shifted = shiftedAfterEachStep[i] == u'1';
            QCOMPARE(caption('7') + caption('`') + caption('A'), shifted ? u"&~A"_qs : u"7`A"_qs);
        }
    }

    void nextLetterAndFinger_data()
    {
        columns<QString, QString, int>({"keys", "nextLetter", "finger"}); // -1: no marker shown
        // The practice text is "a&I ~!b".
        row("before the first key nothing is guided", "", "", -1);
        row("ampersand shows literally, right index", "a", "&", 5);
        row("space, the thumb", "a&I", " ", 4);
        row("tilde has no finger", "a&I ", "~", -1);
        row("emptied input shows the first letter and keeps the marker", "a&I ~\b\b\b\b\b", "a", 5);
    }
    void nextLetterAndFinger()
    {
        QFETCH(QString, keys);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("a&I ~!b"));
        f.type(keys);
        QTEST(f.label("lblNextLtr"), "nextLetter");
        QFETCH(int, finger);
        for (int slot = 0; slot < kFingerSlots; ++slot)
            QCOMPARE(diagramOf(f).lblFinger(slot)->isVisible(), slot == finger);
    }
};

QTEST_MAIN(WindowGuidanceTest)
#include "tst_windowguidance.moc"
