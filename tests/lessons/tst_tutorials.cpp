// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

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

void enterOn(QWidget *target)
{
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
}

// How the learner leaves the window: "click" the button that starts, "double click" or
// "Enter" on the picked row or the focused button, an access key, "Escape" or "below" (a double
// click under the rows).
void leave(QDialog &dialog, const QString &how, int row)
{
    QListWidget *lstLR = list(dialog);
    if (row >= 0 && (how == u"click" || how.startsWith(u"Alt+")))
        lstLR->setCurrentRow(row);
    if (how == u"click") {
        button(dialog, lstLR ? "cmdOK" : "cmdNext")->click();
    } else if (how == u"double click" || how == u"below") {
        const QPoint at = how == u"below" ? lstLR->viewport()->rect().bottomLeft() + QPoint(5, -5)
                                          : lstLR->visualItemRect(lstLR->item(row)).center();
        QTest::mouseClick(lstLR->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(lstLR->viewport(), Qt::LeftButton, {}, at);
    } else if (how == u"Enter" && row >= 0) {
        lstLR->setFocus();
        QTest::keyClick(lstLR, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(lstLR, Qt::Key_Down);
        enterOn(lstLR);
    } else if (how == u"Enter") {
        button(dialog, "cmdCancel")->setFocus(); // Enter must not go back to it
        enterOn(lstLR ? static_cast<QWidget *>(lstLR) : button(dialog, "cmdNext"));
    } else if (how == u"Escape") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
        // Offscreen there is no desktop to send an access key through the button it names.
        for (QPushButton *push : dialog.findChildren<QPushButton *>()) {
            if (push->shortcut() == QKeySequence(how))
                return push->click();
        }
        QFAIL(qPrintable(u"no button answers "_qs + how));
    }
}

} // namespace

