#include "shell/practicetextview.h"

#include <QClipboard>
#include <QScrollBar>
#include <QTest>

using namespace keyvora;

namespace {

QString paragraphOfWords(qsizetype size)
{
    return QString("quick brown foxes jump ").repeated(size / 23 + 1).left(size);
}

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

void press(QWidget *widget, int combined)
{
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

} // namespace

class PracticeTextViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void setTextHoldsTextAndRaisesChangeOnlyWhenDifferent_data();
    void setTextHoldsTextAndRaisesChangeOnlyWhenDifferent();
    void positionStaysInView_data();
    void positionStaysInView();
    void positionPutWhileHiddenShowsOnceShown();
    void learnerCannotEdit();
    void keyboardSelectionAndCopy_data();
    void keyboardSelectionAndCopy();
    void mouseSelects();
    void scrollBarMovesTheView();
    void scrollBarRepaintsOnlyWhenItsLookChanges_data();
    void scrollBarRepaintsOnlyWhenItsLookChanges();

private:
    std::unique_ptr<PracticeTextView> m_view;
    int m_changes = 0;
};

void PracticeTextViewTest::init()
{
    m_view = std::make_unique<PracticeTextView>();
    QFont font("Times New Roman");
    font.setPointSizeF(20.25);
    m_view->setFont(font);
    m_view->resize(753, 166);
    m_changes = 0;
    m_view->setChangeHandler([this] { ++m_changes; });
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void PracticeTextViewTest::cleanup()
{
    m_view.reset();
}

void PracticeTextViewTest::setTextHoldsTextAndRaisesChangeOnlyWhenDifferent_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("sameString"); // write back the string the box holds
    QTest::addColumn<int>("changes");

    QTest::newRow("a lone CR and a lone LF stay as written") << ""
                                                             << "a\rb\nc" << false << 1;
    QTest::newRow("a CR LF pair stays a pair") << ""
                                               << "a\r\nb" << false << 1;
    QTest::newRow("a tab stays a tab") << ""
                                       << "a\tb" << false << 1;
    QTest::newRow("appending the end marker is a change") << "abc"
                                                          << "abc\r" << false << 1;
    QTest::newRow("an equal text built apart raises none")
        << "abc" << QString("ab") + "c" << false << 0;
    QTest::newRow("the very string it holds raises none") << "abc"
                                                          << "abc" << true << 0;
    QTest::newRow("emptying raises one") << "abc"
                                         << "" << false << 1;
    QTest::newRow("empty over empty raises none") << ""
                                                  << "" << false << 0;
}

void PracticeTextViewTest::setTextHoldsTextAndRaisesChangeOnlyWhenDifferent()
{
    QFETCH(QString, before);
    QFETCH(QString, written);
    QFETCH(bool, sameString);
    QFETCH(int, changes);

    m_view->setText(before);
    if (sameString)
        written = m_view->text();
    bool writing = false;
    QList<bool> seenInside;
    m_view->setChangeHandler([&] { seenInside << writing; });
    writing = true;
    m_view->setText(written);
    writing = false;
    QCOMPARE(seenInside, QList<bool>(changes, true));
    QCOMPARE(m_view->text(), written);
}

