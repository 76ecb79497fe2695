// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include "keyboard/keymodel.h"
#include "lessons/practicefile.h"
#include "readasowner.h"
#include "rows.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

using namespace keyvora;
using namespace keyvora::test;

namespace {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

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
    writeFile(path, bytes);
    QFile file(path);
    if (kind == QLatin1String("too large"))
        file.resize(100 * 1024 * 1024); // sparse: nothing is written
    else if (kind == QLatin1String("unreadable"))
        file.setPermissions(QFileDevice::WriteOwner);
    else if (kind == QLatin1String("vanished"))
        script.whenChosen = [path] { QFile::remove(path); };
    return path;
}

// Drags the URLs over the window and, when it takes them, drops them; true if it took them.
bool dragAndDrop(QWidget &window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::sendPostedEvents(); // the file is loaded once the drop is over
    return drop.isAccepted();
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
        QCOMPARE(f.running("tmrSpeed"), !held.isEmpty());
        QCOMPARE(f.running("tmrCheckNumOfWords"), !input.isEmpty());
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

    // The practice library's set in the window's language, else home; then where the learner
    // last chose a file in that window.
    void openStartFolder_data()
    {
        columns<bool, bool, int, QString>({"malay", "library", "chosenIn", "folder"});
        row("the English window starts in the English texts", false, true, 0, "library/English");
        row("the Malay window starts in the Malay texts", true, true, 0, "library/Melayu");
        row("without a library: the home folder", false, false, 0, "~");
        row("after a file was chosen: that file's folder", true, true, 1, "mine");
        row("a file chosen in the other window changes nothing here", true, true, 2,
            "library/Melayu");
    }
    void openStartFolder()
    {
        QFETCH(bool, malay);
        QFETCH(bool, library);
        QFETCH(int, chosenIn);
        QFETCH(QString, folder);
        QTemporaryDir data;
        QDir(data.path()).mkpath(u"mine"_qs);
        if (library) {
            QDir(data.path()).mkpath(u"library/English"_qs);
            QDir(data.path()).mkpath(u"library/Melayu"_qs);
        }
        WindowFixture f;
        // The first place to look holds nothing; the second holds the library.
        f.platform.dataFolderList = {data.filePath(u"missing"_qs), data.path()};
        WindowView english(f);
        WindowView shown = malay ? f.malay() : english;
        if (chosenIn != 0) {
            f.platform.open.answer = writeFile(data.filePath(u"mine/own.txt"_qs), "own\n");
            (chosenIn == 1 ? shown : english).window.mnuFileOpen_Click();
            f.platform.open.answer.clear();
        }
        shown.window.mnuFileOpen_Click();
        QCOMPARE(f.platform.open.seenInitDir,
                 folder == u"~" ? QDir::homePath() : data.filePath(folder));
    }

    // A dropped file loads as File > Open loads it; nothing else is taken, and nothing at all
    // behind a modal window.
    void drop_data()
    {
        columns<bool, QStringList, bool, QString>({"malay", "items", "modal", "held"});
        row("a file dropped on the English window", false, QStringList{"one"}, false, "one two\r");
        row("a file dropped on the Malay window loads there", true, QStringList{"one"}, false,
            "one two\r");
        row("of two files the first loads", false, QStringList{"two", "one"}, false, "two\r");
        row("a web address is refused", false, QStringList{"web"}, false, "previous\r");
        row("a web address before a file is refused", false, QStringList{"web", "one"}, false,
            "previous\r");
        row("nothing is taken behind a modal window", false, QStringList{"one"}, true,
            "previous\r");
    }
    void drop()
    {
        QFETCH(bool, malay);
        QFETCH(QStringList, items);
        QFETCH(bool, modal);
        QFETCH(QString, held);
        QTemporaryDir dir;
        QList<QUrl> urls;
        for (const QString &item : items) {
            urls << (item == u"web"
                         ? QUrl(u"https://example.com/lesson.txt"_qs)
                         : QUrl::fromLocalFile(writeFile(dir.filePath(item + u".txt"_qs),
                                                         item == u"one" ? "one\ntwo\n" : "two\n")));
        }
        WindowFixture f;
        WindowView shown = malay ? f.malay() : WindowView(f);
        shown.window.loadPracticeText(u"previous"_qs);
        shown.type(u"p"_qs);
        const bool loads = held != u"previous\r";
        if (modal) {
            f.platform.whenModal = [&](QDialog &) {
                QCOMPARE(dragAndDrop(shown.window, urls), loads);
            };
            shown.action("mnuToolsAsc")->trigger();
            QCOMPARE(f.platform.modalsShown.size(), 1);
        } else {
            QCOMPARE(dragAndDrop(shown.window, urls), loads);
        }
        QCOMPARE(shown.rtbSource->text(), held);
        QCOMPARE(shown.rtbInput->text(), loads ? QString() : u"p"_qs);
        QVERIFY(f.platform.messages.empty());
    }

    // Every text of the practice library, read and tidied as File > Open does: UTF-8, every
    // character on a key of the diagram, and typable to its end without a mistake.
    void libraryTexts_data()
    {
        columns<QString>({"path"});
        const QDir library(QStringLiteral(KEYVORA_LIBRARY));
        QStringList paths;
        for (const QString &set : library.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString &name : QDir(library.filePath(set)).entryList({u"*.txt"_qs}))
                paths << library.filePath(set + u'/' + name);
        }
        paths.sort();
        for (const QString &path : paths)
            QTest::newRow(qPrintable(library.relativeFilePath(path))) << path;
        if (paths.size() < 2)
            QTest::newRow("the library is missing") << QString();
    }
    void libraryTexts()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(file.readAll());
        QVERIFY(!utf8.hasError());
        QVERIFY2(!decoded.contains(u'\r'), "Linux line ends only");

        WindowFixture f;
        f.platform.open.answer = path;
        f.window.mnuFileOpen_Click();
        const QString held = f.rtbSource->text();
        QCOMPARE(held, heldText(decoded));
        QVERIFY(held.size() > 1);
        const QString text = held.chopped(1);
        for (QChar c : text)
            QVERIFY2(keyIndexForChar(c.unicode()), qPrintable(u"no key types "_qs + c));
        QVERIFY2(!text.contains(u'*'),
                 "the mistake mark counts against the learner even typed right");
        f.type(text.chopped(1));
        f.tick();
        f.type(text.right(1));
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(int(f.platform.messages.size()), 1);
        QVERIFY(f.platform.messages.front().text.contains(u"[100 %]"_qs));
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
