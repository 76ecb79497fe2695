// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice box and the input box through real key events and through the accessibility
// interfaces, side by side in one window.

#include "rows.h"

#include "boxes/practicetextview.h"
#include "boxes/typingline.h"

#include <QAccessible>
#include <QClipboard>
#include <QMetaEnum>

#include <functional>

using namespace keyvora;
using keyvora::test::columns;
using keyvora::test::row;

namespace {

enum Box { Practice, Input };

// Writes down every event of the input box as text, and answers key presses as told.
class RecordingHandler : public InputBoxHandler {
public:
    QStringList log;
    int handBack = -1; // the code every key press hands back, -1: the one pressed
    std::function<QString()> text;

    void rtbInput_KeyDown(int keyCode, int shift) override { note("down", keyCode, shift); }
    void rtbInput_KeyPress(char16_t &keyAscii) override
    {
        log << QStringLiteral("press %1").arg(int(keyAscii));
        if (handBack >= 0)
            keyAscii = char16_t(handBack);
    }
    void rtbInput_Change() override { log << QStringLiteral("change ") + text(); }
    void rtbInput_KeyUp(int keyCode, int shift) override { note("up", keyCode, shift); }

private:
    void note(const char *what, int keyCode, int shift)
    {
        const char *name = QMetaEnum::fromType<Qt::Key>().valueToKey(keyCode) + 4; // no "Key_"
        log << QStringLiteral("%1 %2/%3").arg(what, name).arg(shift);
    }
};

const QString kText = QStringLiteral("Hello world. Next one.\nLast");
const QString kSmiley = QString::fromUtf8("\U0001F600");

} // namespace

class TextBoxesTest : public QObject {
    Q_OBJECT

    QWidget *widget(int box) const { return box == Practice ? (QWidget *)m_view : m_line; }
    AccessibleTextSource *source(int box) const
    {
        return box == Practice ? (AccessibleTextSource *)m_view : m_line;
    }
    void setText(int box, const QString &text)
    {
        box == Practice ? m_view->setText(text) : m_line->setText(text);
    }
    // Up to four keys, as a key sequence spells them: "Shift+Left, Ctrl+C".
    void press(int box, const QString &keys) const
    {
        const QKeySequence sequence(keys);
        for (int i = 0; i < sequence.count(); ++i)
            QTest::keyClick(widget(box), sequence[i].key(), sequence[i].keyboardModifiers());
    }

    std::unique_ptr<QWidget> m_window;
    PracticeTextView *m_view = nullptr;
    TypingLine *m_line = nullptr;
    RecordingHandler m_handler;

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_view = new PracticeTextView(m_window.get());
        m_view->setFont(QFont("Times New Roman", 20));
        m_view->setGeometry(10, 10, 580, 166);
        m_line = new TypingLine(m_window.get());
        m_line->setGeometry(10, 200, 300, m_line->sizeHint().height());
        m_handler = {};
        m_handler.text = [this] { return m_line->text(); };
        m_line->setHandler(&m_handler);
        m_window->show();
        m_window->activateWindow();
        m_line->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void keyEvents_data()
    {
        columns<QString, QString, QString, int, QString, QString>(
            {"before", "key", "keyText", "handBack", "log", "after"});
        row("letter: down, press, change, up; the code handed back is what is typed", "ab", "C",
            "c", int('*'), "down C/0, press 99, change ab*, up C/0", "ab*");
        row("Shift held: its own down and up around the letter, mask 1", "", "Shift+A", "A", -1,
            "down Shift/1, down A/1, press 65, change A, up A/1, up Shift/0", "A");
        row("Ctrl with a letter hands over its control code", "ab", "Ctrl+B", "", 0,
            "down Control/2, down B/2, press 2, up B/2, up Control/0", "ab");
        row("a character beyond the BMP is two presses, high half first", "", "", kSmiley, -1,
            "down unknown/0, press 55357, change " + kSmiley.left(1) + ", press 56832, change " +
                kSmiley + ", up unknown/0",
            kSmiley);
    }
    void keyEvents()
    {
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(QString, keyText);
        QFETCH(int, handBack);
        m_line->setText(before);
        m_handler.log.clear();
        m_handler.handBack = handBack;
        const QKeyCombination combination =
            key.isEmpty() ? QKeyCombination(Qt::Key_unknown) : QKeySequence(key)[0];
        // A held key repeats as releases and presses; those releases raise no key-up.
        QKeyEvent repeat(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers(),
                         keyText, true);
        QCoreApplication::sendEvent(m_line, &repeat);
        QTest::sendKeyEvent(QTest::Click, m_line, combination.key(), keyText,
                            combination.keyboardModifiers());
        QTEST(m_handler.log.join(", "), "log");
        QTEST(m_line->text(), "after");
    }

