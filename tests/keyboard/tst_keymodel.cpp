// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/keymodel.h"

#include <QTest>

#include <map>
#include <vector>

using namespace keyvora;

namespace {

// The guidance's own listing: the characters that light one key, shifted or not.
const std::map<int, QString> kCharactersOfKey = {
    {49, u"1!"_qs}, {50, u"2@"_qs},  {51, u"3#"_qs}, {52, u"4$"_qs}, {53, u"5%"_qs},
    {54, u"6^"_qs}, {55, u"7&"_qs},  {56, u"8*"_qs}, {57, u"9("_qs}, {48, u"0)"_qs},
    {45, u"-_"_qs}, {61, u"=+"_qs},  {91, u"[{"_qs}, {93, u"]}"_qs}, {92, u"\\|"_qs},
    {59, u";:"_qs}, {39, u"'\""_qs}, {44, u",<"_qs}, {46, u".>"_qs}, {47, u"/?"_qs},
    {96, u"`~"_qs}, {8, u"\b"_qs},   {32, u" "_qs},
};

// The finger listing, slot by slot.
const QString kCharactersOfSlot[kFingerSlots] = {
    u"4$5%RrTtFfGgVvBb"_qs, u"3#EeDdCc"_qs, u"2@WwSsXx"_qs,
    u"1!QqAaZz"_qs,         u" "_qs,        u"6^7&YyUuHhJjNnMm"_qs,
    u"8*IiKk,<"_qs,         u"9(OoLl.>"_qs, u"0)Pp;:'\"[{]}\\|-_=+/?"_qs,
};

std::optional<int> expectedKey(char16_t code)
{
    if (code >= u'a' && code <= u'z')
        return code - 32;
    if (code >= u'A' && code <= u'Z')
        return code;
    for (const auto &[index, characters] : kCharactersOfKey) {
        if (characters.contains(QChar(code)))
            return index;
    }
    return std::nullopt;
}

std::optional<int> expectedSlot(char16_t code)
{
    for (int slot = 0; slot < kFingerSlots; ++slot) {
        if (kCharactersOfSlot[slot].contains(QChar(code)))
            return slot;
    }
    return std::nullopt;
}

// Every code below 128 and a few beyond, each row named after what it guards.
void addCodeRows(const char *verb, std::optional<int> (*expected)(char16_t))
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected"); // -1: none
    std::vector<int> codes(131);
    std::iota(codes.begin(), codes.end(), 0);
    codes.insert(codes.end(), {160, 255, 0x20AC, 0xFF01, 0xFFFF});
    for (const int code : codes) {
        const auto result = expected(char16_t(code));
        const QByteArray what = code > 32 && code < 127 ? QByteArray("'") + char(code) + '\''
                                                        : "code " + QByteArray::number(code);
        const QByteArray outcome =
            result ? QByteArray(verb) + ' ' + QByteArray::number(*result) : QByteArray("has none");
        QTest::addRow("%s %s", what.constData(), outcome.constData())
            << code << result.value_or(-1);
    }
}

} // namespace

class TestKeyModel : public QObject {
    Q_OBJECT
private slots:
    void keyForEveryCharacter_data() { addCodeRows("lights", expectedKey); }
    void keyForEveryCharacter()
    {
        QFETCH(int, code);
        QFETCH(int, expected);
        QCOMPARE(keyIndexForChar(char16_t(code)).value_or(-1), expected);
    }

    void slotForEveryCharacter_data() { addCodeRows("slot", expectedSlot); }
    void slotForEveryCharacter()
    {
        QFETCH(int, code);
        QFETCH(int, expected);
        QCOMPARE(fingerSlotForChar(char16_t(code)).value_or(-1), expected);
        QCOMPARE(fingerSlotForChar(QString(QChar(char16_t(code)))).value_or(-1), expected);
        QVERIFY(!fingerSlotForChar(QString(2, QChar(char16_t(code))))); // not one character
    }

    void nothingPastTheEndHasNoSlot() { QVERIFY(!fingerSlotForChar(QString())); }
};

QTEST_APPLESS_MAIN(TestKeyModel)
#include "tst_keymodel.moc"
