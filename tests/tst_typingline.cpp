#include "shell/typingline.h"

#include <QClipboard>
#include <QMetaEnum>
#include <QTest>

#include <functional>

using namespace keyvora;

namespace {

QString keyName(int keyCode)
{
    return QString::fromLatin1(QMetaEnum::fromType<Qt::Key>().valueToKey(keyCode));
}

// Writes down every event of the box, as text, and answers key presses as told.
class RecordingHandler : public InputBoxHandler {
public:
    explicit RecordingHandler(TypingLine &line)
        : m_line(line)
    {
    }

    QStringList log;
    QHash<char16_t, char16_t> replace; // key press code -> code handed back
    std::function<void()> onChange;

    void rtbInput_KeyDown(int keyCode, int shift) override
    {
        log << QStringLiteral("down %1/%2").arg(keyName(keyCode)).arg(shift);
    }
    void rtbInput_KeyPress(char16_t &keyAscii) override
    {
        log << QStringLiteral("press %1").arg(int(keyAscii));
        keyAscii = replace.value(keyAscii, keyAscii);
    }
    void rtbInput_Change() override
    {
        log << QStringLiteral("change %1").arg(m_line.text());
        if (onChange)
            onChange();
    }
    void rtbInput_KeyUp(int keyCode, int shift) override
    {
        log << QStringLiteral("up %1/%2").arg(keyName(keyCode)).arg(shift);
    }

private:
    TypingLine &m_line;
};

// The union of what a widget paints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

void press(QWidget *widget, int combined)
{
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

} // namespace

class TypingLineTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyEvents_data();
    void keyEvents();
    void editingKeys_data();
    void editingKeys();
    void clipboard_data();
    void clipboard();
    void inputMethodCommit_data();
    void inputMethodCommit();
    void setTextRaisesChangeOnlyWhenDifferent_data();
    void setTextRaisesChangeOnlyWhenDifferent();
    void rewriteFromInsideTheChangeHandler();
    void mouseClickPlacesCaretAndDragSelects();
    void autoRepeatReleaseRaisesNoKeyUp();
    void longInputStaysWorkable();
    void repaintsTheFrameOnlyWhenItChanges_data();
    void repaintsTheFrameOnlyWhenItChanges();

private:
    std::unique_ptr<TypingLine> m_line;
    std::unique_ptr<RecordingHandler> m_handler;
};

void TypingLineTest::init()
{
    m_line = std::make_unique<TypingLine>();
    m_line->resize(300, m_line->sizeHint().height());
    m_handler = std::make_unique<RecordingHandler>(*m_line);
    m_line->setHandler(m_handler.get());
    m_line->show();
    m_line->activateWindow();
    m_line->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_line.get()));
}

void TypingLineTest::cleanup()
{
    m_line.reset();
    m_handler.reset();
}

void TypingLineTest::keyEvents_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<QList<int>>("replacement"); // {code, new code}, or empty
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("after");

    const QList<int> none;
    QTest::newRow("letter: down, press, change, up")
        << "ab" << int(Qt::Key_C) << 0 << "c" << none
        << QStringList{"down Key_C/0", "press 99", "change abc", "up Key_C/0"} << "abc";
    QTest::newRow("Shift held: its own down and up around the letter, mask 1")
        << "" << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << none
        << QStringList{"down Key_Shift/1", "down Key_A/1", "press 65",
                       "change A",         "up Key_A/1",   "up Key_Shift/0"}
        << "A";
    QTest::newRow("code 0 cancels: nothing inserted, no change")
        << "ab" << int(Qt::Key_C) << 0 << "c" << QList<int>{'c', 0}
        << QStringList{"down Key_C/0", "press 99", "up Key_C/0"} << "ab";
    QTest::newRow("another code types that character instead")
        << "ab" << int(Qt::Key_C) << 0 << "c" << QList<int>{'c', '*'}
        << QStringList{"down Key_C/0", "press 99", "change ab*", "up Key_C/0"} << "ab*";
    QTest::newRow("Enter raises a press of 13 and inserts nothing")
        << "ab" << int(Qt::Key_Return) << 0 << "\r" << none
        << QStringList{"down Key_Return/0", "press 13", "up Key_Return/0"} << "ab";
    QTest::newRow("Backspace is a press of 8, then the change")
        << "ab" << int(Qt::Key_Backspace) << 0 << "\b" << none
        << QStringList{"down Key_Backspace/0", "press 8", "change a", "up Key_Backspace/0"} << "a";
    QTest::newRow("Backspace cancelled leaves the text")
        << "ab" << int(Qt::Key_Backspace) << 0 << "\b" << QList<int>{8, 0}
        << QStringList{"down Key_Backspace/0", "press 8", "up Key_Backspace/0"} << "ab";
    QTest::newRow("Delete at the end types no character and changes nothing")
        << "ab" << int(Qt::Key_Delete) << 0 << "" << none
        << QStringList{"down Key_Delete/0", "up Key_Delete/0"} << "ab";
    QTest::newRow("a dead key types nothing until its letter is committed")
        << "e" << int(Qt::Key_Dead_Acute) << 0 << QString(QChar(0xB4)) << none
        << QStringList{"down Key_Dead_Acute/0", "up Key_Dead_Acute/0"} << "e";
    QTest::newRow("the article's apostrophe from a key")
        << "it" << int(Qt::Key_unknown) << 0 << QString(QChar(0x2019)) << none
        << QStringList{"down Key_unknown/0", "press 8217", "change it\u2019", "up Key_unknown/0"}
        << "it\u2019";
    QTest::newRow("a character beyond the BMP is two presses, each judged")
        << "" << int(Qt::Key_unknown) << 0 << QString::fromUtf8("\U0001F600") << none
        << QStringList{"down Key_unknown/0",
                       "press 55357",
                       "change " + QString(QChar(0xD83D)),
                       "press 56832",
                       "change " + QString::fromUtf8("\U0001F600"),
                       "up Key_unknown/0"}
        << QString::fromUtf8("\U0001F600");
}

