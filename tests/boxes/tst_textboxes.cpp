// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice box and the input box through real key, mouse and input-method events, and
// through the accessibility interfaces, side by side in one window.

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

QString paragraphOfWords(qsizetype size)
{
    return QString("quick brown foxes jump ").repeated(size / 23 + 1).left(size);
}

// Rows for both boxes, named after the box.
template <class... Values> void bothRows(const char *name, const Values &...values)
{
    row(qPrintable(QStringLiteral("practice: ") + name), int(Practice), values...);
    row(qPrintable(QStringLiteral("input: ") + name), int(Input), values...);
}

const QString kText = QStringLiteral("Hello world. Next one.\nLast");
const QString kSmiley = QString::fromUtf8("\U0001F600");

} // namespace

class TextBoxesTest : public QObject {
    Q_OBJECT

    QWidget *widget(int box) const { return box == Practice ? (QWidget *)m_view : m_line; }
    // The practice box takes the mouse in its viewport, inside its frame; the box's own
    // rectangles are measured from its outer corner.
    QWidget *mouseArea(int box) const { return box == Practice ? m_view->viewport() : m_line; }
    QPoint inMouseArea(int box, QPoint point) const
    {
        return mouseArea(box)->mapFrom(widget(box), point);
    }
    AccessibleTextSource *source(int box) const
    {
        return box == Practice ? (AccessibleTextSource *)m_view : m_line;
    }
    void setText(int box, const QString &text)
    {
        box == Practice ? m_view->setText(text) : m_line->setText(text);
    }
    QString selected(int box) const
    {
        const AccessibleTextSource *s = source(box);
        const qsizetype from = qMin(s->anchorOffset(), s->caretOffset());
        return s->accessibleText().mid(from, qMax(s->anchorOffset(), s->caretOffset()) - from);
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
    int m_viewChanges = 0;

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(600, 260);
        m_view = new PracticeTextView(m_window.get());
        m_view->setFont(QFont("Times New Roman", 20));
        m_view->setGeometry(10, 10, 580, 166);
        m_viewChanges = 0;
        m_view->setChangeHandler([this] { ++m_viewChanges; });
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
        row("letter: down, press, change, up", "ab", "C", "c", -1,
            "down C/0, press 99, change abc, up C/0", "abc");
        row("Shift held: its own down and up around the letter, mask 1", "", "Shift+A", "A", -1,
            "down Shift/1, down A/1, press 65, change A, up A/1, up Shift/0", "A");
        row("code 0 cancels: nothing inserted, no change", "ab", "C", "c", 0,
            "down C/0, press 99, up C/0", "ab");
        row("another code types that character instead", "ab", "C", "c", int('*'),
            "down C/0, press 99, change ab*, up C/0", "ab*");
        row("Ctrl with a letter hands over its control code", "ab", "Ctrl+B", "", 0,
            "down Control/2, down B/2, press 2, up B/2, up Control/0", "ab");
        row("Enter raises a press of 13 and inserts nothing", "ab", "Return", "\r", -1,
            "down Return/0, press 13, up Return/0", "ab");
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
        QTest::sendKeyEvent(QTest::Click, m_line, combination.key(), keyText,
                            combination.keyboardModifiers());
        QTEST(m_handler.log.join(", "), "log");
        QTEST(m_line->text(), "after");
    }

    void autoRepeatReleaseRaisesNoKeyUp()
    {
        QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
        QCoreApplication::sendEvent(m_line, &repeated);
        QTest::keyRelease(m_line, Qt::Key_A);
        QCOMPARE(m_handler.log, QStringList{"up A/0"});
    }

