// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "keyboard/keyboarddiagram.h"
#include "lessons/drills.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

using namespace keyvora;
using namespace keyvora::test;

namespace {

const char *const kOpen[] = {"mnuLesTutIntro", "mnuLesTutLR", "mnuLesTutShift"};

QPushButton *button(QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

QListWidget *list(QDialog &dialog)
{
    return dialog.findChild<QListWidget *>(QStringLiteral("lstLR"));
}

void doubleClickRow(QDialog &dialog, int row)
{
    QListWidget *lstLR = list(dialog);
    const QPoint centre = lstLR->visualItemRect(lstLR->item(row)).center();
    QTest::mouseClick(lstLR->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(lstLR->viewport(), Qt::LeftButton, {}, centre);
}

// The button an access key presses; offscreen there is no desktop to send the key through it.
void pressAccessKey(QDialog &dialog, const QString &key)
{
    for (QPushButton *push : dialog.findChildren<QPushButton *>()) {
        if (push->shortcut() == QKeySequence(key)) {
            push->click();
            return;
        }
    }
    QFAIL(qPrintable(u"no button answers "_qs + key));
}

QString titles(QDialog &dialog)
{
    return dialog.windowTitle() + u'|' +
           dialog.findChild<QLabel *>(QStringLiteral("lblTitle"))->text() + u'|' +
           button(dialog, "cmdBM")->text();
}

} // namespace

class TutorialsTest : public QObject {
    Q_OBJECT
private slots:
    // The drill goes to the main window shown, whatever language the tutorial itself shows;
    // the tutorial has closed by then, and the learner can type at once.
    void drillHandOff_data()
    {
        columns<int, bool, int, QString, int>({"tutorial", "intoMalay", "presses", "how", "row"});
        row("Next in the introduction", 0, false, 0, "click", -1);
        row("Alt+N in the introduction, shown in Malay", 0, false, 1, "Alt+N", -1);
        row("introduction into the Malay window", 0, true, 0, "click", -1);
        row("Malay tutorial into the Malay window", 0, true, 1, "click", -1);
        row("OK on the left little finger", 1, false, 0, "click", 0);
        row("double click on the right ring finger, from Malay", 1, true, 0, "double click", 6);
        row("Alt+O on the right little finger, shown in Malay", 1, false, 1, "Alt+O", 7);
        row("Enter on a drill picked with the arrow keys", 1, false, 0, "Enter", 3);
        row("Enter on the focused Next", 0, false, 0, "Enter", -1);
        row("Next in the Shift tutorial", 2, false, 0, "click", -1);
        row("Shift tutorial in Malay into the Malay window", 2, true, 1, "Alt+N", -1);
    }
    void drillHandOff()
    {
        QFETCH(int, tutorial);
        QFETCH(bool, intoMalay);
        QFETCH(int, presses);
        QFETCH(QString, how);
        QFETCH(int, row);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("earlier"));
        f.type(QStringLiteral("ea"));
        WindowView shown = intoMalay ? f.malay() : WindowView(f);
        const QString drill = tutorial == 0   ? homeRowDrill()
                              : tutorial == 2 ? shiftDrill()
                                              : fingerDrill(row);
        bool closedFirst = false;
        f.platform.whenModal = [&](QDialog &dialog) {
            for (int i = 0; i < presses; ++i)
                button(dialog, "cmdBM")->click();
            if (row >= 0 && how != u"double click" && how != u"Enter")
                list(dialog)->setCurrentRow(row);
            if (how == u"Enter") {
                QWidget *target =
                    row >= 0 ? static_cast<QWidget *>(list(dialog)) : button(dialog, "cmdNext");
                target->setFocus();
                if (row >= 0) {
                    QTest::keyClick(target, Qt::Key_Home);
                    for (int i = 0; i < row; ++i)
                        QTest::keyClick(target, Qt::Key_Down);
                    QCOMPARE(list(dialog)->selectedItems().value(0), list(dialog)->item(row));
                }
                QTest::keyClick(target, Qt::Key_Return);
            } else if (how == u"double click")
                doubleClickRow(dialog, row);
            else if (how == u"click")
                button(dialog, tutorial == 1 ? "cmdOK" : "cmdNext")->click();
            else
                pressAccessKey(dialog, how);
            closedFirst = !dialog.isVisible();
        };
        shown.action(kOpen[tutorial])->trigger();
        QVERIFY(closedFirst);
        QCOMPARE(shown.rtbSource->text(), heldText(drill));
        QVERIFY(shown.rtbInput->text().isEmpty());
        QVERIFY(shown.running("tmrSpeed"));
        activate(shown.window);
        QCOMPARE(QApplication::focusWidget(), shown.rtbInput);
        if (intoMalay)
            QCOMPARE(f.rtbSource->text(), heldText(u"earlier"_qs));
    }

    // Leaving a tutorial any other way loads nothing and leaves the practice where it was.
    void nothingLoaded_data()
    {
        columns<int, QString>({"tutorial", "how"});
        row("Cancel", 0, "Cancel");
        row("Alt+C", 2, "Alt+C");
        row("the close box", 1, "close");
        row("Escape", 2, "Escape");
        row("OK with no row selected keeps the window open", 1, "OK");
        row("double click below the rows", 1, "below");
        row("Enter in the drill list with no row selected, Cancel focused before", 1, "Enter");
        row("Enter on the focused language button presses only it", 2, "Enter on cmdBM");
    }
    void nothingLoaded()
    {
        QFETCH(int, tutorial);
        QFETCH(QString, how);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("abc def"));
        f.type(QStringLiteral("ab"));
        f.tick(3);
        const QString figures = f.figures();
        f.platform.whenModal = [&](QDialog &dialog) {
            if (how == u"Cancel")
                button(dialog, "cmdCancel")->click();
            else if (how == u"close")
                dialog.close();
            else if (how == u"OK" || how == u"below") {
                if (how == u"OK")
                    button(dialog, "cmdOK")->click();
                else
                    QTest::mouseDClick(list(dialog)->viewport(), Qt::LeftButton, {},
                                       list(dialog)->viewport()->rect().bottomLeft() +
                                           QPoint(5, -5));
                QVERIFY(dialog.isVisible());
                f.tick(2); // the practice's clock goes on behind the tutorial
                button(dialog, "cmdCancel")->click();
            } else if (how == u"Enter" || how == u"Enter on cmdBM") {
                QWidget *target = how == u"Enter" ? static_cast<QWidget *>(list(dialog))
                                                  : button(dialog, "cmdBM");
                button(dialog, "cmdCancel")->setFocus();
                target->setFocus();
                QTest::keyClick(target, Qt::Key_Return);
                QVERIFY(dialog.isVisible());
                QCOMPARE(button(dialog, "cmdBM")->text(),
                         how == u"Enter" ? u"Bahasa Melayu"_qs : u"English"_qs);
                button(dialog, "cmdCancel")->click();
            } else if (how == u"Escape") {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                pressAccessKey(dialog, how);
            }
            QVERIFY(!dialog.isVisible());
        };
        f.action(kOpen[tutorial])->trigger();
        QCOMPARE(f.platform.modalsShown.size(), 1);
        QCOMPARE(f.rtbSource->text(), heldText(u"abc def"_qs));
        QCOMPARE(f.rtbInput->text(), u"ab"_qs);
        if (how != u"OK" && how != u"below")
            QCOMPARE(f.figures(), figures);
        activate(f.window);
        QCOMPARE(QApplication::focusWidget(), f.rtbInput);
    }