void TypingLineTest::keyEvents()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, keyText);
    QFETCH(QList<int>, replacement);
    QFETCH(QStringList, log);
    QFETCH(QString, after);

    m_line->setText(before);
    m_handler->log.clear();
    if (!replacement.isEmpty())
        m_handler->replace.insert(char16_t(replacement[0]), char16_t(replacement[1]));
    QTest::sendKeyEvent(QTest::Click, m_line.get(), Qt::Key(key), keyText,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_handler->log, log);
    QCOMPARE(m_line->text(), after);
}

void TypingLineTest::editingKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("after"); // once "X" has been typed

    const int shift = int(Qt::ShiftModifier);
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("Home, then typing goes first")
        << "hello world" << QList<int>{Qt::Key_Home} << "Xhello world";
    QTest::newRow("Left twice from the end")
        << "hello world" << QList<int>{Qt::Key_Left, Qt::Key_Left} << "hello worXld";
    QTest::newRow("Shift+Left selection is replaced by typing")
        << "hello world" << QList<int>{shift | Qt::Key_Left, shift | Qt::Key_Left} << "hello worX";
    QTest::newRow("Shift+End from the middle selects to the end")
        << "hello world"
        << QList<int>{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, shift | Qt::Key_End} << "heX";
    QTest::newRow("Left collapses a selection to its start")
        << "hello world" << QList<int>{shift | Qt::Key_Home, Qt::Key_Left} << "Xhello world";
    QTest::newRow("Ctrl+Left goes to the start of the word")
        << "hello world" << QList<int>{ctrl | Qt::Key_Left} << "hello Xworld";
    QTest::newRow("Ctrl+Right goes to the start of the next word")
        << "hello world" << QList<int>{Qt::Key_Home, ctrl | Qt::Key_Right} << "hello Xworld";
    QTest::newRow("Delete takes the character after the caret")
        << "hello world" << QList<int>{Qt::Key_Home, Qt::Key_Delete} << "Xello world";
    QTest::newRow("Backspace takes a selection")
        << "hello world" << QList<int>{shift | Qt::Key_Left, Qt::Key_Backspace} << "hello worlX";
    QTest::newRow("Right steps over a surrogate pair whole")
        << QString::fromUtf8("a\U0001F600b")
        << QList<int>{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right}
        << QString::fromUtf8("a\U0001F600Xb");
    QTest::newRow("Backspace takes a surrogate pair whole")
        << QString::fromUtf8("a\U0001F600") << QList<int>{Qt::Key_Backspace} << "aX";
    QTest::newRow("Ctrl+A selects all, typing replaces it")
        << "hello world" << QList<int>{ctrl | Qt::Key_A} << "X";
}

void TypingLineTest::editingKeys()
{
    QFETCH(QString, before);
    QFETCH(QList<int>, keys);
    QFETCH(QString, after);

    m_line->setText(before);
    for (int key : keys)
        press(m_line.get(), key);
    QTest::keyClick(m_line.get(), 'X');
    QCOMPARE(m_line->text(), after);
}

