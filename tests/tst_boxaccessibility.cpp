#include "shell/practicetextview.h"
#include "shell/typingline.h"

#include <QAccessible>
#include <QTest>

using namespace keyvora;

namespace {

const QString kText = QStringLiteral("Hello world. Next one.\nLast");

class CountingHandler : public InputBoxHandler {
public:
    int changes = 0;
    void rtbInput_KeyDown(int, int) override {}
    void rtbInput_KeyPress(char16_t &) override {}
    void rtbInput_Change() override { ++changes; }
    void rtbInput_KeyUp(int, int) override {}
};

} // namespace

class BoxAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roleAndStates_data();
    void roleAndStates();
    void textAtBoundaries_data();
    void textAtBoundaries();
    void caretAndSelectionFollowTheBox();
    void assistiveToolsMoveCaretAndSelection();
    void editingThroughTheInterfaceRaisesChange();
    void characterGeometry_data();
    void characterGeometry();

private:
    QWidget *box(int which) const;
    QAccessibleTextInterface *textOf(QWidget *widget) const;

    std::unique_ptr<QWidget> m_window;
    PracticeTextView *m_view = nullptr;
    TypingLine *m_line = nullptr;
    CountingHandler m_handler;
};

void BoxAccessibilityTest::init() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(600, 260);
    m_view = new PracticeTextView(m_window.get());
    m_view->setGeometry(10, 10, 580, 160);
    m_line = new TypingLine(m_window.get());
    m_line->setGeometry(10, 200, 580, m_line->sizeHint().height());
    m_handler.changes = 0;
    m_line->setHandler(&m_handler);
    m_view->setText(kText);
    m_line->setText(kText);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void BoxAccessibilityTest::cleanup() {
    m_window.reset();
}

QWidget *BoxAccessibilityTest::box(int which) const {
    return which == 0 ? static_cast<QWidget *>(m_view) : m_line;
}

QAccessibleTextInterface *BoxAccessibilityTest::textOf(QWidget *widget) const {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->textInterface() : nullptr;
}

void BoxAccessibilityTest::roleAndStates_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("multiLine");

    QTest::newRow("practice box: read-only, multi-line") << 0 << false << true;
    QTest::newRow("input box: editable, single line") << 1 << true << false;
}

void BoxAccessibilityTest::roleAndStates() {
    QFETCH(int, which);
    QFETCH(bool, editable);
    QFETCH(bool, multiLine);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box(which));
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    const QAccessible::State state = accessible->state();
    QCOMPARE(bool(state.editable), editable);
    QCOMPARE(bool(state.readOnly), !editable);
    QCOMPARE(bool(state.multiLine), multiLine);
    QVERIFY(state.selectableText);
    QVERIFY(state.focusable);
    QCOMPARE(accessible->editableTextInterface() != nullptr, editable);
    QCOMPARE(accessible->text(QAccessible::Value), kText);
}

void BoxAccessibilityTest::textAtBoundaries_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("after");

    // The boxes share these answers; only what a line is differs between them.
    QTest::newRow("a character") << 0 << int(QAccessible::CharBoundary) << 6 << " "
                                 << "w"
                                 << "o";
    QTest::newRow("the word around the caret") << 0 << int(QAccessible::WordBoundary) << 8 << " "
                                               << "world"
                                               << ".";
    QTest::newRow("the sentence") << 0 << int(QAccessible::SentenceBoundary) << 14
                                  << "Hello world. "
                                  << "Next one.\n"
                                  << "Last";
    QTest::newRow("the paragraph keeps its line feed")
        << 0 << int(QAccessible::ParagraphBoundary) << 3 << ""
        << "Hello world. Next one.\n"
        << "Last";
    QTest::newRow("nothing past the last character")
        << 0 << int(QAccessible::CharBoundary) << int(kText.size()) << "t"
        << ""
        << "";
    QTest::newRow("practice box: a line is what the view shows")
        << 0 << int(QAccessible::LineBoundary) << 3 << ""
        << "Hello world. Next one.\n"
        << "Last";
    QTest::newRow("input box: one line holds everything")
        << 1 << int(QAccessible::LineBoundary) << 3 << "" << kText << "";
}

