// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/normalisation.h"

#include "engine/statistics.h"

#include <algorithm>

namespace keyvora {

namespace {

// A string of the given length for a rewrite to fill in.
QString storageFor(qsizetype length, QString &&spare)
{
    if (spare.isDetached() && spare.capacity() >= length) {
        QString reused = std::move(spare);
        reused.resize(length);
        return reused;
    }
    return QString(length, Qt::Uninitialized);
}

} // namespace

QString joinLineBreaks(const QString &text, QString &&spare)
{
    qsizetype lf = text.indexOf(u'\n');
    if (lf < 0)
        return text;
    const QChar *in = text.constData();
    const qsizetype length = text.size();
    QString joined = storageFor(length, std::move(spare));
    QChar *const begin = joined.data();
    QChar *out = begin;
    qsizetype from = 0; // the first character not yet copied
    // Every line break ends in a line feed; a CR just before it belongs to the same break, so
    // CR CR LF keeps its first CR. A CR on its own is no line break and stays.
    while (lf >= 0) {
        const qsizetype breakStart = lf > from && in[lf - 1] == u'\r' ? lf - 1 : lf;
        out = std::copy(in + from, in + breakStart, out);
        *out++ = u' ';
        from = lf + 1;
        lf = text.indexOf(u'\n', from);
    }
    out = std::copy(in + from, in + length, out);
    joined.truncate(out - begin);
    return joined;
}

QString tabsToSpaces(const QString &text, QString &&spare)
{
    if (!text.contains(u'\t'))
        return text;
    const qsizetype length = text.size();
    QString spaced = storageFor(length, std::move(spare));
    const auto *in = reinterpret_cast<const char16_t *>(text.constData());
    auto *out = reinterpret_cast<char16_t *>(spaced.data());
    for (qsizetype i = 0; i < length; ++i)
        out[i] = in[i] == u'\t' ? u' ' : in[i];
    return spaced;
}

QString trimTrailingSpaces(const QString &text, QString &&spare)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    if (end == text.size())
        return text;
    QString trimmed = storageFor(end, std::move(spare));
    std::copy(text.cbegin(), text.cbegin() + end, trimmed.begin());
    return trimmed;
}

QString appendEndMarker(const QString &text, QString &&spare)
{
    QString marked = storageFor(text.size() + 1, std::move(spare));
    *std::copy(text.cbegin(), text.cend(), marked.begin()) = kEndMarker;
    return marked;
}

QString normalisePracticeText(const QString &text)
{
    return appendEndMarker(trimTrailingSpaces(tabsToSpaces(joinLineBreaks(text))));
}

} // namespace keyvora