void PracticeTextViewTest::positionStaysInView_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("one paragraph of two million characters") << paragraphOfWords(2'000'000);
    QTest::newRow("a hundred thousand short lines")
        << QString("short line\r\n").repeated(100'000) + "\r";
    QTest::newRow("lone line feeds and carriage returns")
        << QString("a few words\nmore words\r").repeated(20'000);
    QTest::newRow("a word far wider than the box") << QString(50'000, 'x') + " end\r";
    QTest::newRow("characters beyond the BMP")
        << QString::fromUtf8("\U0001F600 \U0001D11E ").repeated(10'000);
}

void PracticeTextViewTest::positionStaysInView()
{
    QFETCH(QString, text);

    m_view->setText(text);
    const qsizetype length = text.size();
    QList<qint64> positions;
    for (qint64 p = length / 2; p < length / 2 + 400; ++p)
        positions << p; // the learner typing on
    positions << length - 2 << 0 << 1 << length / 3 << length - 1 << length << length + 7;

    for (qint64 position : positions) {
        m_view->setPosition(position);
        const qsizetype shown = qMin<qsizetype>(position, length);
        const TextSpan span = m_view->visibleSpan();
        QVERIFY2(
            span.start <= shown && (shown < span.end || span.end == length),
            qPrintable(
                QString("position %1 outside %2..%3").arg(position).arg(span.start).arg(span.end)));
        if (shown < length) {
            const QRect mark = m_view->characterRect(shown);
            QVERIFY2(m_view->rect().contains(mark.center()),
                     qPrintable(QString("mark of %1 not in the box").arg(position)));
        }
    }
    QCOMPARE(m_changes, 1);
}

void PracticeTextViewTest::positionPutWhileHiddenShowsOnceShown()
{
    m_view->hide();
    const QString text = paragraphOfWords(1'000'000);
    m_view->setText(text);
    m_view->setPosition(700'000);
    m_view->show();
    const TextSpan span = m_view->visibleSpan();
    QVERIFY(span.start <= 700'000 && 700'000 < span.end);
}

void PracticeTextViewTest::learnerCannotEdit()
{
    m_view->setText("Type this.\r");
    m_changes = 0;
    m_view->setFocus();
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClicks(m_view.get(), "abc ");
    QTest::keyClick(m_view.get(), Qt::Key_Backspace);
    QTest::keyClick(m_view.get(), Qt::Key_Delete);
    QTest::keyClick(m_view.get(), Qt::Key_Return);
    QTest::keyClick(m_view.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(m_view.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_view->text(), "Type this.\r");
    QCOMPARE(m_changes, 0);
}

void PracticeTextViewTest::keyboardSelectionAndCopy_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("selected");

    const int shift = int(Qt::ShiftModifier);
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("Shift+Right from the learner's position")
        << QList<int>{shift | Qt::Key_Right, shift | Qt::Key_Right} << "wo";
    QTest::newRow("Shift+Left back over the typed part")
        << QList<int>{shift | Qt::Key_Left, shift | Qt::Key_Left} << "o ";
    QTest::newRow("Shift+Home to the start of the line")
        << QList<int>{shift | Qt::Key_Home} << "hello ";
    QTest::newRow("Ctrl+Shift+Right takes the word")
        << QList<int>{ctrl | shift | Qt::Key_Right} << "world ";
    QTest::newRow("Shift+Ctrl+End to the end")
        << QList<int>{ctrl | shift | Qt::Key_End} << "world again\r";
    QTest::newRow("Ctrl+A selects all") << QList<int>{ctrl | Qt::Key_A} << "hello world again\r";
}

void PracticeTextViewTest::keyboardSelectionAndCopy()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, selected);

    m_view->setText("hello world again\r");
    m_view->setPosition(6);
    m_view->setFocus();
    for (int key : keys)
        press(m_view.get(), key);
    QCOMPARE(m_view->selectedText(), selected);
    press(m_view.get(), int(Qt::ControlModifier) | Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), selected);
    QCOMPARE(m_view->text(), "hello world again\r");
}

void PracticeTextViewTest::mouseSelects()
{
    m_view->setText("hello world again\r");
    const auto leftOf = [this](qsizetype offset) {
        const QRect r = m_view->characterRect(offset);
        return QPoint(r.left() + 1, r.center().y());
    };
    QTest::mousePress(m_view.get(), Qt::LeftButton, {}, leftOf(6));
    QTest::mouseMove(m_view.get(), leftOf(11));
    QTest::mouseRelease(m_view.get(), Qt::LeftButton, {}, leftOf(11));
    QCOMPARE(m_view->selectedText(), "world");

    QTest::mouseDClick(m_view.get(), Qt::LeftButton, {}, leftOf(13));
    QCOMPARE(m_view->selectedText(), "again");
    QCOMPARE(m_changes, 1);
}

void PracticeTextViewTest::scrollBarMovesTheView()
{
    const QString text = paragraphOfWords(100'000);
    m_view->setText(text);
    const TextSpan first = m_view->visibleSpan();
    QCOMPARE(first.start, 0);
    auto *bar = m_view->findChild<QScrollBar *>();
    QVERIFY(bar);
    QVERIFY(bar->isEnabled());

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const TextSpan second = m_view->visibleSpan();
    QVERIFY(second.start > 0 && second.start < first.end);

    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QVERIFY(m_view->visibleSpan().start >= first.end);

    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(m_view->visibleSpan().end, text.size());
    QVERIFY(m_view->visibleSpan().start < text.size());

    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(m_view->visibleSpan().start, 0);
}

void PracticeTextViewTest::scrollBarRepaintsOnlyWhenItsLookChanges_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to"); // -1: the end of the text
    QTest::addColumn<bool>("repainted");

    QTest::newRow("a few lines on in a book: the slider stays, no repaint")
        << qsizetype(2'000'000) << qint64(1'000'000) << qint64(1'000'200) << false;
    QTest::newRow("a few lines on in a short text: the slider moves")
        << qsizetype(3'000) << qint64(1'000) << qint64(1'400) << true;
    QTest::newRow("across the book: the slider moves")
        << qsizetype(2'000'000) << qint64(1'000'000) << qint64(1'500'000) << true;
    QTest::newRow("to the end of the book: the arrow below turns off")
        << qsizetype(2'000'000) << qint64(1'998'000) << qint64(-1) << true;
}

void PracticeTextViewTest::scrollBarRepaintsOnlyWhenItsLookChanges()
{
    QFETCH(qsizetype, length);
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(bool, repainted);

    m_view->setText(paragraphOfWords(length));
    m_view->setPosition(from);
    QCoreApplication::processEvents();
    const qsizetype top = m_view->visibleSpan().start;
    auto *bar = m_view->findChild<QScrollBar *>();
    PaintCounter counter;
    bar->installEventFilter(&counter);
    m_view->setPosition(to < 0 ? length : to);
    QCoreApplication::processEvents();
    QVERIFY2(m_view->visibleSpan().start != top, "the view should have scrolled");
    QCOMPARE(counter.paints > 0, repainted);
}

QTEST_MAIN(PracticeTextViewTest)
#include "tst_practicetextview.moc"
