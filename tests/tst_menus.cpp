#include "rows.h"
#include "windowfixture.h"

#include <QMenu>

using namespace keyvora;
using namespace keyvora::test;

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void backspacing_data()
    {
        columns<QStringList, bool>({"choices", "on"});
        row("On at start", QStringList{}, true);
        row("choosing On while On changes nothing", QStringList{"mnuSetBsOn"}, true);
        row("choosing Off twice keeps Off", QStringList{"mnuSetBsOff", "mnuSetBsOff"}, false);
        row("Off then On", QStringList{"mnuSetBsOff", "mnuSetBsOn"}, true);
    }
    void backspacing()
    {
        QFETCH(QStringList, choices);
        QFETCH(bool, on);
        WindowFixture f;
        for (const QString &choice : choices)
            f.action(qPrintable(choice))->trigger();
        QCOMPARE(f.action("mnuSetBsOn")->isChecked(), on);
        QCOMPARE(f.action("mnuSetBsOff")->isChecked(), !on);
    }

    void languageChecksNeverMove()
    {
        WindowFixture f;
        f.action("mnuSetLangEng")->trigger();
        QTest::keyClick(f.rtbInput, Qt::Key_F11);
        QVERIFY(f.action("mnuSetLangEng")->isChecked());
        QVERIFY(!f.action("mnuSetLangBM")->isChecked());
    }

    // File > Open and Reset are reached by their shortcuts in tst_fileopen and tst_practice.
    void placeAndShortcut_data()
    {
        columns<QString, QString, QString>({"item", "path", "shortcut"});
        row("a test, two menus deep", "mnuLesTestArt", "&Lessons/Tests/Article Test", "");
        row("a tutorial shows one ampersand", "mnuLesTutLR",
            "&Lessons/Tutorials/Left && Right Hand Training", "");
        row("Malay", "mnuSetLangBM", "&Settings/Language/Bahasa Melayu", "F12");
        row("ASCII converter", "mnuToolsAsc", "&Tools/&ASCII Converter", "F9");
        row("help", "mnuHelpContents", "&Help/&Contents", "F1");
    }
    void placeAndShortcut()
    {
        QFETCH(QString, item);
        WindowFixture f;
        QAction *action = f.action(qPrintable(item));
        QVERIFY(action);
        QStringList path{action->text()};
        for (auto *menu = qobject_cast<QMenu *>(action->parent()); menu;
             menu = qobject_cast<QMenu *>(menu->parent()))
            path.prepend(menu->title());
        QTEST(path.join(u'/'), "path");
        QTEST(action->shortcut().toString(), "shortcut");
    }

    void exitClosesTheWindow()
    {
        WindowFixture f;
        f.action("mnuFileExit")->trigger();
        QVERIFY(!f.window.isVisible());
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
