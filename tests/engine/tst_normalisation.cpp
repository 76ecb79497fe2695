// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/normalisation.h"

#include <QTest>

using namespace keyvora;

using Rewrite = QString (*)(const QString &, QString &&);
Q_DECLARE_METATYPE(Rewrite)

// The rewrites may fill the storage of a spare string; the loader hands them the storage the
// box has just let go of.
class NormalisationTest : public QObject {
    Q_OBJECT
private slots:
    void spareStorage_data();
    void spareStorage();
};

void NormalisationTest::spareStorage_data()
{
    QTest::addColumn<Rewrite>("rewrite");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spare");
    QTest::addColumn<bool>("sharedElsewhere");
    QTest::addColumn<bool>("reused");
    QTest::addColumn<QString>("expected");

    const QString longSpare(64, u'#');
    QTest::newRow("line breaks into a longer spare leave nothing of it")
        << Rewrite(joinLineBreaks) << "a\r\nb\r\r\nc" << longSpare << false << true << "a b\r c";
    QTest::newRow("line breaks never written over a spare another string holds")
        << Rewrite(joinLineBreaks) << "a\r\nb" << longSpare << true << false << "a b";
    QTest::newRow("tabs with a spare too short for them") << Rewrite(tabsToSpaces) << "a\tb\t\tc"
                                                          << "xy" << false << false << "a b  c";
    QTest::newRow("tabs never written over a spare another string holds")
        << Rewrite(tabsToSpaces) << "a\tb" << longSpare << true << false << "a b";
    QTest::newRow("trimming into a longer spare")
        << Rewrite(trimTrailingSpaces) << "ab \t  " << longSpare << false << true << "ab \t";
    QTest::newRow("nothing to trim: the text itself, the spare untouched")
        << Rewrite(trimTrailingSpaces) << "ab" << longSpare << false << false << "ab";
    QTest::newRow("the end marker into a spare of exactly its size")
        << Rewrite(appendEndMarker) << "abc"
        << "wxyz" << false << true << "abc\r";
    QTest::newRow("the end marker never written over a spare another string holds")
        << Rewrite(appendEndMarker) << "abc" << longSpare << true << false << "abc\r";
}

void NormalisationTest::spareStorage()
{
    QFETCH(Rewrite, rewrite);
    QFETCH(QString, text);
    QFETCH(QString, spare);
    QFETCH(bool, sharedElsewhere);
    QFETCH(bool, reused);

    // Storage of its own, as the box's old text has once the box lets go of it.
    spare.detach();
    const QChar *storage = spare.constData();
    const QString content(spare.constData(), spare.size());
    QString holder;
    if (sharedElsewhere)
        holder = spare;
    const QString result = rewrite(text, std::move(spare));
    QTEST(result, "expected");
    QCOMPARE(result.constData() == storage, reused);
    QCOMPARE(holder, sharedElsewhere ? content : QString());
}

QTEST_GUILESS_MAIN(NormalisationTest)
#include "tst_normalisation.moc"