    // The titles at opening and after the button differ on purpose; the button alone tells the
    // window its language, and only the paragraphs of that language show.
    void languageButton_data()
    {
        columns<int, int, QString>({"tutorial", "presses", "titles"});
        row("introduction at opening", 0, 0,
            "Introduction to Touch-Typing|Introduction To Touch-Typing|Bahasa Melayu");
        row("introduction in Malay", 0, 1,
            "Pengenalan kepada Touch-Typing|Pengenalan kepada Touch-Typing|English");
        row("introduction back in English", 0, 2,
            "Introduction to Touch-Typing|Introduction to Touch-Typing|Bahasa Melayu");
        row("hands at opening", 1, 0,
            "Left & Right Hand Training|Left & Right Hand Training|Bahasa Melayu");
        row("hands in Malay", 1, 1,
            "Latihan Tangan Kiri dan Kanan|Latihan Tangan Kiri dan Kanan|English");
        row("hands back in English", 1, 2,
            "Left and Right Hand Training|Left and Right Hand Training|Bahasa Melayu");
        row("Shift at opening", 2, 0,
            "Shift, Normal & Special Keys|Shift, Normal Keys & Special Keys|Bahasa Melayu");
        row("Shift in Malay", 2, 1, "Kekunci Shift & Simbol|Kekunci Shift & Simbol|English");
        row("Shift back in English", 2, 2,
            "Shift, Normal & Special Keys|Shift, Normal & Special Keys|Bahasa Melayu");
    }
    void languageButton()
    {
        QFETCH(int, tutorial);
        QFETCH(int, presses);
        WindowFixture f;
        WindowView m = f.malay(); // a tutorial opens in English whatever window opened it
        f.platform.whenModal = [&](QDialog &dialog) {
            for (int i = 0; i < presses; ++i)
                button(dialog, "cmdBM")->click();
            QTEST(titles(dialog), "titles");
            int english = 0, malay = 0;
            for (const QLabel *label : dialog.findChildren<QLabel *>()) {
                const bool isEnglish = label->objectName().startsWith(u"lblPara");
                const bool isMalay = label->objectName().startsWith(u"Label");
                QVERIFY(!label->isVisible() || label->text().startsWith(u"       ") ||
                        !(isEnglish || isMalay));
                english += isEnglish && label->isVisible();
                malay += isMalay && label->isVisible();
            }
            QVERIFY(english + malay > 0);
            QCOMPARE(presses % 2 == 1 ? english : malay, 0);
            QCOMPARE(button(dialog, "cmdCancel")->text(), u"&Cancel"_qs);
        };
        m.action(kOpen[tutorial])->trigger();
    }