class TutorialsTest : public QObject {
    Q_OBJECT
private slots:
    // The drill goes to the main window shown, whatever the tutorial's own language, once the
    // tutorial has closed, and the learner types it through at once to a full score.
    void everyDrillIsTypableToItsEnd_data()
    {
        columns<int, int, QString, bool>({"tutorial", "row", "how", "intoMalay"});
        row("home row by Next", 0, -1, "click", false);
        row("home row by Alt+N into the Malay window", 0, -1, "Alt+N", true);
        row("Shift by Enter on the focused Next", 2, -1, "Enter", false);
        row("left little by OK", 1, 0, "click", false);
        row("left ring by OK", 1, 1, "click", false);
        row("left middle by OK", 1, 2, "click", false);
        row("left index by Enter on the row the arrows picked", 1, 3, "Enter", false);
        row("right index by OK", 1, 4, "click", false);
        row("right middle by OK", 1, 5, "click", false);
        row("right ring by double click into the Malay window", 1, 6, "double click", true);
        row("right little by Alt+O", 1, 7, "Alt+O", false);
    }
    void everyDrillIsTypableToItsEnd()
    {
        QFETCH(int, tutorial);
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(bool, intoMalay);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("earlier"));
        f.type(QStringLiteral("ea"));
        WindowView shown = intoMalay ? f.malay() : WindowView(f);
        bool closedFirst = false;
        f.platform.whenModal = [&](QDialog &dialog) {
            leave(dialog, how, row);
            closedFirst = !dialog.isVisible();
        };
        shown.action(kOpen[tutorial])->trigger();
        QVERIFY(closedFirst);
        const QString drill = tutorial == 0   ? homeRowDrill()
                              : tutorial == 2 ? shiftDrill()
                                              : fingerDrill(row);
        QCOMPARE(shown.rtbSource->text(), heldText(drill));
        activate(shown.window);
        QCOMPARE(QApplication::focusWidget(), shown.rtbInput);
        shown.type(drill.chopped(1));
        shown.tick();
        shown.type(drill.right(1));
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(int(f.platform.messages.size()), 1);
        // A typed "*" reads as the mistake mark and counts against the learner.
        QCOMPARE(f.platform.messages.front().text.contains(u"[100 %]"_qs), !drill.contains(u'*'));
    }

    // Both hands rest on the home keys, so the drill works each of them as often and nothing else.
    void homeRowDrillWorksEachHomeKeyAlike()
    {
        const QString drill = homeRowDrill();
        QCOMPARE(drill.count(u' ') + drill.count(u'a') * 8, drill.size());
        for (const QChar key : u"asdfjkl;"_qs)
            QCOMPARE(drill.count(key), drill.count(u'a'));
    }

    // Leaving any other way loads nothing and leaves the practice, clock and all, where it was.
    void leavingLoadsNothing_data()
    {
        columns<int, QString>({"tutorial", "how"});
        row("Escape closes as Cancel does", 2, "Escape");
        row("Cancel's access key", 2, "Alt+C");
        row("OK with no row picked starts nothing", 1, "click");
        row("a double click below the rows starts nothing", 1, "below");
        row("Enter in the list with no row picked starts nothing", 1, "Enter");
        row("Enter on the focused language button presses only it", 0, "Enter on cmdBM");
    }
    void leavingLoadsNothing()
    {
        QFETCH(int, tutorial);
        QFETCH(QString, how);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("abc def"));
        f.type(QStringLiteral("ab"));
        f.platform.whenModal = [&](QDialog &dialog) {
            const QString language = button(dialog, "cmdBM")->text();
            if (how == u"Enter on cmdBM")
                enterOn(button(dialog, "cmdBM"));
            else
                leave(dialog, how, -1);
            QCOMPARE(button(dialog, "cmdBM")->text() == language, how != u"Enter on cmdBM");
            if (dialog.isVisible()) {
                QVERIFY(how != u"Escape" && how != u"Alt+C");
                button(dialog, "cmdCancel")->click();
            }
        };
        f.action(kOpen[tutorial])->trigger();
        QCOMPARE(f.rtbSource->text(), heldText(u"abc def"_qs));
        QCOMPARE(f.rtbInput->text(), u"ab"_qs);
        QVERIFY(f.platform.messages.empty());
        activate(f.window);
        QCOMPARE(QApplication::focusWidget(), f.rtbInput);
    }

    // The language button alone sets the window's language: the titles and the drill list's
    // name follow it, and only the paragraphs of that language show.
    void languageButton_data()
    {
        columns<int>({"tutorial"});
        row("introduction", 0);
        row("hands", 1);
        row("Shift", 2);
    }
    void languageButton()
    {
        QFETCH(int, tutorial);
        WindowFixture f;
        WindowView m = f.malay(); // a tutorial opens in English whatever window opened it
        f.platform.whenModal = [&](QDialog &dialog) {
            QStringList seen; // per language: button, title, list name
            for (int presses = 0; presses < 3; ++presses) {
                if (presses > 0)
                    button(dialog, "cmdBM")->click();
                const QString wanted = presses == 1 ? u"anda"_qs : u"you"_qs;
                int shown = 0;
                for (const QLabel *label : dialog.findChildren<QLabel *>()) {
                    if (label->text().size() > 100 && label->isVisible()) // a paragraph
                        QVERIFY2(++shown && label->text().contains(wanted, Qt::CaseInsensitive),
                                 qPrintable(label->text()));
                }
                QVERIFY(shown > 0);
                const QString title = dialog.findChild<QLabel *>(u"lblTitle"_qs)->text();
                QVERIFY(presses == 0 || dialog.windowTitle() == title);
                const QListWidget *lstLR = list(dialog);
                seen << button(dialog, "cmdBM")->text() + u'|' + title + u'|' +
                            (lstLR ? lstLR->accessibleName() : u"none"_qs);
            }
            for (int part = 0; part < 3; ++part) {
                QCOMPARE(seen[1].section(u'|', part, part) == seen[2].section(u'|', part, part),
                         part == 2 && tutorial != 1);
            }
            button(dialog, "cmdCancel")->click();
        };
        m.action(kOpen[tutorial])->trigger();
        QCOMPARE(f.platform.modalsShown.size(), 1);
    }
};

QTEST_MAIN(TutorialsTest)
#include "tst_tutorials.moc"
