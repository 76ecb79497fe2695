// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader below File > Open: the decoder table and what the window cannot show. What the
// window does with a FIFO or a file too large is in tst_fileopen.

#include "rows.h"

#include "lessons/practicefile.h"

#include <QTemporaryDir>

#include <unistd.h>

using keyvora::PracticeFile;
using keyvora::test::columns;
using keyvora::test::row;
using Status = PracticeFile::Status;

Q_DECLARE_METATYPE(PracticeFile::Status)

class TestPracticeFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(const QString &name, const QByteArray &content, qint64 sparseSize = -1)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
            (sparseSize >= 0 && ::ftruncate(file.handle(), sparseSize) != 0))
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

private slots:
    void decodes_data()
    {
        columns<QByteArray, QString>({"bytes", "text"});
        row("only the first UTF-8 byte-order mark is skipped",
            QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFok"), u"\uFEFFok"_qs);
        row("byte-order mark before invalid UTF-8 is 1252 too", QByteArray("\xEF\xBB\xBF\xE9"),
            u"ï»¿é"_qs);
        row("overlong UTF-8 is 1252", QByteArray("\xC0\xAF"), u"À¯"_qs);
        row("overlong three-byte UTF-8 is 1252", QByteArray("\xE0\x80\xAF"), u"à€¯"_qs);
        row("UTF-8 encoded surrogate is 1252", QByteArray("\xED\xA0\x80"), u"í\u00A0€"_qs);
        row("UTF-8 cut off at the end is 1252", QByteArray("ab\xE2\x82"), u"abâ‚"_qs);
        row("1252 high bytes use the table", QByteArray("\x80\x85\x8A\x91\x92\x93\x99\x9F\xA0\xFF"),
            u"€…Š‘’“™Ÿ\u00A0ÿ"_qs);
        row("1252 undefined bytes keep their code points", QByteArray("\x81\x8D\x8F\x90\x9D"),
            u"\u0081\u008D\u008F\u0090\u009D"_qs);
        row("UTF-16 big-endian after its byte-order mark", QByteArray("\xFE\xFF\0h\0i\x20\xAC", 8),
            u"hi€"_qs);
        row("UTF-16 little-endian surrogate pair is kept",
            QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6), QString::fromUcs4(U"😀"));
        row("UTF-16 lone surrogate is replaced", QByteArray("\xFF\xFE\x3D\xD8h\0", 6),
            u"\uFFFDh"_qs);
        row("UTF-16 odd last byte is replaced", QByteArray("\xFF\xFEh\0i", 5), u"h\uFFFD"_qs);
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QTEST(keyvora::decodePracticeBytes(bytes), "text");
    }

    void reads_data()
    {
        // A length of -1 is not known in advance.
        columns<QString, Status, qsizetype, QString>({"path", "status", "length", "start"});
        const qint64 limit = keyvora::kMaxPracticeFileBytes;
        QVERIFY(QFile::link(makeFile("lines.txt", "one\r\ntwo"), m_dir.filePath("link.txt")));
        row("link to a regular file loads", m_dir.filePath("link.txt"), Status::Loaded,
            qsizetype(8), u"one\r\ntwo"_qs);
        // /proc reports a size of 0 for files that have content.
        row("reported size is not trusted", u"/proc/self/status"_qs, Status::Loaded, qsizetype(-1),
            u"Name:"_qs);
        row("exactly the limit loads", makeFile("limit.txt", "", limit), Status::Loaded,
            qsizetype(limit), QString(u'\0'));
        row("one byte over the limit is too large", makeFile("over.txt", "", limit + 1),
            Status::TooLarge, qsizetype(0), QString());
    }
    void reads()
    {
        QFETCH(QString, path);
        QFETCH(qsizetype, length);
        QFETCH(QString, start);
        const PracticeFile file = keyvora::readPracticeFile(path);
        QTEST(file.status, "status");
        if (length >= 0)
            QCOMPARE(file.text.size(), length);
        QCOMPARE(file.text.left(start.size()), start);
    }
};

QTEST_GUILESS_MAIN(TestPracticeFile)
#include "tst_practicefile.moc"
