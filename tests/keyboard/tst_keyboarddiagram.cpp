// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "design/designfont.h"
#include "keyboard/keyboarddiagram.h"
#include "keyboard/svgpicture.h"

#include <QFontInfo>
#include <QImage>

using namespace keyvora;
using namespace keyvora::test;

namespace {

const QColor kGreen(0, 255, 0), kPink(255, 192, 255), kYellow(255, 255, 192);
const QColor kLittle(255, 192, 192), kRing(0, 255, 255), kMiddle(255, 255, 128),
    kIndex(192, 255, 192);

using Fills = QMap<QString, QColor>; // object name -> colour of a box that opens filled

Fills fills(std::initializer_list<int> indices, const QColor &colour, Fills more = {})
{
    for (const int index : indices)
        more.insert(QStringLiteral("lblKey(%1)").arg(index), colour);
    return more;
}

} // namespace

class TestKeyboardDiagram : public QObject {
    Q_OBJECT
private slots:
    // Resolved by fontconfig against what is installed, so a face the set-up or the package
    // forgot shows here as its fallback.
    void designFamiliesResolveToInstalledFaces_data()
    {
        columns<QString, QString>({"family", "face"});
        row("Arial: its metric twin", u"Arial"_qs, u"Liberation Sans"_qs);
        row("Times New Roman: its metric twin", u"Times New Roman"_qs, u"Liberation Serif"_qs);
        row("Palatino Linotype: the URW Palatino", u"Palatino Linotype"_qs, u"P052"_qs);
        row("Verdana: the wide DejaVu", u"Verdana"_qs, u"DejaVu Sans"_qs);
        row("MS Sans Serif: a plain sans", u"MS Sans Serif"_qs, u"Liberation Sans"_qs);
        row("Copperplate Gothic Light: a plain sans", u"Copperplate Gothic Light"_qs,
            u"Liberation Sans"_qs);
        row("a family the design does not name: a sans", u"Wingdings"_qs, u"Liberation Sans"_qs);
    }
    void designFamiliesResolveToInstalledFaces()
    {
        QFETCH(QString, family);
        QFETCH(QString, face);
        // Qt adds the foundry, "P052 [UKWN]", where two packages ship one family.
        QCOMPARE(QFontInfo(designFont(family, 12)).family().section(u" ["_qs, 0, 0), face);
    }

    void keyCaptionsUseTheMappedFaces()
    {
        for (const DiagramWindow window : {DiagramWindow::Main, DiagramWindow::LeftRight}) {
            KeyboardDiagram diagram(window);
            QCOMPARE(QFontInfo(diagram.font()).family(), u"Liberation Sans"_qs);
            QCOMPARE(QFontInfo(diagram.lblKey('A')->font()).family(), u"Liberation Sans"_qs);
        }
    }

    void lblKeyHasMembersOnlyAtCharacterCodes()
    {
        QList<int> members = {8, 9, 13, 32, 39, 44, 45, 46, 47, 59, 61, 91, 92, 93, 96};
        for (int code = '0'; code <= 'Z'; ++code)
            members << ((code <= '9' || code >= 'A') ? code : 0);
        KeyboardDiagram diagram(DiagramWindow::Main);
        for (int index = -1; index <= 300; ++index) {
            QCOMPARE(diagram.lblKey(index) != nullptr, index != 0 && members.contains(index));
            // Addressing a missing member must pass over it quietly.
            diagram.setKeyFillMode(index, FillMode::Opaque);
            diagram.setKeyFillMode(index, FillMode::Transparent);
        }
        diagram.setFingerVisible(9, true);
        QCOMPARE(diagram.findChild<BoxLabel *>(u"lblKey(65)"_qs), diagram.lblKey(65));
    }