void TypingLineTest::clipboard_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<int>("paste");

    const int ctrl = int(Qt::ControlModifier);
    const int shift = int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+X, Ctrl+V") << (ctrl | Qt::Key_X) << (ctrl | Qt::Key_V);
    QTest::newRow("Shift+Delete, Shift+Insert")
        << (shift | Qt::Key_Delete) << (shift | Qt::Key_Insert);
}

void TypingLineTest::clipboard()
{
    QFETCH(int, cut);
    QFETCH(int, paste);

    m_line->setText("one two");
    press(m_line.get(), int(Qt::ControlModifier) | Qt::Key_A);
    m_handler->log.clear();
    press(m_line.get(), cut);
    QCOMPARE(m_line->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), "one two");
    QVERIFY(m_handler->log.contains("change "));

    press(m_line.get(), paste);
    press(m_line.get(), paste);
    QCOMPARE(m_line->text(), "one twoone two");
    QCOMPARE(m_handler->log.filter("change").size(), 3);

    // Only the first line of a pasted text: the box holds one.
    QGuiApplication::clipboard()->setText("three\r\nfour");
    press(m_line.get(), paste);
    QCOMPARE(m_line->text(), "one twoone twothree");

    // A paste the key press cancels never happens.
    m_handler->replace.insert(22, 0);
    press(m_line.get(), int(Qt::ControlModifier) | Qt::Key_V);
    QCOMPARE(m_line->text(), "one twoone twothree");
}

void TypingLineTest::inputMethodCommit_data()
{
    QTest::addColumn<QString>("preedit");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("after");

    QTest::newRow("a dead key's accented letter is a key press, then the change")
        << "" << QString(QChar(0xE9)) << QStringList{"press 233", "change x\u00E9"} << "x\u00E9";
    QTest::newRow("the compose key's right single quote")
        << "" << QString(QChar(0x2019)) << QStringList{"press 8217", "change x\u2019"} << "x\u2019";
    QTest::newRow("a composition in progress changes nothing")
        << QString(QChar(0xB4)) << "" << QStringList{} << "x";
    QTest::newRow("two committed characters are two key presses")
        << ""
        << "ab" << QStringList{"press 97", "change xa", "press 98", "change xab"} << "xab";
}

void TypingLineTest::inputMethodCommit()
{
    QFETCH(QString, preedit);
    QFETCH(QString, commit);
    QFETCH(QStringList, log);
    QFETCH(QString, after);

    QVERIFY(m_line->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(m_line->inputMethodQuery(Qt::ImEnabled).toBool());
    m_line->setText("x");
    m_handler->log.clear();
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(m_line.get(), &event);
    QCOMPARE(m_handler->log, log);
    QCOMPARE(m_line->text(), after);
    QCOMPARE(m_line->inputMethodQuery(Qt::ImSurroundingText).toString(), after);
    QCOMPARE(m_line->inputMethodQuery(Qt::ImCursorPosition).toInt(), after.size());
}

void TypingLineTest::setTextRaisesChangeOnlyWhenDifferent_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("changes");

    QTest::newRow("a different text raises one change") << "abc"
                                                        << "abd" << 1;
    QTest::newRow("a text differing only inside, ending alike, raises one") << "abc"
                                                                            << "axc" << 1;
    QTest::newRow("an equal text built apart raises none") << "abc" << QString("ab") + "c" << 0;
    QTest::newRow("emptying raises one") << "abc"
                                         << "" << 1;
    QTest::newRow("empty over empty raises none") << ""
                                                  << "" << 0;
}

void TypingLineTest::setTextRaisesChangeOnlyWhenDifferent()
{
    QFETCH(QString, before);
    QFETCH(QString, written);
    QFETCH(int, changes);

    m_line->setText(before);
    bool writing = false;
    QList<bool> seenInside;
    m_handler->onChange = [&] { seenInside << writing; };
    writing = true;
    m_line->setText(written);
    writing = false;
    QCOMPARE(seenInside, QList<bool>(changes, true));
    QCOMPARE(m_line->text(), written);
}

