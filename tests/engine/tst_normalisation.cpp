// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rows.h"
#include "windowfixture.h"

using namespace keyvora;
using namespace keyvora::test;

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
};

QTEST_MAIN(NormalisationTest)
#include "tst_normalisation.moc"