    void colourings_data()
    {
        columns<int, Fills>({"window", "opaque"});
        QTest::newRow("main windows: outlines only") << int(DiagramWindow::Main) << Fills{};
        QTest::newRow("introduction: home row green")
            << int(DiagramWindow::Intro) << fills({65, 83, 68, 70, 74, 75, 76, 59}, kGreen);
        QTest::newRow("left and right hand: finger colours; grave, space, named keys outlined")
            << int(DiagramWindow::LeftRight)
            << fills({49, 81, 65, 90, 48, 45, 61, 80, 91, 93, 92, 59, 39, 47}, kLittle,
                     fills({50, 87, 83, 88, 57, 79, 76, 46}, kRing,
                           fills({51, 69, 68, 67, 56, 73, 75, 44}, kMiddle,
                                 fills({52, 53, 82, 84, 70, 71, 86, 66, 54, 55, 89, 85, 72, 74, 78,
                                        77},
                                       kIndex))));
        QTest::newRow("Shift lesson: symbols with the other hand's Shift, no letter filled")
            << int(DiagramWindow::Shift)
            << fills({49, 50, 51, 52, 53}, kPink,
                     fills({54, 55, 56, 57, 48, 45, 61, 91, 93, 92, 59, 39, 44, 46, 47}, kYellow,
                           {{u"lblRShift"_qs, kPink}, {u"lblLShift"_qs, kYellow}}));
    }
    void colourings()
    {
        QFETCH(int, window);
        QFETCH(Fills, opaque);
        KeyboardDiagram diagram{DiagramWindow(window)};
        for (const KeySpec &key : keys()) {
            const auto *box = diagram.findChild<BoxLabel *>(keyObjectName(key));
            QCOMPARE(box->fillMode() == FillMode::Opaque, opaque.contains(box->objectName()));
            if (opaque.contains(box->objectName()))
                QCOMPARE(box->fillColour(), opaque.value(box->objectName()));
        }
    }

    void lightColoursAndShiftLessonCaptions()
    {
        KeyboardDiagram main(DiagramWindow::Main);
        QCOMPARE(main.lblKey(65)->fillColour(), kGreen);
        QCOMPARE(main.lblKey(13)->fillColour(), QColor(224, 224, 224));
        KeyboardDiagram shift(DiagramWindow::Shift);
        QString shown;
        for (const int index : kShiftedCaptionOrder)
            shown += shift.lblKey(index)->caption();
        QCOMPARE(shown + shift.lblKey('Q')->caption(), u")!@#$%^&*(`_+{}|:\"<>?Q"_qs);
    }

    // Taken as an access key, a lone "&" would draw nothing.
    void ampersandIsDrawnLiterally()
    {
        KeyboardDiagram diagram(DiagramWindow::Shift);
        const QImage face = diagram.lblKey(55)->grab().toImage();
        int ink = 0;
        for (int y = 2; y < face.height() - 2; ++y) {
            for (int x = 2; x < face.width() - 2; ++x)
                ink += qGray(face.pixel(x, y)) < 100;
        }
        QVERIFY2(ink > 10, qPrintable(QString::number(ink)));
    }

    void legendOnlyUnderFingerColours()
    {
        KeyboardDiagram colours(DiagramWindow::LeftRight);
        const std::pair<QString, QColor> legend[] = {{u"Little Finger"_qs, kLittle},
                                                     {u"Ring Finger"_qs, kRing},
                                                     {u"Middle Finger"_qs, kMiddle},
                                                     {u"Index Finger"_qs, kIndex}};
        const auto boxes = colours.findChildren<BoxLabel *>();
        int left = -1;
        for (const auto &[caption, colour] : legend) {
            const auto it = std::ranges::find(boxes, caption, &BoxLabel::caption);
            QVERIFY2(it != boxes.end(), qPrintable(caption));
            QCOMPARE((*it)->fillColour(), colour);
            QVERIFY((*it)->fillMode() == FillMode::Opaque && (*it)->x() > left);
            left = (*it)->x();
        }
        KeyboardDiagram shift(DiagramWindow::Shift);
        QCOMPARE(shift.findChildren<BoxLabel *>().size(), qsizetype(keys().size()));
        QVERIFY(!shift.findChild<SvgPicture *>() && !shift.lblFinger(0));
    }

    // Most of each (hidden) marker must cover a fingertip, not the ground around the hand.
    void markersSitOnTheFingertips()
    {
        KeyboardDiagram diagram(DiagramWindow::Main);
        for (const QString &hand : {u"imgLeftHand"_qs, u"imgRightHand"_qs})
            QVERIFY2(diagram.findChild<SvgPicture *>(hand)->isValid(), qPrintable(hand));
        const QImage picture = diagram.grab().toImage();
        const QColor ground(236, 233, 216);
        for (int slot = 0; slot < kFingerSlots; ++slot) {
            const BoxLabel *marker = diagram.lblFinger(slot);
            QVERIFY(marker->isHidden() && marker->fillColour() == QColor(255, 192, 128));
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
