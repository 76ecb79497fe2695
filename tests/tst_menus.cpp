#include "windowfixture.h"

#include <QMenu>

using namespace keyvora;
using namespace keyvora::test;

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void backspacing_data();
    void backspacing();
    void languageChecksNeverMove();
    void placeAndShortcut_data();
    void placeAndShortcut();
    void exitClosesTheWindow();
};

void MenusTest::backspacing_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("on");

    QTest::newRow("On at start") << QStringList{} << true;
    QTest::newRow("choosing On while On changes nothing") << QStringList{"mnuSetBsOn"} << true;
    QTest::newRow("choosing Off twice keeps Off")
        << QStringList{"mnuSetBsOff", "mnuSetBsOff"} << false;
    QTest::newRow("Off then On") << QStringList{"mnuSetBsOff", "mnuSetBsOn"} << true;
}

void MenusTest::backspacing()
{
    QFETCH(QStringList, choices);
    QFETCH(bool, on);
    WindowFixture f;
    for (const QString &choice : choices)
        f.action(qPrintable(choice))->trigger();
    QCOMPARE(f.action("mnuSetBsOn")->isChecked(), on);
    QCOMPARE(f.action("mnuSetBsOff")->isChecked(), !on);
}

void MenusTest::languageChecksNeverMove()
{
    WindowFixture f;
    f.action("mnuSetLangEng")->trigger();
    QTest::keyClick(f.rtbInput, Qt::Key_F11);
    QVERIFY(f.action("mnuSetLangEng")->isChecked());
    QVERIFY(!f.action("mnuSetLangBM")->isChecked());
}

void MenusTest::placeAndShortcut_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("open") << "mnuFileOpen"
                          << "&File/&Open"
                          << "Ctrl+O";
    QTest::newRow("reset") << "mnuFileReset"
                           << "&File/&Reset"
                           << "Ctrl+R";
    QTest::newRow("a test, two menus deep") << "mnuLesTestArt"
                                            << "&Lessons/Tests/Article Test"
                                            << "";
    QTest::newRow("a tutorial shows one ampersand")
        << "mnuLesTutLR"
        << "&Lessons/Tutorials/Left && Right Hand Training"
        << "";
    QTest::newRow("Malay") << "mnuSetLangBM"
                           << "&Settings/Language/Bahasa Melayu"
                           << "F12";
    QTest::newRow("ASCII converter") << "mnuToolsAsc"
                                     << "&Tools/&ASCII Converter"
                                     << "F9";
    QTest::newRow("help") << "mnuHelpContents"
                          << "&Help/&Contents"
                          << "F1";
}

void MenusTest::placeAndShortcut()
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

void MenusTest::exitClosesTheWindow()
{
    WindowFixture f;
    f.action("mnuFileExit")->trigger();
    QVERIFY(!f.window.isVisible());
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
