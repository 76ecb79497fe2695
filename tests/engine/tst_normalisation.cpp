// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

#include "engine/normalisation.h"

using namespace keyvora;
using namespace keyvora::test;

using Rewrite = QString (*)(const QString &, QString &&);
Q_DECLARE_METATYPE(Rewrite)

class NormalisationTest : public QObject {
    Q_OBJECT
private slots:
    // What the practice box holds once a text is loaded, and so what the learner types: the
    // text ends at its first CR, which is the end marker unless the text had one of its own.
    void loadedText_data()
    {
        columns<QString, QString>({"loaded", "held"});
        row("CR LF is one space, not two", "a\r\nb", "a b\r");
        row("only the CR just before a line feed joins it", "a\r\r\nb", "a\r b\r");
        row("a lone line feed is a space", "a\nb", "a b\r");
        row("LF LF is two spaces", "a\n\nb", "a  b\r");
        row("CR LF LF is a space each", "a\r\n\nb", "a  b\r");
        row("a lone CR stays and ends the text where it stands", "a\n\rb", "a \rb\r");
        row("each tab is one space, leading ones too", "\ta\t\tb", " a  b\r");
        row("trailing tabs and line breaks are trimmed as spaces", "ab \t\r\n\n", "ab\r");
        row("a CR is no blank to trim", "ab\r ", "ab\r\r");
        row("leading spaces stay", "  ab", "  ab\r");
        row("only blanks leave just the end marker", "  \r\n \t\n", "\r");
    }
    void loadedText()
    {
        QFETCH(QString, loaded);
        WindowFixture f;
        f.windows.LoadPracticeText(loaded);
        const QString held = f.rtbSource->text();
        QTEST(held, "held");
        f.type(held.left(held.indexOf(u'\r')));
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(int(f.platform.messages.size()), held.size() > 1 ? 1 : 0);
    }

    // The loader hands each rewrite the storage the box has just let go of, to fill if nothing
    // else holds it and it is big enough; a rewrite that changes nothing returns the text.
    void spareStorage_data()
    {
        columns<Rewrite, QString, QString, bool, bool, QString>(
            {"rewrite", "text", "spare", "sharedElsewhere", "reused", "expected"});
        const QString longSpare(64, u'#');
        row("line breaks into a longer spare leave nothing of it", Rewrite(joinLineBreaks),
            "a\r\nb\r\r\nc", longSpare, false, true, "a b\r c");
        row("never written over a spare another string holds", Rewrite(tabsToSpaces), "a\tb",
            longSpare, true, false, "a b");
        row("a spare too short is left", Rewrite(tabsToSpaces), "a\tb\t\tc", "xy", false, false,
            "a b  c");
        row("nothing to trim: the text itself, the spare untouched", Rewrite(trimTrailingSpaces),
            "ab", longSpare, false, false, "ab");
        row("trimming into a longer spare", Rewrite(trimTrailingSpaces), "ab \t  ", longSpare,
            false, true, "ab \t");
        row("a spare of exactly the size is big enough", Rewrite(appendEndMarker), "abc", "wxyz",
            false, true, "abc\r");
    }
    void spareStorage()
    {
        QFETCH(Rewrite, rewrite);
        QFETCH(QString, text);
        QFETCH(QString, spare);
        QFETCH(bool, sharedElsewhere);
        spare.detach(); // storage of its own, as the box's old text has once let go of
        const QChar *storage = spare.constData();
        const QString content(spare.constData(), spare.size());
        const QString holder = sharedElsewhere ? spare : QString();
        const QString result = rewrite(text, std::move(spare));
        QTEST(result, "expected");
        QTEST(result.constData() == storage, "reused");
        QCOMPARE(holder, sharedElsewhere ? content : QString());
    }
};

QTEST_MAIN(NormalisationTest)
#include "tst_normalisation.moc"
