#include "windowfixture.h"

#include "lessons/practicefile.h"
#include "readasowner.h"
#include "rows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace keyvora;
using namespace keyvora::test;

namespace {

// Makes what a row asks for inside dir and returns the path to answer the dialog with.
QString prepare(const QTemporaryDir &dir, const QString &kind, const QByteArray &bytes,
                OpenScript &script)
{
    const QString path = dir.filePath(QStringLiteral("practice_txt"));
    if (kind == QLatin1String("cancel"))
        return {};
    if (kind == QLatin1String("directory"))
        return dir.path();
    if (kind == QLatin1String("device"))
        return QStringLiteral("/dev/zero");
    if (kind == QLatin1String("fifo")) {
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("cannot make the FIFO");
        return path;
    }
    if (kind == QLatin1String("loop")) {
        const QString other = dir.filePath(QStringLiteral("other_txt"));
        if (!QFile::link(other, path) || !QFile::link(path, other))
            qFatal("cannot make the link loop");
        return path;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the practice file");
    if (kind == QLatin1String("too large"))
        file.resize(100 * 1024 * 1024); // sparse: nothing is written
    else if (kind == QLatin1String("unreadable"))
        file.setPermissions(QFileDevice::WriteOwner);
    else if (kind == QLatin1String("vanished"))
        script.whenChosen = [path] { QFile::remove(path); };
    return path;
}

} // namespace

class FileOpenTest : public QObject {
    Q_OBJECT
private slots:
    void open_data()
    {
        columns<QString, QByteArray, QString, QString, int>(
            {"kind", "bytes", "held", "input", "messages"});

        const QString previous = QStringLiteral("previous\r");
        const auto loads = [](const char *name, const QByteArray &bytes, const QString &held) {
            QTest::newRow(name) << "file" << bytes << held << "" << 0;
        };
        const auto keepsPrevious = [&](const char *name, const char *kind, int messages = 0) {
            QTest::newRow(name) << kind << QByteArray("text") << previous << "p" << messages;
        };

        loads("a text file starts a new attempt", "one\r\ntwo\r\n", "one two\r");
        loads("only spaces and line breaks leave the end marker", "  \r\n \r\n\t\r\n", "\r");
        // A lone CR stays in the text: the learner finishes at the first one.
        loads("CR line ends stay", "one\rtwo\r", "one\rtwo\r\r");
        loads("LF line ends become spaces", "one\ntwo\n", "one two\r");
        loads("mixed line ends", "a\r\nb\nc\rd\r\n", "a b c\rd\r");
        loads("tabs become spaces", "\tone\ttwo\t\t", " one two\r");
        loads("NUL bytes are characters", QByteArray("a\0b\0", 4),
              QString::fromUtf16(u"a\0b\0\r", 5));
        loads("bytes outside UTF-8 read as Windows-1252", "caf\xe9 na\xefve",
              QString::fromUtf16(u"café naïve\r"));
        loads("the UTF-8 byte-order mark is not text", "\xEF\xBB\xBFone\r\n", "one\r");
        loads("UTF-16 with its byte-order mark", QByteArray("\xFF\xFEo\0n\0e\0\r\0\n\0", 12),
              "one\r");
        loads("UTF-16 without a mark reads as bytes", QByteArray("o\0n\0", 4),
              QString::fromUtf16(u"o\0n\0\r", 5));
        // An empty text empties the box as Reset would; the old input stays, as after a reset.
        row("an empty file leaves no text", "file", QByteArray(), "", "p", 0);

        keepsPrevious("cancelling changes nothing", "cancel");
        keepsPrevious("a folder ends quietly", "directory");
        keepsPrevious("a FIFO without a writer ends quietly", "fifo");
        keepsPrevious("an endless device ends quietly", "device");
        keepsPrevious("a file without read permission ends quietly", "unreadable");
        keepsPrevious("a symbolic link loop ends quietly", "loop");
        keepsPrevious("a file deleted as the dialog closes ends quietly", "vanished");
        keepsPrevious("a 100 MB file is refused with a message", "too large", 1);
    }

    void open()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, held);
        QFETCH(QString, input);
        QTemporaryDir dir;
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("previous"));
        f.type(QStringLiteral("p"));
        f.platform.open.answer = prepare(dir, kind, bytes, f.platform.open);

        const ReadAsOwner asOwner;
        if (kind == QLatin1String("unreadable") && !asOwner.active() && ::geteuid() == 0)
            QSKIP("root reads files regardless of their permissions and cannot drop that here");
        f.window.mnuFileOpen_Click();

        QCOMPARE(f.rtbSource->text(), held);
        QCOMPARE(f.rtbInput->text(), input);
        QTEST(int(f.platform.messages.size()), "messages");
        QCOMPARE(f.window.attempt().tmrSpeed().isActive(), !held.isEmpty());
        QCOMPARE(f.window.attempt().tmrCheckNumOfWords().isActive(), !input.isEmpty());
        if (!f.platform.messages.empty()) {
            const QString text = f.platform.messages.front().text;
            QVERIFY2(text.contains(f.platform.open.answer), qPrintable(text));
            QVERIFY2(text.contains(QLatin1String("64 MiB")), qPrintable(text));
        }
        // A load that failed leaves the attempt going on where it was.
        if (held == QLatin1String("previous\r")) {
            f.type(QStringLiteral("r"));
            QCOMPARE(f.rtbInput->text(), QStringLiteral("pr"));
            QCOMPARE(f.platform.beeps, 0);
        }
    }

    void linuxFileOpenedByShortcutTypesToTheEnd()
    {
        QTemporaryDir dir;
        WindowFixture f;
        f.platform.open.answer = prepare(dir, u"file"_qs, "one\ntwo\n", f.platform.open);
        QTest::keyClick(f.rtbInput, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.rtbSource->text(), QStringLiteral("one two\r"));
        QCOMPARE(f.window.practiceFilePath(), f.platform.open.answer);
        QCOMPARE(f.platform.open.seenFilter,
                 QStringLiteral("Text Files (*.txt)|*txt|All Files |**"));
        QVERIFY(f.platform.open.seenCancelError);

        f.type(QStringLiteral("one tw"));
        f.tick();
        f.type(QStringLiteral("o"));
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(int(f.platform.messages.size()), 1);
        const QString verdict = f.platform.messages.front().text;
        QVERIFY2(verdict.contains(QLatin1String("accuracy is [100 %]")), qPrintable(verdict));
    }

    void fiftyMegabytesLoadWhole()
    {
        const QByteArray line = "The quick brown fox jumps over the lazy dog.\r\n";
        const qsizetype lines = 50'000'000 / line.size();
        QTemporaryDir dir;
        WindowFixture f;
        f.platform.open.answer = prepare(dir, u"file"_qs, line.repeated(lines), f.platform.open);
        f.window.mnuFileOpen_Click();
        // Every line break became a space and the last one was trimmed.
        const QString held = f.rtbSource->text();
        QCOMPARE(held.size(), lines * (line.size() - 1));
        QCOMPARE(held.first(50),
                 QStringLiteral("The quick brown fox jumps over the lazy dog. The q"));
        QVERIFY(f.platform.messages.empty());
        f.type(QStringLiteral("The quick"));
        QCOMPARE(f.platform.beeps, 0);
    }
};

QTEST_MAIN(FileOpenTest)
#include "tst_fileopen.moc"
