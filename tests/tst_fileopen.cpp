#include "windowfixture.h"

#include "lessons/practicefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace keyvora;
using namespace keyvora::test;

class FileOpenTest : public QObject {
    Q_OBJECT
private slots:
    void open_data();
    void open();
    void shortcutOpensTheDialogWithTheFilter();
};

namespace {

// Makes the file a row asks for inside dir and returns the path to answer the dialog with.
QString prepare(const QTemporaryDir &dir, const QString &kind)
{
    const QString path = dir.filePath(QStringLiteral("practice_txt"));
    QFile file(path);
    if (kind == QLatin1String("cancel"))
        return {};
    if (kind == QLatin1String("directory"))
        return dir.path();
    if (kind == QLatin1String("vanished"))
        return dir.filePath(QStringLiteral("gone.txt"));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the practice file");
    if (kind == QLatin1String("lines"))
        file.write("one\r\ntwo\r\n");
    else if (kind == QLatin1String("latin"))
        file.write("caf\xe9 na\xefve");
    else if (kind == QLatin1String("too large"))
        file.resize(kMaxPracticeFileBytes + 1);
    return path;
}

} // namespace

void FileOpenTest::open_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("messages");

    const QString previous = QStringLiteral("previous\r");
    QTest::newRow("cancelling changes nothing") << "cancel" << previous << "p" << 0;
    QTest::newRow("a text file starts a new attempt") << "lines"
                                                      << "one two\r"
                                                      << "" << 0;
    QTest::newRow("bytes outside UTF-8 read as Windows-1252")
        << "latin" << QString::fromUtf16(u"café naïve\r") << "" << 0;
    QTest::newRow("a folder ends quietly") << "directory" << previous << "p" << 0;
    QTest::newRow("a file gone after the dialog ends quietly")
        << "vanished" << previous << "p" << 0;
    QTest::newRow("a file over the limit is refused with a message")
        << "too large" << previous << "p" << 1;
}

void FileOpenTest::open()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    WindowFixture f;
    f.windows.LoadPracticeText(QStringLiteral("previous"));
    f.type(QStringLiteral("p"));
    f.platform.open.answer = prepare(dir, kind);

    f.window.mnuFileOpen_Click();

    QTEST(f.rtbSource->text(), "held");
    QTEST(f.rtbInput->text(), "input");
    QTEST(int(f.platform.messages.size()), "messages");
    QVERIFY(f.window.attempt().tmrSpeed().isActive());
    if (!f.platform.messages.empty()) {
        const QString text = f.platform.messages.front().text;
        QVERIFY2(text.contains(f.platform.open.answer), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("64 MiB")), qPrintable(text));
    }
}

void FileOpenTest::shortcutOpensTheDialogWithTheFilter()
{
    QTemporaryDir dir;
    WindowFixture f;
    f.platform.open.answer = prepare(dir, QStringLiteral("lines"));
    QTest::keyClick(f.rtbInput, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.rtbSource->text(), QStringLiteral("one two\r"));
    QCOMPARE(f.window.practiceFilePath(), f.platform.open.answer);
    QCOMPARE(f.platform.open.seenFilter, QStringLiteral("Text Files (*.txt)|*txt|All Files |**"));
    QVERIFY(f.platform.open.seenCancelError);
}

QTEST_MAIN(FileOpenTest)
#include "tst_fileopen.moc"
