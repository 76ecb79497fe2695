#include "shell/wrappedtextlayout.h"

#include <QFont>
#include <QTest>

using namespace keyvora;

class WrappedTextLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void linesTileTheText_data();
    void linesTileTheText();
};

void WrappedTextLayoutTest::linesTileTheText_data() {
    QTest::addColumn<QString>("text");

    const QString words = QString("lorem ipsum dolor sit amet ").repeated(800);
    QTest::newRow("empty text") << QString();
    QTest::newRow("one short line") << "Type this.\r";
    QTest::newRow("lines ending in CR LF") << QString("first line\r\nsecond\r\n").repeated(50);
    QTest::newRow("lone CR and lone LF") << QString("a\rb\nc\r").repeated(50);
    QTest::newRow("empty paragraphs") << "\r\r\n\n\r";
    QTest::newRow("a paragraph many layout chunks long") << words + "\r";
    QTest::newRow("a word longer than a chunk") << QString(7000, 'w') + " tail";
    QTest::newRow("surrogate pairs across chunk edges")
        << QString::fromUtf8("\U0001F600").repeated(5000);
    QTest::newRow("control characters and tabs") << QString("a\tb\x01"
                                                            "c\x7f ")
                                                        .repeated(900);
}

void WrappedTextLayoutTest::linesTileTheText() {
    QFETCH(QString, text);

    constexpr qreal width = 300;
    WrappedTextLayout layout;
    QFont font("Liberation Serif");
    font.setPointSizeF(20.25);
    layout.setFont(font);
    layout.setWidth(width);
    layout.setText(text);
    const qsizetype length = text.size();

    const auto checkLine = [&](const WrappedTextLayout::Line &line) {
        QVERIFY(line.isValid());
        QVERIFY(line.end > line.start || length == 0);
        QVERIFY(line.line.naturalTextWidth() <= width + 0.5);
        QVERIFY(length == 0 || !text.at(line.start).isLowSurrogate());
    };

    // Forwards from the start: each line begins where the last ended, the last ends the text.
    WrappedTextLayout::Line line = layout.lineAt(0);
    QCOMPARE(line.start, 0);
    for (;;) {
        checkLine(line);
        const WrappedTextLayout::Line next = layout.lineAfter(line);
        if (!next.isValid())
            break;
        QCOMPARE(next.start, line.end);
        line = next;
    }
    QCOMPARE(line.end, length);

    // Backwards from a fresh start at the end, and every offset found on its line.
    layout.clear();
    line = layout.lineAt(length);
    QCOMPARE(line.end, length);
    for (;;) {
        checkLine(line);
        for (qsizetype o = line.start; o < line.end; o += 7) {
            const WrappedTextLayout::Line holder = layout.lineAt(o);
            QVERIFY(holder.start <= o && o < holder.end);
        }
        const WrappedTextLayout::Line previous = layout.lineBefore(line);
        if (!previous.isValid())
            break;
        QCOMPARE(previous.end, line.start);
        line = previous;
    }
    QCOMPARE(line.start, 0);
}

QTEST_MAIN(WrappedTextLayoutTest)
#include "tst_wrappedtextlayout.moc"
