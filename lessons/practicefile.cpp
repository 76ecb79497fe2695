// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/practicefile.h"

#include "textio/windows1252.h"

#include <QStringDecoder>

namespace keyvora {

namespace {

// Strict RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off
// sequence at the end. Anything looser lets a Windows-1252 file pass as UTF-8.
bool isValidUtf8(const uchar *s, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        const uchar lead = s[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (n - i < length || s[i + 1] < low || s[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// Code units are taken as they stand; a lone surrogate or an odd last byte is not a
// character, so it becomes U+FFFD instead of being passed on.
QString decodeUtf16(const uchar *s, qsizetype n, bool bigEndian)
{
    const qsizetype units = n / 2;
    const auto unitAt = [&](qsizetype i) -> char16_t {
        const uchar first = s[2 * i];
        const uchar second = s[2 * i + 1];
        return bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    };
    QString text;
    text.reserve(units + 1);
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (QChar::isHighSurrogate(unit) && i + 1 < units && QChar::isLowSurrogate(unitAt(i + 1))) {
            text.append(QChar(unit));
            text.append(QChar(unitAt(++i)));
        } else if (QChar::isSurrogate(unit)) {
            text.append(QChar::ReplacementCharacter);
        } else {
            text.append(QChar(unit));
        }
    }
    if (n % 2 != 0)
        text.append(QChar::ReplacementCharacter);
    return text;
}

QString decodeWindows1252(const uchar *s, qsizetype n)
{
    QString text(n, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar byte = s[i];
        out[i] =
            QChar(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80u] : char16_t(byte));
    }
    return text;
}

} // namespace

QString decodePracticeBytes(const QByteArray &bytes)
{
    const auto *s = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n >= 2 && s[0] == 0xFF && s[1] == 0xFE)
        return decodeUtf16(s + 2, n - 2, false);
    if (n >= 2 && s[0] == 0xFE && s[1] == 0xFF)
        return decodeUtf16(s + 2, n - 2, true);
    if (isValidUtf8(s, n)) {
        const qsizetype bom = n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF ? 3 : 0;
        // Only the one mark we skipped is dropped; a second one is part of the text.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
        return utf8.decode(QByteArrayView(bytes).sliced(bom));
    }
    return decodeWindows1252(s, n);
}

PracticeFile readPracticeFile(const QString &path)
{
    FileBytes file = readRegularFile(path, kMaxPracticeFileBytes);
    PracticeFile result;
    result.status = file.status;
    if (file.status == PracticeFile::Status::Loaded)
        result.text = decodePracticeBytes(file.bytes);
    return result;
}

} // namespace keyvora