    void editingKeys_data()
    {
        // After is the text once "X" has been typed.
        columns<QString, QString, QString, QString>({"before", "clipboard", "keys", "after"});
        const QString hello = QStringLiteral("hello world");
        row("Left on a leftward selection goes to its start, not its anchor", hello, "",
            "Shift+Home, Left", "Xhello world");
        row("Ctrl+Left goes to the start of the word", hello, "", "Ctrl+Left", "hello Xworld");
        row("Backspace takes a selection", hello, "", "Shift+Left, Backspace", "hello worlX");
        row("Ctrl+Delete takes the selection, not the word", hello, "",
            "Home, Shift+Right, Ctrl+Del", "Xello world");
        row("Right steps over a surrogate pair whole", "a" + kSmiley + "b", "",
            "Home, Right, Right", "a" + kSmiley + "Xb");
        row("Backspace takes a surrogate pair whole", "a" + kSmiley, "", "Backspace", "aX");
        row("Ctrl+X cuts what Ctrl+V pastes", hello, "", "Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V",
            "hello worldhello worldX");
        row("Shift+Delete cuts what Shift+Insert pastes", hello, "",
            "Shift+Home, Shift+Del, Shift+Ins", "hello worldX");
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

    void inputMethodCommit_data()
    {
        columns<QString, QString, QString, QString, QString>(
            {"before", "preedit", "commit", "log", "after"});
        row("a dead key's accented letter is a key press, then the change", "x", "", u"é"_qs,
            u"press 233, change xé"_qs, u"xé"_qs);
        row("a composition in progress changes nothing", "x", u"´"_qs, "", "", "x");
        const QString longLine(2000, u'w');
        row("in a long line the caret is told within the text handed over", longLine, "", "z",
            "press 122, change " + longLine + "z", longLine + "z");
    }
    void inputMethodCommit()
    {
        QFETCH(QString, before);
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(QString, after);
        QVERIFY(m_line->inputMethodQuery(Qt::ImEnabled).toBool());
        m_line->setText(before);
        m_handler.log.clear();
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(m_line, &event);
        QTEST(m_handler.log.join(", "), "log");
        QCOMPARE(m_line->text(), after);
        const QString around = m_line->inputMethodQuery(Qt::ImSurroundingText).toString();
        const int caret = m_line->inputMethodQuery(Qt::ImCursorPosition).toInt();
        QVERIFY(caret > 0 && caret == around.size() && after.endsWith(around));
    }

    // Selecting, by keys from the caret or by the mouse, then Ctrl+C, copies and changes nothing.
    void selectAndCopy_data()
    {
        columns<int, QString, QString>({"box", "how", "selected"});
        // "hello world again", the caret (the learner's position) after "hello ".
        bothRows("Shift+Right twice", "Shift+Right, Shift+Right", "wo");
        bothRows("Ctrl+Shift+Right takes the word", "Ctrl+Shift+Right", "world ");
        bothRows("Ctrl+A selects all", "Ctrl+A", "hello world again");
        row("practice: a selection made leftwards copies too", int(Practice), "Shift+Home",
            "hello ");
        bothRows("a mouse drag from a character's left edge", "drag", "world");
        row("practice: a double click takes the word", int(Practice), "double click", "again");
    }
    void selectAndCopy()
    {
        QFETCH(int, box);
        QFETCH(QString, how);
        setText(box, "hello world again");
        source(box)->selectRange(6, 6);
        m_viewChanges = 0;
        m_handler.log.clear();
        const auto leftOf = [&](qsizetype offset) {
            const QRect r = source(box)->characterRect(offset);
            return inMouseArea(box, QPoint(r.left() + 1, r.center().y()));
        };
        if (how == u"drag") {
            QTest::mousePress(mouseArea(box), Qt::LeftButton, {}, leftOf(6));
            QTest::mouseMove(mouseArea(box), leftOf(11));
            QTest::mouseRelease(mouseArea(box), Qt::LeftButton, {}, leftOf(11));
        } else if (how == u"double click") {
            QTest::mouseDClick(mouseArea(box), Qt::LeftButton, {}, leftOf(14));
        } else {
            press(box, how);
        }
        press(box, "Ctrl+C");
        QTEST(selected(box), "selected");
        QTEST(QGuiApplication::clipboard()->text(), "selected");
        QCOMPARE(source(box)->accessibleText(), "hello world again");
        QCOMPARE(m_viewChanges + m_handler.log.filter("change").size(), 0);
    }

    // The position mark stays in sight with the line before it, however the text is laid out,
    // also when it was put while the box was hidden.
    void positionStaysInView_data()
    {
        columns<QString, bool>({"text", "hidden"});
        row("one paragraph of two million characters", paragraphOfWords(2'000'000), false);
        row("put while hidden", paragraphOfWords(1'000'000), true);
        row("a word far wider than the box", QString(50'000, 'x') + " end\r", false);
    }
    void positionStaysInView()
    {
        QFETCH(QString, text);
        QFETCH(bool, hidden);
        m_view->setVisible(!hidden);
        m_view->setText(text);
        const qsizetype length = text.size();
        QList<qint64> positions;
        for (qint64 p = length / 2; p < length / 2 + 200; ++p)
            positions << p; // the learner typing on
        positions << length - 2 << 0 << length / 3 << length - 1 << length << length + 7;
        for (qint64 position : positions) {
            m_view->setPosition(position);
            m_view->show();
            const qsizetype shown = qMin<qsizetype>(position, length);
            const TextSpan span = m_view->visibleSpan();
            QVERIFY2(span.start <= shown && (shown < span.end || span.end == length),
                     qPrintable(QString::number(position)));
            const QRect at = m_view->characterRect(qMin(shown, length - 1));
            QVERIFY(m_view->rect().contains(at.center()));
            QVERIFY(span.start == 0 || at.top() >= at.height());
        }
        QCOMPARE(m_viewChanges, 1);
    }

    // Both boxes give a control character the place a white square would take, so that the
    // learner sees it where it is in the text.
    void controlCharactersShowAsASquare_data()
    {
        columns<int, QString, bool>({"box", "character", "square"});
        bothRows("NUL", QString(QChar(0)), true);
        bothRows("DEL", "\x7f", true);
        row("input: a CR handed to the line", int(Input), "\r", true);
        bothRows("a tab keeps its own width", "\t", false);
        bothRows("a blank stays a blank", " ", false);
    }
    void controlCharactersShowAsASquare()
    {
        QFETCH(int, box);
        QFETCH(QString, character);
        QFETCH(bool, square);
        const auto rectOfMiddle = [&](const QString &middle) {
            setText(box, "a" + middle + "b");
            source(box)->revealOffset(0);
            return source(box)->characterRect(1);
        };
        const QRect shown = rectOfMiddle(character);
        QVERIFY(shown.width() > 0);
        QCOMPARE(shown == rectOfMiddle(QStringLiteral(u"\u25A1")), square);
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
        // A reader's pointer over the text finds the box itself, which reads it.
        const QPoint onText = widget(box)->mapToGlobal(source(box)->characterRect(1).center());
        QCOMPARE(boxInterface->childAt(onText.x(), onText.y()), nullptr);
        QAccessibleTextInterface *text = boxInterface->textInterface();
        // The learner's keys move what assistive tools read, and what the tools set, the box
        // shows.
        source(box)->selectRange(6, 6);
        press(box, "Shift+Right, Shift+Right");
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(QList({text->selectionCount(), start, end, text->cursorPosition()}),
                 QList({1, 6, 8, 8}));
        text->setSelection(0, 0, 5);
        QCOMPARE(selected(box), "Hello");
        text->setCursorPosition(2);
        QCOMPARE(QList({text->selectionCount(), int(source(box)->caretOffset())}), QList({0, 2}));
        // An offset on a boundary starts the word there.
        QCOMPARE(text->textAtOffset(6, QAccessible::WordBoundary, &start, &end), "world");
    }
};

QTEST_MAIN(TextBoxesTest)
#include "tst_textboxes.moc"
