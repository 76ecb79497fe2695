#include "lessons/practicefile.h"
#include "readasowner.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using keyvora::PracticeFile;
using Status = PracticeFile::Status;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PracticeFile::Status)

class TestPracticeFile : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void reads_data();
    void reads();

private:
    QString makeFile(const QString &name, const QByteArray &content, qint64 sparseSize = -1);
    QTemporaryDir m_dir;
};

void TestPracticeFile::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, QByteArray bytes, QString text) {
        QTest::newRow(name) << bytes << text;
    };
    row("empty file gives empty text", "", "");
    row("ASCII stays as it is", "Tab\tand\r\nlines", "Tab\tand\r\nlines");
    row("UTF-8 gives one character per code point", "caf\xC3\xA9 \xE2\x82\xAC", u"café €"_s);
    row("UTF-8 four-byte sequence is one code point", "\xF0\x9F\x98\x80", QString::fromUcs4(U"😀"));
    row("UTF-8 byte-order mark is not text", "\xEF\xBB\xBFok", "ok");
    row("second UTF-8 byte-order mark is text", "\xEF\xBB\xBF\xEF\xBB\xBFok", u"\uFEFFok"_s);
    row("invalid UTF-8 falls back to 1252", "caf\xE9", u"café"_s);
    row("byte-order mark before invalid UTF-8 is 1252 too", "\xEF\xBB\xBF\xE9", u"ï»¿é"_s);
    row("overlong UTF-8 is 1252", "\xC0\xAF", u"À¯"_s);
    row("UTF-8 encoded surrogate is 1252", "\xED\xA0\x80", u"í\u00A0€"_s);
    row("UTF-8 cut off at the end is 1252", "ab\xE2\x82", u"abâ‚"_s);
    row("1252 0x80 is the euro sign", "\x80", u"€"_s);
    row("1252 high bytes use the table", "\x85\x8A\x93\x94\x99\x9F\xA0\xFF", u"…Š“”™Ÿ\u00A0ÿ"_s);
    row("1252 undefined bytes keep their code points", "\x81\x8D\x8F\x90\x9D",
        u"\u0081\u008D\u008F\u0090\u009D"_s);
    row("UTF-16 LE after its byte-order mark", QByteArray("\xFF\xFEh\0i\0\xAC\x20", 8), u"hi€"_s);
    row("UTF-16 BE after its byte-order mark", QByteArray("\xFE\xFF\0h\0i\x20\xAC", 8), u"hi€"_s);
    row("UTF-16 surrogate pair is kept", QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6),
        QString::fromUcs4(U"😀"));
    row("UTF-16 lone surrogate is replaced", QByteArray("\xFF\xFE\x3D\xD8h\0", 6), u"\uFFFDh"_s);
    row("UTF-16 odd last byte is replaced", QByteArray("\xFF\xFEh\0i", 5), u"h\uFFFD"_s);
    row("UTF-16 byte-order mark alone is empty", "\xFF\xFE", "");
    row("NUL bytes stay characters in UTF-8", QByteArray("a\0b\0", 4), u"a\0b\0"_s);
    row("NUL bytes stay characters in 1252", QByteArray("\0\xE9\0", 3), u"\0é\0"_s);
}

void TestPracticeFile::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(keyvora::decodePracticeBytes(bytes), text);
}

QString TestPracticeFile::makeFile(const QString &name, const QByteArray &content,
                                   qint64 sparseSize)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    if (sparseSize >= 0 && ::ftruncate(file.handle(), sparseSize) != 0)
        return {};
    return path;
}

void TestPracticeFile::reads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Status>("status");
    QTest::addColumn<qsizetype>("length"); // -1: not known in advance
    QTest::addColumn<QString>("start");
    const auto loaded = [](const char *name, QString path, qsizetype length, QString start) {
        QTest::newRow(name) << path << Status::Loaded << length << start;
    };
    const auto refused = [](const char *name, QString path, Status status = Status::Unreadable) {
        QTest::newRow(name) << path << status << qsizetype(0) << QString();
    };
    QVERIFY(m_dir.isValid());
    const QString dir = m_dir.path();
    const qint64 limit = keyvora::kMaxPracticeFileBytes;
    const QString locked = makeFile("locked.txt", "secret");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    QVERIFY(::mkfifo(QFile::encodeName(dir + "/fifo"), 0600) == 0);
    QVERIFY(QFile::link(makeFile("lines.txt", "one\r\ntwo\n\xE9"), dir + "/link.txt"));
    QVERIFY(QFile::link(dir + "/loop-a", dir + "/loop-b"));
    QVERIFY(QFile::link(dir + "/loop-b", dir + "/loop-a"));

    loaded("regular file loads whole", dir + "/lines.txt", 10, u"one\r\ntwo\né"_s);
    loaded("link to a regular file loads", dir + "/link.txt", 10, "one");
    loaded("empty file loads empty", makeFile("empty.txt", ""), 0, "");
    // /proc reports a size of 0 for files that have content.
    loaded("reported size is not trusted", "/proc/self/status", -1, "Name:");
    loaded("exactly the limit loads", makeFile("limit.txt", "", limit), limit, QString(u'\0'));
    refused("one byte over the limit is too large", makeFile("over.txt", "", limit + 1),
            Status::TooLarge);
    refused("directory is unreadable", dir);
    refused("FIFO without writer does not block", dir + "/fifo");
    refused("endless device is unreadable", "/dev/zero");
    refused("symlink loop is unreadable", dir + "/loop-a");
    refused("missing file is unreadable", dir + "/gone.txt");
    refused("file without read permission is unreadable", locked);
}

void TestPracticeFile::reads()
{
    QFETCH(QString, path);
    QFETCH(Status, status);
    QFETCH(qsizetype, length);
    QFETCH(QString, start);
    const keyvora::test::ReadAsOwner asOwner;
    if (path.endsWith("locked.txt") && !asOwner.active() && ::geteuid() == 0)
        QSKIP("root reads files regardless of their permissions and cannot drop that here");

    const PracticeFile file = keyvora::readPracticeFile(path);
    QCOMPARE(file.status, status);
    if (length >= 0)
        QCOMPARE(file.text.size(), length);
    QCOMPARE(file.text.left(start.size()), start);
}

QTEST_GUILESS_MAIN(TestPracticeFile)
#include "tst_practicefile.moc"
