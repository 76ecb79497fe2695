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
        row("control characters and tabs", QString("a\tb\1c\177 ").repeated(900));
    }

    // Forwards from the start each line begins where the last ended; backwards from the end at
    // half the width likewise, none of the lines laid at the old width left; every offset is
    // found on its own line.
    void linesTileTheText()
    {
        QFETCH(QString, text);
        WrappedTextLayout layout;
        layout.setFont(QFont("Liberation Serif", 20));
        layout.setWidth(300);
        layout.setText(text);
        const qsizetype length = text.size();
        for (const bool forwards : {true, false}) {
            const qreal width = forwards ? 300 : 150;
            layout.setWidth(width);
            WrappedTextLayout::Line line = layout.lineAt(forwards ? 0 : length);
            QCOMPARE(forwards ? line.start : line.end, forwards ? 0 : length);
            for (;;) {
                QVERIFY(line.isValid() && (line.end > line.start || length == 0));
                QVERIFY(line.line.naturalTextWidth() <= width + 0.5);
                QVERIFY(length == 0 || !text.at(line.start).isLowSurrogate());
                QVERIFY(line.start == 0 || text.mid(line.start - 1, 2) != u"\r\n"_qs);
                for (qsizetype o = line.start; o < line.end; o += 7) {
                    const WrappedTextLayout::Line holder = layout.lineAt(o);
                    QVERIFY(holder.start <= o && o < holder.end);
                }
                const auto next = forwards ? layout.lineAfter(line) : layout.lineBefore(line);
                if (!next.isValid())
                    break;
                QCOMPARE(forwards ? next.start : next.end, forwards ? line.end : line.start);
                line = next;
            }
            QCOMPARE(forwards ? line.end : line.start, forwards ? length : 0);
        }
    }
};

QTEST_MAIN(WrappedTextLayoutTest)
#include "tst_wrappedtextlayout.moc"