    // Each window's diagram in its own colouring, with no key lit; the list unsorted, none
    // selected.
    void diagramsAndList_data()
    {
        columns<int, int, int, int>({"tutorial", "filled", "outlined", "colouring"});
        row("introduction: F green, G outlined", 0, 70, 71, int(Colouring::HomeRow));
        row("hands: A little finger's colour, grave outlined", 1, 65, 96,
            int(Colouring::FingerColours));
        row("Shift: ! filled, the letter A not", 2, 49, 65, int(Colouring::ShiftHands));
    }
    void diagramsAndList()
    {
        QFETCH(int, tutorial);
        QFETCH(int, filled);
        QFETCH(int, outlined);
        QFETCH(int, colouring);
        WindowFixture f;
        f.platform.whenModal = [&](QDialog &dialog) {
            const auto *diagram = dialog.findChild<KeyboardDiagram *>();
            QCOMPARE(int(diagram->design().colouring), colouring);
            QCOMPARE(diagram->lblKey(filled)->fillMode(), FillMode::Opaque);
            QCOMPARE(diagram->lblKey(outlined)->fillMode(), FillMode::Transparent);
            if (QListWidget *lstLR = list(dialog)) {
                QCOMPARE(lstLR->count(), kFingerDrills);
                QVERIFY(!lstLR->isSortingEnabled() && lstLR->selectedItems().isEmpty());
                QCOMPARE(lstLR->item(7)->text(), u"Right Little Finger"_qs);
            }
        };
        f.action(kOpen[tutorial])->trigger();
        const char *const names[] = {"frmIntro", "frmLR", "frmShift"};
        QCOMPARE(f.platform.modalsShown, QStringList(QLatin1String(names[tutorial])));
    }

    // The backslashes of the right little finger's drill and the token of the Shift drill.
    void drillDetails()
    {
        const QStringList groups = fingerDrill(7).split(u' ');
        QCOMPARE(groups.value(3), u"\\\\''"_qs);
        QCOMPARE(groups.value(4), u"['\\-"_qs);
        QCOMPARE(groups.value(9), u"\\''\\"_qs);
        const QStringList words = shiftDrill().split(u' ');
        QCOMPARE(words.size(), 13);
        QCOMPARE(words[6].size(), 14);
        QCOMPARE(words[6].count(u'@'), 1);
        QVERIFY(shiftDrill().endsWith(u"=\\|?\""));
    }
};

QTEST_MAIN(TutorialsTest)
#include "tst_tutorials.moc"
