#include "shell/qtcommondialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kOpenFilter = QStringLiteral("Text Files (*.txt)|*txt|All Files |**");

bool createFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("text") == 4;
}
} // namespace

class TestQtCommonDialog : public QObject {
    Q_OBJECT
private slots:
    void convertsFilters_data();
    void convertsFilters();
    void listsFilesByThePatternAsGiven();
    void showOpen_data();
    void showOpen();
};

void TestQtCommonDialog::convertsFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");
    QTest::newRow("pattern follows the description in parentheses of its own")
        << kOpenFilter << QStringList{"Text Files (*.txt) (*txt)", "All Files  (**)"};
    QTest::newRow("several patterns are separated by blanks")
        << "Notes|*.txt;*.md" << QStringList{"Notes (*.txt *.md)"};
    QTest::newRow("description without a pattern is dropped")
        << "Text|*txt|Orphan" << QStringList{"Text (*txt)"};
}

void TestQtCommonDialog::convertsFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    QCOMPARE(keyvora::qtNameFilters(filter), nameFilters);
}

void TestQtCommonDialog::listsFilesByThePatternAsGiven()
{
    QTemporaryDir dir;
    for (const char *name : {"notes_txt", "notes.doc", "story.txt"})
        QVERIFY(createFile(dir.filePath(name)));
    keyvora::QtCommonDialog layer(nullptr);
    layer.setFilter(kOpenFilter);
    QFileDialog dialog;
    layer.prepareOpenDialog(dialog);
    dialog.setDirectory(dir.path());
    dialog.show();

    const auto *types = dialog.findChild<QComboBox *>("fileTypeCombo");
    QVERIFY(types);
    QCOMPARE(types->itemText(0), "Text Files (*.txt)");
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

void TestQtCommonDialog::showOpen_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("choosing a file gives its full path") << true;
    QTest::newRow("cancelling fails and names no file") << false;
}

void TestQtCommonDialog::showOpen()
{
    QFETCH(bool, choose);
    QTemporaryDir dir;
    const QString path = dir.filePath("notes_txt");
    QVERIFY(createFile(path));
    QWidget window;
    keyvora::QtCommonDialog layer(&window);
    layer.setFilter(kOpenFilter);

    // Runs once the dialog's own event loop is up.
    QWidget *parent = nullptr;
    QMetaObject::invokeMethod(
        this,
        [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            parent = modal ? modal->parentWidget() : nullptr;
            if (dialog && choose) {
                dialog->selectFile(path);
                static_cast<QDialog *>(dialog)->accept();
            } else if (modal) {
                modal->close();
            }
        },
        Qt::QueuedConnection);
    QCOMPARE(layer.showOpen(), choose);
    QCOMPARE(parent, &window);
    QCOMPARE(layer.fileName(), choose ? path : QString());
}

QTEST_MAIN(TestQtCommonDialog)
#include "tst_qtcommondialog.moc"