    void editingKeys_data()
    {
        // After is the text once "X" has been typed.
        columns<QString, QString, QString, QString>({"before", "clipboard", "keys", "after"});
        const QString hello = QStringLiteral("hello world");
        row("Left on a leftward selection goes to its start, not its anchor", hello, "",
            "Shift+Home, Left", "Xhello world");
        row("Ctrl+Delete takes the selection, not the word", hello, "",
            "Home, Shift+Right, Ctrl+Del", "Xello world");
        row("Backspace takes a surrogate pair whole", "a" + kSmiley, "", "Backspace", "aX");
        row("Ctrl+X cuts what Ctrl+V pastes", hello, "", "Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V",
            "hello worldhello worldX");
        row("a paste keeps only its first line", "a", "b\r\nc", "Ctrl+V", "abX");
    }
    void editingKeys()
    {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, keys);
        m_line->setText(before);
        QGuiApplication::clipboard()->setText(clipboard);
        press(Input, keys);
        QTest::keyClick(m_line, 'X');
        QTEST(m_line->text(), "after");
    }

    // Selecting by keys from the caret, then Ctrl+C, copies and changes nothing; assistive
    // tools read the same selection.
    void selectAndCopy_data()
    {
        columns<int, QString, QString>({"box", "how", "selected"});
        // "hello world again", the caret (the learner's position) after "hello ".
        row("practice: Shift+Right twice", int(Practice), "Shift+Right, Shift+Right", "wo");
        row("input: Shift+Right twice", int(Input), "Shift+Right, Shift+Right", "wo");
        row("practice: a selection made leftwards copies too", int(Practice), "Shift+Home",
            "hello ");
    }
    void selectAndCopy()
    {
        QFETCH(int, box);
        QFETCH(QString, how);
        setText(box, "hello world again");
        source(box)->selectRange(6, 6);
        m_handler.log.clear();
        press(box, how + ", Ctrl+C");
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(widget(box))->textInterface();
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        QTEST(text->text(start, end), "selected");
        QTEST(QGuiApplication::clipboard()->text(), "selected");
        QCOMPARE(source(box)->accessibleText(), "hello world again");
        QCOMPARE(m_handler.log.filter("change"), QStringList());
    }

    // Typing on through one long paragraph keeps the position mark in sight with the line
    // before it.
    void positionStaysInView()
    {
        const QString text = QString("quick brown foxes jump ").repeated(80'000);
        m_view->setText(text);
        for (qint64 position = text.size() / 2; position < text.size() / 2 + 200; ++position) {
            m_view->setPosition(position);
            const TextSpan span = m_view->visibleSpan();
            const QRect at = m_view->characterRect(position);
            QVERIFY2(span.start <= position && position < span.end &&
                         m_view->rect().contains(at.center()) && at.top() >= at.height(),
                     qPrintable(QString::number(position)));
        }
    }

    // Both boxes give a control character the place a white square would take, so that the
    // learner sees it where it is in the text; a blank stays a blank.
    void controlCharactersShowAsASquare()
    {
        for (const int box : {Practice, Input}) {
            const auto rectOfMiddle = [&](const QString &middle) {
                setText(box, "a" + middle + "b");
                source(box)->revealOffset(0);
                return source(box)->characterRect(1);
            };
            const QRect square = rectOfMiddle(QStringLiteral(u"\u25A1"));
            QVERIFY2(rectOfMiddle("\x7f") == square && rectOfMiddle(" ") != square,
                     box == Practice ? "practice box" : "input box");
        }
    }

    void accessibleBox_data()
    {
        columns<int, bool>({"box", "editable"});
        row("practice box: read-only, multi-line", int(Practice), false);
        row("input box: editable, single line", int(Input), true);
    }
    void accessibleBox()
    {
        QFETCH(int, box);
        QFETCH(bool, editable);
        setText(box, kText);
        QAccessibleInterface *boxInterface = QAccessible::queryAccessibleInterface(widget(box));
        QCOMPARE(boxInterface->role(), QAccessible::EditableText);
        const QAccessible::State state = boxInterface->state();
        QCOMPARE(QList({bool(state.editable), bool(state.readOnly), bool(state.multiLine)}),
                 QList({editable, !editable, !editable}));
        QCOMPARE(boxInterface->editableTextInterface() != nullptr, editable);
        QCOMPARE(boxInterface->text(QAccessible::Value), kText);
        QVERIFY(boxInterface->text(QAccessible::Name) != kText);
        QAccessibleTextInterface *text = boxInterface->textInterface();
        // What assistive tools set, the box shows.
        text->setSelection(0, 0, 5);
        QCOMPARE(QList({source(box)->anchorOffset(), source(box)->caretOffset()}),
                 QList<qsizetype>({0, 5}));
        text->setCursorPosition(2);
        QCOMPARE(QList({text->selectionCount(), int(source(box)->caretOffset())}), QList({0, 2}));
        // An offset on a boundary starts the word there.
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(6, QAccessible::WordBoundary, &start, &end), "world");
    }
};

QTEST_MAIN(TextBoxesTest)
#include "tst_textboxes.moc"
