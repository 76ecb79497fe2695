// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/keymodel.h"
#include "lessons/builtintests.h"
#include "lessons/drills.h"

#include <QDir>
#include <QStringDecoder>
#include <QTest>

#include <map>

using namespace keyvora;

namespace {

// The US layout as a touch-typing chart draws it: each row plain and shifted, one column a
// key. Column 0 is the grave key, which no finger is taught; the letter rows leave it empty.
const char *const kChart[][2] = {{"`1234567890-=", "~!@#$%^&*()_+"},
                                 {" qwertyuiop[]\\", " QWERTYUIOP{}|"},
                                 {" asdfghjkl;'", " ASDFGHJKL:\""},
                                 {" zxcvbnm,./", " ZXCVBNM<>?"}};
// The finger slot of each column: left little to index, then right index to little.
const char kColumnSlot[] = "-3210055678888";

} // namespace

class TestKeyModel : public QObject {
    Q_OBJECT
private slots:
    void everyCharacterHasTheKeyAndFingerOfTheChart()
    {
        // The key index and finger slot (-1: none) of every character on the chart.
        std::map<char16_t, std::pair<int, int>> expected{{u' ', {32, 4}}, {u'\b', {8, -1}}};
        for (const auto &[plain, shifted] : kChart) {
            for (int column = 0; plain[column]; ++column) {
                const int key = QChar::toUpper(char16_t(plain[column]));
                const int slot = kColumnSlot[column] == '-' ? -1 : kColumnSlot[column] - '0';
                if (plain[column] != ' ')
                    expected[char16_t(plain[column])] =
                        expected[char16_t(shifted[column])] = {key, slot};
            }
        }
        for (int code = 0; code <= 0xFFFF; ++code) {
            const auto wanted = expected.find(char16_t(code));
            const std::pair<int, int> got = {keyIndexForChar(char16_t(code)).value_or(-1),
                                             fingerSlotForChar(QString(QChar(code))).value_or(-1)};
            QVERIFY2(got == (wanted == expected.end() ? std::pair(-1, -1) : wanted->second),
                     qPrintable(u"key and finger of code %1"_qs.arg(code)));
        }
        QVERIFY(!fingerSlotForChar(QString()) && !fingerSlotForChar(u"aa"_qs));
    }

    // Every drill and built-in test asks only for keys a finger is taught. The library's texts,
    // keys of the diagram only, are UTF-8 with no CR, which would end a text early, and no
    // mistake mark, which counts against the learner even typed right.
    void practiceTextsAreTypableByTheFingers()
    {
        QStringList texts{homeRowDrill(), shiftDrill(), generalKeyText(), shortWordsText()};
        for (int row = 0; row < kFingerDrills; ++row)
            texts << fingerDrill(row);
        const QDir library(QStringLiteral(KEYVORA_LIBRARY));
        const QStringList sets = library.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY2(sets.size() >= 2, "the practice library is missing");
        for (const QString &set : sets) {
            for (const QFileInfo &found :
                 QDir(library.filePath(set)).entryInfoList({u"*.txt"_qs})) {
                QFile file(found.filePath());
                QVERIFY(file.open(QIODevice::ReadOnly));
                QStringDecoder utf8(QStringDecoder::Utf8);
                const QString text = utf8(file.readAll());
                QVERIFY2(!utf8.hasError() && !text.contains(u'\r') && !text.contains(u'*'),
                         qPrintable(found.filePath()));
                for (const QChar c : text) // on a key, if not one a finger is taught
                    QVERIFY2(c == u'\n' || keyIndexForChar(c.unicode()),
                             qPrintable(c + u" in "_qs + found.fileName()));
            }
        }
        for (const QString &text : texts) {
            for (const QChar c : text)
                QVERIFY2(fingerSlotForChar(QString(c)), qPrintable(text.left(40) + u": "_qs + c));
        }
    }
};

QTEST_APPLESS_MAIN(TestKeyModel)
#include "tst_keymodel.moc"
