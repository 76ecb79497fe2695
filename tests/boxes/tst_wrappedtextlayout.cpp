// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"

#include "boxes/wrappedtextlayout.h"

#include <QFont>

using namespace keyvora;
using keyvora::test::row;

class WrappedTextLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void linesTileTheText_data()
    {
        QTest::addColumn<QString>("text");
        row("empty text", QString());
        row("lines ending in CR LF", QString("first line\r\nsecond\r\n").repeated(50));
        row("lone CR and lone LF", QString("a\rb\nc\r").repeated(50));
        row("empty paragraphs", u"\r\r\n\n\r"_qs);
        row("a paragraph many layout chunks long",
            QString("lorem ipsum dolor sit amet ").repeated(800) + "\r");
        row("a word longer than a chunk", QString(7000, 'w') + " tail");
        row("surrogate pairs across chunk edges", QString::fromUtf8("\U0001F600").repeated(5000));
        row("control characters and tabs", QString("a\tb\x01"
                                                   "c\x7f ")
                                               .repeated(900));
    }

    // Forwards from the start each line begins where the last ended; backwards from the end at
    // a new width likewise; every offset is found on its own line.
    void linesTileTheText()
    {
        QFETCH(QString, text);
        qreal width = 300;
        WrappedTextLayout layout;
        layout.setFont(QFont("Liberation Serif", 20));
        layout.setWidth(width);
        layout.setText(text);
        const qsizetype length = text.size();
        const auto checkLine = [&](const WrappedTextLayout::Line &line) {
            QVERIFY(line.isValid() && (line.end > line.start || length == 0));
            QVERIFY(line.line.naturalTextWidth() <= width + 0.5);
            QVERIFY(length == 0 || !text.at(line.start).isLowSurrogate());
            QVERIFY(line.start == 0 || text.mid(line.start - 1, 2) != u"\r\n"_qs);
        };

        WrappedTextLayout::Line line = layout.lineAt(0);
        QCOMPARE(line.start, 0);
        checkLine(line);
        for (auto next = layout.lineAfter(line); next.isValid(); next = layout.lineAfter(line)) {
            QCOMPARE(next.start, line.end);
            line = next;
            checkLine(line);
        }
        QCOMPARE(line.end, length);

        width /= 2; // lines laid at the old width must go
        layout.setWidth(width);
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
};

QTEST_MAIN(WrappedTextLayoutTest)
#include "tst_wrappedtextlayout.moc"
