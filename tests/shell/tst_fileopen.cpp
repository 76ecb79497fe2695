// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include "rows.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>

#include <sys/stat.h>

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
QString prepare(const QTemporaryDir &dir, const QString &kind, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("practice_txt"));
    if (kind == u"cancel")
        return QString();
    if (kind == u"fifo") {
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            qFatal("cannot make the FIFO");
        return path;
    }
    writeFile(path, bytes);
    if (kind == u"too large")
        QFile::resize(path, 100 * 1024 * 1024); // sparse: nothing is written
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
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(&window, &drop);
    QCoreApplication::sendPostedEvents(); // the file is loaded once the drop is over
    return enter.isAccepted() && drop.isAccepted();
}

} // namespace

class FileOpenTest : public QObject {
    Q_OBJECT
private slots:
    // A file that loads starts a new attempt; one that does not leaves the practice going.
    void open_data()
    {
        columns<QString, QByteArray, int>({"kind", "bytes", "messages"});
        row("a text file starts a new attempt", "file", QByteArray("one\ntwo\n"), 0);
        row("an empty file empties the practice as Reset would", "file", QByteArray(), 0);
        row("cancelling changes nothing", "cancel", QByteArray(), 0);
        row("a FIFO without a writer ends quietly, not waiting", "fifo", QByteArray(), 0);
        row("a 100 MB file is refused with a message", "too large", QByteArray(), 1);
    }
    void open()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        WindowFixture f;
        f.windows.LoadPracticeText(QStringLiteral("previous"));
        f.type(QStringLiteral("p"));
        f.platform.open.answer = prepare(dir, kind, bytes);
        QTest::keyClick(f.rtbInput, Qt::Key_O, Qt::ControlModifier);

        const bool loads = kind == u"file" && !bytes.isEmpty();
        const QString held = kind != u"file" ? heldText(u"previous"_qs)
                             : loads         ? heldText(QString::fromLatin1(bytes))
                                             : QString();
        QCOMPARE(f.rtbSource->text(), held);
        QCOMPARE(f.rtbInput->text(), loads ? QString() : u"p"_qs);
        QCOMPARE(f.running("tmrSpeed"), !held.isEmpty());
        QCOMPARE(f.running("tmrCheckNumOfWords"), !loads);
        QTEST(int(f.platform.messages.size()), "messages");
        for (const Message &refusal : f.platform.messages) {
            QVERIFY2(refusal.text.contains(f.platform.open.answer), qPrintable(refusal.text));
            QVERIFY2(refusal.text.contains(u"64 MiB"_qs), qPrintable(refusal.text));
        }
        if (kind != u"file") {
            f.type(QStringLiteral("r"));
            QCOMPARE(f.rtbInput->text(), u"pr"_qs);
            QCOMPARE(f.platform.beeps, 0);
        }
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
        const QDir root(data.path());
        root.mkpath(u"mine"_qs);
        if (library)
            root.mkpath(u"library/English"_qs) && root.mkpath(u"library/Melayu"_qs);
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
        columns<QStringList, bool, QString>({"items", "modal", "held"});
        row("a dropped file loads as opened", QStringList{"one"}, false, "one");
        row("of two files the first loads", QStringList{"two", "one"}, false, "two");
        row("a web address before a file is refused", QStringList{"web", "one"}, false, "previous");
        row("nothing is taken behind a modal window", QStringList{"one"}, true, "previous");
    }
    void drop()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, modal);
        QFETCH(QString, held);
        QTemporaryDir dir;
        QList<QUrl> urls;
        for (const QString &item : items) {
            urls << (item == u"web" ? QUrl(u"https://example.com/lesson.txt"_qs)
                                    : QUrl::fromLocalFile(writeFile(dir.filePath(item + u".txt"_qs),
                                                                    item.toUtf8())));
        }
        WindowFixture f;
        f.window.loadPracticeText(u"previous"_qs);
        f.type(u"p"_qs);
        const bool loads = held != u"previous";
        if (modal) {
            f.platform.whenModal = [&](QDialog &) { QCOMPARE(dragAndDrop(f.window, urls), loads); };
            f.action("mnuToolsAsc")->trigger();
            QCOMPARE(f.platform.modalsShown.size(), 1);
        } else {
            QCOMPARE(dragAndDrop(f.window, urls), loads);
        }
        QCOMPARE(f.rtbSource->text(), heldText(held));
        QCOMPARE(f.rtbInput->text(), loads ? QString() : u"p"_qs);
        QVERIFY(f.platform.messages.empty());
    }
};

QTEST_MAIN(FileOpenTest)
#include "tst_fileopen.moc"
