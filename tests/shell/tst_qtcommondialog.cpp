#include "rows.h"

#include "shell/bell.h"
#include "shell/qtcommondialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

#include <atomic>
#include <future>

using keyvora::test::columns;
using keyvora::test::row;

namespace {
const QString kOpenFilter = QStringLiteral("Text Files (*.txt)|*txt|All Files |**");

QString createFile(const QTemporaryDir &dir, const char *name)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", name);
    return file.fileName();
}
} // namespace

class TestQtCommonDialog : public QObject {
    Q_OBJECT
private slots:
    // The sound system may hang on its first use: rings meanwhile return at once and make one
    // sound more, and a sound that cannot be made falls back to the toolkit's beep.
    void bellNeverWaits_data()
    {
        columns<bool, int, int, int>({"plays", "rings", "sounds", "fallbacks"});
        row("one ring", true, 1, 1, 0);
        row("rings while busy make one more sound", true, 4, 2, 0);
        row("no sound: the fallback for each sound", false, 4, 2, 2);
    }
    void bellNeverWaits()
    {
        QFETCH(bool, plays);
        QFETCH(int, rings);
        QFETCH(int, sounds);
        std::promise<void> release;
        const std::shared_future<void> released = release.get_future().share();
        std::atomic<int> started = 0;
        std::atomic<int> made = 0;
        std::atomic<int> fallbacks = 0;
        {
            keyvora::Bell bell(
                [&] {
                    ++started;
                    released.wait();
                    ++made;
                    return plays;
                },
                [&] { ++fallbacks; });
            bell.ring();
            QTRY_COMPARE(started.load(), 1);
            for (int i = 1; i < rings; ++i)
                bell.ring();
            release.set_value();
            QTRY_COMPARE(made.load(), sounds);
        }
        // Nothing more once the bell is gone.
        QCOMPARE(made.load(), sounds);
        QTEST(fallbacks.load(), "fallbacks");
    }

    void convertsFilters_data()
    {
        columns<QString, QStringList>({"filter", "nameFilters"});
        row("pattern follows the description in parentheses of its own", kOpenFilter,
            QStringList{"Text Files (*.txt) (*txt)", "All Files  (**)"});
        row("several patterns are separated by blanks", "Notes|*.txt;*.md",
            QStringList{"Notes (*.txt *.md)"});
        row("description without a pattern is dropped", "Text|*txt|Orphan",
            QStringList{"Text (*txt)"});
    }
    void convertsFilters()
    {
        QFETCH(QString, filter);
        QTEST(keyvora::qtNameFilters(filter), "nameFilters");
    }

    // Qt takes the patterns from the last parentheses, so "*txt" lists a file without a dot.
    void listsFilesByThePatternAsGiven()
    {
        QTemporaryDir dir;
        for (const char *name : {"notes_txt", "notes.doc", "story.txt"})
            createFile(dir, name);
        keyvora::QtCommonDialog layer(nullptr);
        layer.setFilter(kOpenFilter);
        QFileDialog dialog;
        layer.prepareOpenDialog(dialog);
        dialog.setDirectory(dir.path());
        dialog.show();
        // The learner sees the description as written.
        QCOMPARE(dialog.findChild<QComboBox *>("fileTypeCombo")->itemText(0), "Text Files (*.txt)");
        const auto *view = dialog.findChild<QListView *>("listView");
        QVERIFY(view);
        const auto listed = [view] {
            QStringList names;
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                names << view->model()->index(row, 0, view->rootIndex()).data().toString();
            names.sort();
            return names;
        };
        // The folder is read on a worker thread; all three files must show before the text
        // filter can be seen to hide one.
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        QTRY_COMPARE(listed(), (QStringList{"notes.doc", "notes_txt", "story.txt"}));
        dialog.selectNameFilter(dialog.nameFilters().at(0));
        QTRY_COMPARE(listed(), (QStringList{"notes_txt", "story.txt"}));
    }

    void showOpen_data()
    {
        QTest::addColumn<bool>("choose");
        row("choosing a file gives its full path", true);
        row("cancelling fails and names no file", false);
    }
    void showOpen()
    {
        QFETCH(bool, choose);
        QTemporaryDir dir;
        const QString path = createFile(dir, "notes_txt");
        QWidget window;
        keyvora::QtCommonDialog layer(&window);
        layer.setFilter(kOpenFilter);
        // Runs once the dialog's own event loop is up.
        QWidget *parent = nullptr;
        QMetaObject::invokeMethod(
            this,
            [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                parent = dialog ? dialog->parentWidget() : nullptr;
                if (dialog && choose)
                    dialog->selectFile(path);
                if (dialog)
                    choose ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            },
            Qt::QueuedConnection);
        QCOMPARE(layer.showOpen(), choose);
        QCOMPARE(parent, &window);
        QCOMPARE(layer.fileName(), choose ? path : QString());
    }
};

QTEST_MAIN(TestQtCommonDialog)
#include "tst_qtcommondialog.moc"
