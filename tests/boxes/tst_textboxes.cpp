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
    std::function<void()> onChange;

    void rtbInput_KeyDown(int keyCode, int shift) override { note("down", keyCode, shift); }
    void rtbInput_KeyPress(char16_t &keyAscii) override
    {
        log << QStringLiteral("press %1").arg(int(keyAscii));
        if (handBack >= 0)
            keyAscii = char16_t(handBack);
    }
    void rtbInput_Change() override
    {
        log << QStringLiteral("change ") + text();
        if (onChange)
            onChange();
    }
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
    QAccessibleInterface *accessible(int box) const
    {
        return QAccessible::queryAccessibleInterface(widget(box));
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
        row("Backspace is a press of 8, then the change", "ab", "Backspace", "\b", -1,
            "down Backspace/0, press 8, change a, up Backspace/0", "a");
        row("Enter raises a press of 13 and inserts nothing", "ab", "Return", "\r", -1,
            "down Return/0, press 13, up Return/0", "ab");
        row("Delete at the end types no character and changes nothing", "ab", "Del", "", -1,
            "down Delete/0, up Delete/0", "ab");
        row("a character beyond the BMP is two presses, each judged", "", "", kSmiley, -1,
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
        columns<QString, QString, QString>({"before", "keys", "after"});
        const QString hello = QStringLiteral("hello world");
        row("Home, then typing goes first", hello, "Home", "Xhello world");
        row("Left twice from the end", hello, "Left, Left", "hello worXld");
        row("Shift+Left selection is replaced by typing", hello, "Shift+Left, Shift+Left",
            "hello worX");
        row("Shift+End from the middle selects to the end", hello, "Home, Right, Right, Shift+End",
            "heX");
        row("Left collapses a selection to its start", hello, "Shift+Home, Left", "Xhello world");
        row("Ctrl+Left goes to the start of the word", hello, "Ctrl+Left", "hello Xworld");
        row("Delete takes the character after the caret", hello, "Home, Del", "Xello world");
        row("Backspace takes a selection", hello, "Shift+Left, Backspace", "hello worlX");
        row("Right steps over a surrogate pair whole", "a" + kSmiley + "b", "Home, Right, Right",
            "a" + kSmiley + "Xb");
        row("Backspace takes a surrogate pair whole", "a" + kSmiley, "Backspace", "aX");
        row("Ctrl+A selects all, typing replaces it", hello, "Ctrl+A", "X");
    }
    void editingKeys()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        m_line->setText(before);
        press(Input, keys);
        QTest::keyClick(m_line, 'X');
        QTEST(m_line->text(), "after");
    }

    void clipboard_data()
    {
        columns<QString, QString>({"cut", "paste"});
        row("Ctrl+X, Ctrl+V", "Ctrl+X", "Ctrl+V");
        row("Shift+Delete, Shift+Insert", "Shift+Del", "Shift+Ins");
    }
    void clipboard()
    {
        QFETCH(QString, cut);
        QFETCH(QString, paste);
        m_line->setText("one two");
        press(Input, "Ctrl+A");
        m_handler.log.clear();
        press(Input, cut);
        QCOMPARE(QGuiApplication::clipboard()->text(), "one two");
        press(Input, paste + ", " + paste);
        QCOMPARE(m_handler.log.filter("change"),
                 (QStringList{"change ", "change one two", "change one twoone two"}));
        // Only the first line of a pasted text: the box holds one.
        QGuiApplication::clipboard()->setText("three\r\nfour");
        press(Input, paste);
        QCOMPARE(m_line->text(), "one twoone twothree");
        // A paste the key press cancels never happens.
        m_handler.handBack = 0;
        press(Input, "Ctrl+V");
        QCOMPARE(m_line->text(), "one twoone twothree");
    }

    void inputMethodCommit_data()
    {
        columns<QString, QString, QString, QString>({"preedit", "commit", "log", "after"});
        row("a dead key's accented letter is a key press, then the change", "", u"é"_qs,
            u"press 233, change xé"_qs, u"xé"_qs);
        row("the compose key's right single quote", "", u"’"_qs, u"press 8217, change x’"_qs,
            u"x’"_qs);
        row("a composition in progress changes nothing", u"´"_qs, "", "", "x");
        row("two committed characters are two key presses", "", "ab",
            "press 97, change xa, press 98, change xab", "xab");
    }
    void inputMethodCommit()
    {
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(QString, after);
        QVERIFY(m_line->inputMethodQuery(Qt::ImEnabled).toBool());
        m_line->setText("x");
        m_handler.log.clear();
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QCoreApplication::sendEvent(m_line, &event);
        QTEST(m_handler.log.join(", "), "log");
        QCOMPARE(m_line->text(), after);
        QCOMPARE(m_line->inputMethodQuery(Qt::ImSurroundingText).toString(), after);
        QCOMPARE(m_line->inputMethodQuery(Qt::ImCursorPosition).toInt(), after.size());
    }

    void setTextRaisesChangeOnlyWhenDifferent_data()
    {
        columns<int, QString, QString, int>({"box", "before", "written", "changes"});
        bothRows("a different text raises one change", "abc", "abd", 1);
        bothRows("an equal text built apart raises none", "abc", QString("ab") + "c", 0);
        bothRows("emptying raises one", "abc", "", 1);
        bothRows("empty over empty raises none", "", "", 0);
        row("practice: a lone CR and a lone LF stay as written", int(Practice), "", "a\rb\nc", 1);
        row("practice: a CR LF pair and a tab stay", int(Practice), "", "a\r\nb\t", 1);
        row("practice: appending the end marker is a change", int(Practice), "abc", "abc\r", 1);
    }
    void setTextRaisesChangeOnlyWhenDifferent()
    {
        QFETCH(int, box);
        QFETCH(QString, before);
        QFETCH(QString, written);
        QFETCH(int, changes);
        setText(box, before);
        bool writing = false;
        QList<bool> seenInside;
        m_view->setChangeHandler([&] { seenInside << writing; });
        m_handler.onChange = [&] { seenInside << writing; };
        writing = true;
        setText(box, written);
        writing = false;
        QCOMPARE(seenInside, QList<bool>(changes, true));
        QCOMPARE(source(box)->accessibleText(), written);
    }

    void rewriteFromInsideTheChangeHandler()
    {
        // As the engine's mistake mark does: the change handler rewrites the box and puts the
        // caret while the box is still inside its own insertion, and what it put must stand.
        m_line->setText("ab");
        m_handler.onChange = [this] {
            const QString text = m_line->text();
            if (const qsizetype at = text.indexOf('x'); at >= 0) {
                m_line->setText(QString(text).replace('x', '*'));
                m_line->setCursorPosition(at);
            }
        };
        press(Input, "Home, X");
        QCOMPARE(m_line->cursorPosition(), 0);
        press(Input, "Y");
        QCOMPARE(m_handler.log.filter("change"),
                 (QStringList{"change ab", "change xab", "change *ab", "change y*ab"}));
    }

    void keyboardSelectionAndCopy_data()
    {
        columns<int, QString, QString>({"box", "keys", "selected"});
        // "hello world again", the caret (the learner's position) after "hello ".
        bothRows("Shift+Right twice", "Shift+Right, Shift+Right", "wo");
        bothRows("Ctrl+Shift+Right takes the word", "Ctrl+Shift+Right", "world ");
        bothRows("Ctrl+A selects all", "Ctrl+A", "hello world again");
        row("practice: Shift+Home to the start of the line", int(Practice), "Shift+Home", "hello ");
    }
    void keyboardSelectionAndCopy()
    {
        QFETCH(int, box);
        QFETCH(QString, keys);
        QFETCH(QString, selected);
        setText(box, "hello world again");
        source(box)->selectRange(6, 6);
        press(box, keys + ", Ctrl+C");
        QCOMPARE(this->selected(box), selected);
        QCOMPARE(QGuiApplication::clipboard()->text(), selected);
        QCOMPARE(source(box)->accessibleText(), "hello world again");
    }

    void mouseSelection()
    {
        for (const int box : {Practice, Input}) {
            setText(box, "hello world again");
            source(box)->revealOffset(0);
            const auto leftOf = [&](qsizetype offset) {
                const QRect r = source(box)->characterRect(offset);
                return inMouseArea(box, QPoint(r.left() + 1, r.center().y()));
            };
            QTest::mousePress(mouseArea(box), Qt::LeftButton, {}, leftOf(6));
            QTest::mouseMove(mouseArea(box), leftOf(11));
            QTest::mouseRelease(mouseArea(box), Qt::LeftButton, {}, leftOf(11));
            QCOMPARE(selected(box), "world");
        }
        QTest::mouseDClick(mouseArea(Practice), Qt::LeftButton, {},
                           inMouseArea(Practice, m_view->characterRect(14).center()));
        QCOMPARE(selected(Practice), "again");
        QTest::mouseClick(m_line, Qt::LeftButton, {}, m_line->characterRect(6).topLeft());
        QCOMPARE(m_line->cursorPosition(), 6);
        QCOMPARE(m_viewChanges, 1);
        QCOMPARE(m_handler.log, QStringList{"change hello world again"});
    }

    void positionStaysInView_data()
    {
        QTest::addColumn<QString>("text");
        row("one paragraph of two million characters", paragraphOfWords(2'000'000));
        row("a hundred thousand short lines", QString("short line\r\n").repeated(100'000) + "\r");
        row("lone line feeds and carriage returns",
            QString("a few words\nmore words\r").repeated(20'000));
        row("a word far wider than the box", QString(50'000, 'x') + " end\r");
    }
    void positionStaysInView()
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
            QVERIFY2(span.start <= shown && (shown < span.end || span.end == length),
                     qPrintable(QString::number(position)));
            if (shown < length)
                QVERIFY(m_view->rect().contains(m_view->characterRect(shown).center()));
        }
        QCOMPARE(m_viewChanges, 1);
    }

    void positionPutWhileHiddenShowsOnceShown()
    {
        m_view->hide();
        m_view->setText(paragraphOfWords(1'000'000));
        m_view->setPosition(700'000);
        m_view->show();
        const TextSpan span = m_view->visibleSpan();
        QVERIFY(span.start <= 700'000 && 700'000 < span.end);
    }

    void longInputStaysWorkable()
    {
        m_line->setText(QString("typing ").repeated(200000 / 7 + 1).left(200000));
        // Spaces at the end take room too: the caret after them stays in view.
        QTest::keyClicks(m_line, "X          ");
        QCOMPARE(m_line->text().size(), 200011);
        QVERIFY(m_line->rect().contains(m_line->cursorRect()));
        QCOMPARE(m_line->visibleSpan().end, 200011);
        press(Input, "Home");
        QCOMPARE(m_line->visibleSpan().start, 0);
        QVERIFY(m_line->rect().contains(m_line->cursorRect()));
        press(Input, "Shift+End, Backspace");
        QCOMPARE(m_line->text(), QString());
    }

    void characterRectsRunWithTheText_data()
    {
        columns<int, QString, bool>({"box", "text", "rightwards"});
        bothRows("Latin runs left to right", "word", true);
        bothRows("Hebrew runs right to left", QStringLiteral(u"\u05E9\u05DC\u05D5\u05DD"), false);
    }
    void characterRectsRunWithTheText()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(bool, rightwards);
        setText(box, text);
        source(box)->revealOffset(0);
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            const QRect here = source(box)->characterRect(i);
            const QRect next = source(box)->characterRect(i + 1);
            QVERIFY(here.width() > 0 && next.width() > 0);
            QCOMPARE(next.center().x() > here.center().x(), rightwards);
            // Just inside the edge where the character begins, a click puts the caret before it.
            const QPoint begins(rightwards ? here.left() + 1 : here.right() - 1, here.center().y());
            QCOMPARE(source(box)->offsetAt(begins), i);
        }
    }

    void controlCharactersShowAsASquare_data()
    {
        columns<int, QString, bool>({"box", "character", "square"});
        bothRows("NUL", QString(QChar(0)), true);
        bothRows("Ctrl+A's code", "\x01", true);
        bothRows("Escape", "\x1b", true);
        bothRows("DEL", "\x7f", true);
        row("input: a CR handed to the line", int(Input), "\r", true);
        bothRows("a tab keeps its own width", "\t", false);
    }
    // Both boxes give the character the place a white square would take, so that the learner
    // sees it where it is in the text.
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

    void learnerCannotEditThePracticeText()
    {
        m_view->setText("Type this.\r");
        m_view->setFocus();
        QGuiApplication::clipboard()->setText("pasted");
        press(Practice, "A, Space, Backspace, Del");
        press(Practice, "Return, Ctrl+V, Ctrl+X");
        source(Practice)->replaceRange(0, 4, "Edit");
        QCOMPARE(m_view->text(), "Type this.\r");
        QCOMPARE(m_viewChanges, 1);
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
        QAccessibleInterface *boxInterface = accessible(box);
        QCOMPARE(boxInterface->role(), QAccessible::EditableText);
        const QAccessible::State state = boxInterface->state();
        QCOMPARE(bool(state.editable), editable);
        QCOMPARE(bool(state.readOnly), !editable);
        QCOMPARE(bool(state.multiLine), !editable);
        QVERIFY(state.selectableText && state.focusable);
        QCOMPARE(boxInterface->editableTextInterface() != nullptr, editable);
        QCOMPARE(boxInterface->text(QAccessible::Value), kText);
        // A reader's pointer over the text finds the box itself, which reads it.
        const QPoint onText = widget(box)->mapToGlobal(source(box)->characterRect(1).center());
        QCOMPARE(boxInterface->childAt(onText.x(), onText.y()), nullptr);
        QAccessibleTextInterface *text = boxInterface->textInterface();
        QCOMPARE(text->characterCount(), kText.size());
        // The learner's keys move what assistive tools read...
        source(box)->selectRange(6, 6);
        QCOMPARE(text->cursorPosition(), 6);
        QCOMPARE(text->selectionCount(), 0);
        press(box, "Shift+Right, Shift+Right");
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(QList({text->selectionCount(), start, end}), QList({1, 6, 8}));
        // ...and what the tools set, the box shows.
        text->setSelection(0, 0, 5);
        QCOMPARE(selected(box), "Hello");
        text->setCursorPosition(2);
        QCOMPARE(source(box)->caretOffset(), 2);
        QCOMPARE(selected(box), QString());
    }

    void accessibleTextAtBoundaries_data()
    {
        columns<int, QAccessible::TextBoundaryType, int, QString, QString, QString>(
            {"box", "boundary", "offset", "before", "at", "after"});
        // The boxes share these answers; only what a line is differs between them.
        bothRows("the word around the caret", QAccessible::WordBoundary, 8, " ", "world", ".");
        row("the sentence", int(Input), QAccessible::SentenceBoundary, 14, "Hello world. ",
            "Next one.\n", "Last");
        row("the paragraph keeps its line feed", int(Practice), QAccessible::ParagraphBoundary, 3,
            "", "Hello world. Next one.\n", "Last");
        row("nothing past the last character", int(Practice), QAccessible::CharBoundary,
            int(kText.size()), "t", "", "");
        bothRows("nothing at an offset beyond the text", QAccessible::WordBoundary,
                 int(kText.size()) + 5, "", "", "");
        row("practice: a line is what the view shows", int(Practice), QAccessible::LineBoundary, 3,
            "", "Hello world. Next one.\n", "Last");
        row("input: one line holds everything", int(Input), QAccessible::LineBoundary, 3, "", kText,
            "");
    }
    void accessibleTextAtBoundaries()
    {
        QFETCH(int, box);
        QFETCH(QAccessible::TextBoundaryType, boundary);
        QFETCH(int, offset);
        setText(box, kText);
        QAccessibleTextInterface *text = accessible(box)->textInterface();
        int start = 0;
        int end = 0;
        QTEST(text->textBeforeOffset(offset, boundary, &start, &end), "before");
        QTEST(text->textAtOffset(offset, boundary, &start, &end), "at");
        QTEST(kText.mid(start, end - start), "at");
        QTEST(text->textAfterOffset(offset, boundary, &start, &end), "after");
    }
};

QTEST_MAIN(TextBoxesTest)
#include "tst_textboxes.moc"