void BoxAccessibilityTest::textAtBoundaries() {
    QFETCH(int, which);
    QFETCH(int, boundary);
    QFETCH(int, offset);
    QFETCH(QString, before);
    QFETCH(QString, at);
    QFETCH(QString, after);

    QAccessibleTextInterface *text = textOf(box(which));
    QVERIFY(text);
    QCOMPARE(text->characterCount(), kText.size());
    const auto type = QAccessible::TextBoundaryType(boundary);
    int start = 0;
    int end = 0;
    QCOMPARE(text->textBeforeOffset(offset, type, &start, &end), before);
    QCOMPARE(text->textAtOffset(offset, type, &start, &end), at);
    if (!at.isEmpty())
        QCOMPARE(kText.mid(start, end - start), at);
    QCOMPARE(text->textAfterOffset(offset, type, &start, &end), after);
}

void BoxAccessibilityTest::caretAndSelectionFollowTheBox() {
    QAccessibleTextInterface *view = textOf(m_view);
    m_view->setPosition(6);
    QCOMPARE(view->cursorPosition(), 6);
    m_view->setFocus();
    QTest::keyClick(m_view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(m_view, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(view->selectionCount(), 1);
    int start = 0;
    int end = 0;
    view->selection(0, &start, &end);
    QCOMPARE(start, 6);
    QCOMPARE(end, 8);

    QAccessibleTextInterface *line = textOf(m_line);
    QCOMPARE(line->cursorPosition(), kText.size());
    QCOMPARE(line->selectionCount(), 0);
    QTest::keyClick(m_line, Qt::Key_Home);
    QTest::keyClick(m_line, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(line->cursorPosition(), 1);
    line->selection(0, &start, &end);
    QCOMPARE(start, 0);
    QCOMPARE(end, 1);
}

void BoxAccessibilityTest::assistiveToolsMoveCaretAndSelection() {
    textOf(m_view)->setSelection(0, 6, 11);
    QCOMPARE(m_view->selectedText(), "world");
    textOf(m_line)->setSelection(0, 0, 5);
    QCOMPARE(m_line->selectedText(), "Hello");
    textOf(m_line)->setCursorPosition(2);
    QCOMPARE(m_line->cursorPosition(), 2);
    QVERIFY(!m_line->hasSelection());
    QCOMPARE(m_handler.changes, 1);
}

void BoxAccessibilityTest::editingThroughTheInterfaceRaisesChange() {
    QAccessibleEditableTextInterface *editable =
        QAccessible::queryAccessibleInterface(m_line)->editableTextInterface();
    m_handler.changes = 0;
    editable->insertText(0, "Oh. ");
    QCOMPARE(m_line->text(), "Oh. " + kText);
    editable->deleteText(0, 4);
    QCOMPARE(m_line->text(), kText);
    QCOMPARE(m_handler.changes, 2);
}

void BoxAccessibilityTest::characterGeometry_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("practice box") << 0;
    QTest::newRow("input box") << 1;
}

void BoxAccessibilityTest::characterGeometry() {
    QFETCH(int, which);

    QWidget *widget = box(which);
    QAccessibleTextInterface *text = textOf(widget);
    if (which == 1)
        QTest::keyClick(m_line, Qt::Key_Home);
    const QRect rect = text->characterRect(3);
    QVERIFY(!rect.isEmpty());
    QVERIFY(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(rect));
    QCOMPARE(text->offsetAtPoint(rect.center() - QPoint(rect.width() / 4, 0)), 3);
}

QTEST_MAIN(BoxAccessibilityTest)
#include "tst_boxaccessibility.moc"
