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

// The language button alone sets the window's language, to Malay and back: the titles and the
// drill list's name follow it, and only the paragraphs of that language show.
void switchLanguageAndBack(QDialog &dialog)
{
    QList<QStringList> seen; // per language: button, title, list name
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
        const auto *lstLR = dialog.findChild<QListWidget *>(u"lstLR"_qs);
        seen << QStringList{button(dialog, "cmdBM")->text(), title,
                            lstLR ? lstLR->accessibleName() : u"no list"_qs};
    }
    for (int piece = 0; piece < 3; ++piece)
        QVERIFY2(seen[1][piece] != seen[2][piece] || seen[2][piece] == u"no list",
                 qPrintable(seen[2][piece]));
}

// How the learner leaves the window: "click" the button that starts, a "double click" on the
// row, "Enter" in the list or on the focused button, "Escape" or an access key.
void leave(QDialog &dialog, const QString &how, int row)
{
    auto *lstLR = dialog.findChild<QListWidget *>(QStringLiteral("lstLR"));
    if (row >= 0 && how == u"Enter") {
        // The keyboard alone picks the row: the arrows from the top.
        lstLR->setFocus();
        QTest::keyClick(lstLR, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(lstLR, Qt::Key_Down);
    } else if (row >= 0 && how != u"double click") {
        lstLR->setCurrentRow(row);
    }
    if (how == u"click") {
        button(dialog, lstLR ? "cmdOK" : "cmdNext")->click();
    } else if (how == u"double click") {
        const QPoint at = lstLR->visualItemRect(lstLR->item(row)).center();
        QTest::mouseClick(lstLR->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(lstLR->viewport(), Qt::LeftButton, {}, at);
    } else if (how == u"Enter") {
        button(dialog, "cmdCancel")->setFocus(); // Enter must not go back to it
        (lstLR ? static_cast<QWidget *>(lstLR) : button(dialog, "cmdNext"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else {
        // Offscreen there is no desktop to send an access key through the button it names.
        for (QPushButton *push : dialog.findChildren<QPushButton *>()) {
            if (push->shortcut() == QKeySequence(how))
                return push->click();
        }
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(how)); // no button's: Escape
    }
}

} // namespace

class TutorialsTest : public QObject {
    Q_OBJECT
private slots:
    // Leaving by a way that starts a drill puts it in the main window shown, whatever the
    // tutorial's own language, once the tutorial has closed, and the learner types it through at
    // once to a full score. Leaving any other way loads nothing and leaves the practice, clock and
    // all, where it was.
    void leaving_data()
    {
        columns<int, int, QString, bool>({"tutorial", "row", "how", "intoMalay"});
        row("home row by Next", 0, -1, "click", false);
        row("home row by Alt+N into the Malay window", 0, -1, "Alt+N", true);
        row("Shift by Enter on the focused Next", 2, -1, "Enter", false);
        row("left index picked by the arrows and Enter", 1, 3, "Enter", false);
        row("right ring by double click into the Malay window", 1, 6, "double click", true);
        row("right little by Alt+O", 1, 7, "Alt+O", false);
        row("Escape closes as Cancel does", 2, -1, "Escape", false);
        row("OK with no row picked starts nothing", 1, -1, "click", false);
    }
    void leaving()
    {
        QFETCH(int, tutorial);
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(bool, intoMalay);
        // Escape starts nothing, nor does a list with no row picked.
        const bool loads = how != u"Escape" && (tutorial != 1 || row >= 0);
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("earlier"));
        f.type(QStringLiteral("ea"));
        WindowView shown = intoMalay ? f.malay() : WindowView(f);
        f.platform.whenModal = [&](QDialog &dialog) {
            switchLanguageAndBack(dialog); // a tutorial opens in English whatever window opened it
            leave(dialog, how, row);
            QCOMPARE(dialog.isVisible(), !loads && how != u"Escape"); // closed before a drill loads
            if (dialog.isVisible())
                button(dialog, "cmdCancel")->click();
        };
        shown.action(kOpen[tutorial])->trigger();
        const QString drill =
            loads ? QStringList{homeRowDrill(), fingerDrill(qMax(row, 0)), shiftDrill()}[tutorial]
                  : u"earlier"_qs;
        QCOMPARE(shown.rtbSource->text(), heldText(drill));
        QCOMPARE(shown.rtbInput->text(), loads ? QString() : u"ea"_qs);
        activate(shown.window);
        QCOMPARE(QApplication::focusWidget(), shown.rtbInput);
        if (!loads)
            return;
        shown.type(drill.chopped(1));
        shown.tick();
        shown.type(drill.right(1));
        QCOMPARE(int(f.platform.messages.size()), 1);
        // A typed "*" reads as the mistake mark and counts against the learner.
        QCOMPARE(f.platform.messages.front().text.contains(u"[100 %]"_qs), !drill.contains(u'*'));
    }

    // Both hands rest on the home keys, so the drill works each of them as often.
    void homeRowDrillWorksEachHomeKeyAlike()
    {
        const QString drill = homeRowDrill();
        for (const QChar key : u"asdfjkl;"_qs)
            QCOMPARE(drill.count(key), drill.count(u'a'));
    }
};

QTEST_MAIN(TutorialsTest)
#include "tst_tutorials.moc"
