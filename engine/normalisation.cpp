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
    const qsizetype first = text.indexOf(QStringLiteral("\r\n"));
    if (first < 0)
        return text;
    const QChar *in = text.constData();
    const qsizetype length = text.size();
    QString joined = storageFor(length, std::move(spare));
    QChar *const begin = joined.data();
    QChar *out = std::copy(in, in + first, begin);
    // Left to right, so that CR CR LF keeps its first CR.
    for (qsizetype i = first; i < length;) {
        if (in[i] == u'\r' && i + 1 < length && in[i + 1] == u'\n') {
            *out++ = u' ';
            i += 2;
        } else {
            *out++ = in[i++];
        }
    }
    joined.truncate(out - begin);
    return joined;
}

QString tabsToSpaces(const QString &text, QString &&spare)
{
    if (!text.contains(u'\t'))
        return text;
    QString spaced = storageFor(text.size(), std::move(spare));
    std::replace_copy(text.cbegin(), text.cend(), spaced.begin(), QChar(u'\t'), QChar(u' '));
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
