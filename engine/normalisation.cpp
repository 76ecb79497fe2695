#include "engine/normalisation.h"

#include "engine/statistics.h"

namespace keyvora {

QString joinLineBreaks(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

QString tabsToSpaces(const QString &text)
{
    return QString(text).replace(u'\t', u' ');
}

QString trimTrailingSpaces(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QString appendEndMarker(const QString &text)
{
    return text + kEndMarker;
}

QString normalisePracticeText(const QString &text)
{
    return appendEndMarker(trimTrailingSpaces(tabsToSpaces(joinLineBreaks(text))));
}

} // namespace keyvora
