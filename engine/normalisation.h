#pragma once

#include <QString>

namespace keyvora {

// The four rewrites a loaded practice text goes through, in this order. Each is its own
// function because the loader writes the box between them.
QString joinLineBreaks(const QString &text); // CR LF -> one space
QString tabsToSpaces(const QString &text);   // TAB -> one space
QString trimTrailingSpaces(const QString &text);
QString appendEndMarker(const QString &text); // one CR

QString normalisePracticeText(const QString &text);

} // namespace keyvora
