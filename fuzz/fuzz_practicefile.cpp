// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes a learner's file may hold: decoding must not fail and must keep every byte's worth
// of text.

#include "lessons/practicefile.h"
#include "require.h"

#include <QStringDecoder>

#include <cstdint>

namespace {

const uchar kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

bool strictlyValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError() && text.toUtf8() == bytes;
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// One character per byte; only 0x80 to 0x9F leave their own code points.
bool isWindows1252Of(const QString &text, const QByteArray &bytes)
{
    if (text.size() != bytes.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        if (byte >= 0x80 && byte <= 0x9F ? text[i].unicode() < 0x80 : text[i].unicode() != byte)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = keyvora::decodePracticeBytes(bytes);
    KEYVORA_REQUIRE(!hasLoneSurrogate(text));

    const bool utf16 =
        size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF));
    if (utf16) {
        const qsizetype units = qsizetype(size - 2);
        // A pair stays two units, anything broken becomes one replacement.
        KEYVORA_REQUIRE(text.size() == units / 2 + units % 2);
    } else if (strictlyValidUtf8(bytes)) {
        const bool marked = bytes.startsWith(QByteArrayView(kUtf8Mark, 3));
        KEYVORA_REQUIRE(text.toUtf8() == bytes.sliced(marked ? 3 : 0));
    } else {
        KEYVORA_REQUIRE(isWindows1252Of(text, bytes));
    }

    return 0;
}
