// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "keyboard/keyboarddiagram.h"

#include <QImage>

using namespace keyvora;
using namespace keyvora::test;

namespace {

BoxLabel *keyOf(const KeyboardDiagram &diagram, QChar c)
{
    return diagram.lblKey(*keyIndexForChar(c.unicode()));
}

} // namespace

class TestKeyboardDiagram : public QObject {
    Q_OBJECT
private slots:
    void fillsFollowTheLesson_data()
    {
        columns<int>({"window"});
        row("main windows: every key outlined until typed", int(DiagramWindow::Main));
        row("introduction: the home keys alone, in one colour", int(DiagramWindow::Intro));
        row("hands: each key in the legend colour of its finger", int(DiagramWindow::LeftRight));
        row("Shift lesson: symbols in the other hand's Shift colour", int(DiagramWindow::Shift));
    }
    void fillsFollowTheLesson()
    {
        QFETCH(int, window);
        const KeyboardDiagram diagram{DiagramWindow(window)};
        QHash<const BoxLabel *, QColor> filled;
        if (window == int(DiagramWindow::Intro)) {
            for (const QChar c : u"asdfjkl;"_qs)
                filled[keyOf(diagram, c)] = keyOf(diagram, u'a')->fillColour();
        } else if (window == int(DiagramWindow::LeftRight)) {
            const auto legend = [&](int slot) { // slot % 5: index, middle, ring, little
                const char *const group[] = {"Index", "Middle", "Ring", "Little"};
                return diagram.findChild<BoxLabel *>(u"lblLegend%1 Finger"_qs.arg(group[slot % 5]));
            };
            for (int slot = 0; slot < 4; ++slot)
                filled[legend(slot)] = legend(slot)->fillColour();
            for (char16_t c = 33; c < 127; ++c) {
                if (const auto slot = fingerSlotForChar(QString(QChar(c))))
                    filled[keyOf(diagram, c)] = legend(*slot)->fillColour();
            }
        } else if (window == int(DiagramWindow::Shift)) {
            const auto *left = diagram.findChild<BoxLabel *>(u"lblLShift"_qs);
            const auto *right = diagram.findChild<BoxLabel *>(u"lblRShift"_qs);
            filled = {{left, left->fillColour()}, {right, right->fillColour()}};
            QVERIFY(left->fillColour() != right->fillColour());
            for (const QChar c : u"!@#$%^&*()_+{}|:\"<>?"_qs) {
                const bool leftHand = *fingerSlotForChar(QString(c)) < 4;
                filled[keyOf(diagram, c)] = (leftHand ? right : left)->fillColour();
                QCOMPARE(keyOf(diagram, c)->caption(), QString(c));
            }
            QCOMPARE(keyOf(diagram, u'`')->caption(), u"`"_qs); // its tilde is not taught here
            // Taken as an access key, a lone "&" would draw nothing.
            const QImage face = keyOf(diagram, u'&')->grab().toImage();
            int ink = 0;
            for (int y = 2; y < face.height() - 2; ++y) {
                for (int x = 2; x < face.width() - 2; ++x)
                    ink += qGray(face.pixel(x, y)) < 100;
            }
            QVERIFY2(ink > 10, qPrintable(QString::number(ink)));
        }
        for (const BoxLabel *box : diagram.findChildren<BoxLabel *>()) {
            if (box->isHidden())
                continue; // the finger markers, opaque for when they show
            const QByteArray said = (box->objectName() + box->caption()).toUtf8();
            const char *name = said.constData();
            QVERIFY2((box->fillMode() == FillMode::Opaque) == filled.contains(box), name);
            QVERIFY2(!filled.contains(box) || box->fillColour() == filled[box], name);
            // A screen reader hears a key by its caption.
            QVERIFY2(box->caption().isEmpty() || box->accessibleName() == box->caption(), name);
        }
    }

    // Most of each marker, shown when a key asks for its finger, must cover a fingertip, not the
    // ground around the hand.
    void markersSitOnTheFingertips()
    {
        KeyboardDiagram diagram(DiagramWindow::Main);
        const QImage picture = diagram.grab().toImage();
        const QColor ground = picture.pixelColor(diagram.width() / 2, 4);
        for (int slot = 0; slot < kFingerSlots; ++slot) {
            const BoxLabel *marker = diagram.lblFinger(slot);
            int onGround = 0;
            const QRect area = marker->geometry();
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    onGround += picture.pixelColor(x, y) == ground;
            }
            QVERIFY2(onGround * 4 < area.width() * area.height(),
                     qPrintable(u"slot %1: %2 pixels on the ground"_qs.arg(slot).arg(onGround)));
        }
    }
};

QTEST_MAIN(TestKeyboardDiagram)
#include "tst_keyboarddiagram.moc"