void TypingLineTest::rewriteFromInsideTheChangeHandler()
{
    // As the engine's mistake mark does: the change handler rewrites the box and puts the caret
    // while the box is still inside its own insertion, and what it put must stand.
    m_line->setText("ab");
    m_handler->onChange = [this] {
        const QString text = m_line->text();
        const qsizetype at = text.indexOf('x');
        if (at >= 0) {
            m_line->setText(QString(text).replace('x', '*'));
            m_line->setCursorPosition(at);
        }
    };
    QTest::keyClick(m_line.get(), Qt::Key_Home);
    QTest::keyClick(m_line.get(), 'x');
    QCOMPARE(m_line->text(), "*ab");
    QCOMPARE(m_line->cursorPosition(), 0);
    QTest::keyClick(m_line.get(), 'y');
    QCOMPARE(m_line->text(), "y*ab");
    QCOMPARE(m_handler->log.filter("change"),
             (QStringList{"change ab", "change xab", "change *ab", "change y*ab"}));
}

void TypingLineTest::mouseClickPlacesCaretAndDragSelects()
{
    m_line->setText("hello world");
    m_handler->log.clear();
    const QPoint sixth = m_line->characterRect(6).center() - QPoint(2, 0);
    QTest::mouseClick(m_line.get(), Qt::LeftButton, {}, sixth);
    QCOMPARE(m_line->cursorPosition(), 6);
    QVERIFY(m_handler->log.isEmpty());
    QTest::keyClick(m_line.get(), 'X');
    QCOMPARE(m_line->text(), "hello Xworld");

    const QPoint first = m_line->characterRect(0).center() - QPoint(2, 0);
    const QPoint fifth = m_line->characterRect(5).center() - QPoint(2, 0);
    QTest::mousePress(m_line.get(), Qt::LeftButton, {}, first);
    QTest::mouseMove(m_line.get(), fifth);
    QTest::mouseRelease(m_line.get(), Qt::LeftButton, {}, fifth);
    QCOMPARE(m_line->selectedText(), "hello");

    QTest::mouseClick(m_line.get(), Qt::LeftButton, Qt::ShiftModifier, sixth);
    QCOMPARE(m_line->selectedText(), "hello ");
}

void TypingLineTest::autoRepeatReleaseRaisesNoKeyUp()
{
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
    QCoreApplication::sendEvent(m_line.get(), &repeated);
    QVERIFY(m_handler->log.isEmpty());
    QTest::keyRelease(m_line.get(), Qt::Key_A);
    QCOMPARE(m_handler->log, QStringList{"up Key_A/0"});
}

void TypingLineTest::longInputStaysWorkable()
{
    const QString hour = QString("typing ").repeated(200000 / 7 + 1).left(200000);
    m_line->setText(hour);
    QCOMPARE(m_line->text().size(), 200000);
    // Spaces at the end take room too: the caret after them stays in view.
    QTest::keyClicks(m_line.get(), "X          ");
    QCOMPARE(m_line->text().size(), 200011);
    QVERIFY(m_line->text().endsWith("X          "));
    QVERIFY(m_line->rect().contains(m_line->cursorRect()));
    QCOMPARE(m_line->visibleSpan().end, 200011);

    QTest::keyClick(m_line.get(), Qt::Key_Home);
    QCOMPARE(m_line->visibleSpan().start, 0);
    QVERIFY(m_line->rect().contains(m_line->cursorRect()));
    QTest::keyClick(m_line.get(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(m_line->selectedText().size(), 200011);
    QTest::keyClick(m_line.get(), Qt::Key_Backspace);
    QCOMPARE(m_line->text(), QString());
}

void TypingLineTest::repaintsTheFrameOnlyWhenItChanges_data()
{
    QTest::addColumn<int>("key"); // 0: the box loses the focus
    QTest::addColumn<bool>("frameRepainted");

    QTest::newRow("a typed letter repaints the text alone") << int(Qt::Key_X) << false;
    QTest::newRow("Backspace repaints the text alone") << int(Qt::Key_Backspace) << false;
    QTest::newRow("the caret moved by an arrow repaints the text alone")
        << int(Qt::Key_Left) << false;
    QTest::newRow("losing the focus repaints the frame, which shows it") << 0 << true;
}

void TypingLineTest::repaintsTheFrameOnlyWhenItChanges()
{
    QFETCH(int, key);
    QFETCH(bool, frameRepainted);

    m_line->setText("abc");
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    m_line->installEventFilter(&recorder);
    if (key == 0)
        m_line->clearFocus();
    else
        QTest::keyClick(m_line.get(), Qt::Key(key));
    QCoreApplication::processEvents();
    QVERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.contains(QPoint(0, m_line->height() / 2)), frameRepainted);
}

QTEST_MAIN(TypingLineTest)
#include "tst_typingline.moc"
