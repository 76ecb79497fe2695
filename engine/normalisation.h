// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// The four rewrites a loaded practice text goes through, in this order. Each is its own
// function because the loader writes the box between them. A rewrite that changes the text
// writes it into the storage of `spare` when nothing else holds that storage and it is big
// enough, and takes it from there; a rewrite that changes nothing returns the text itself.
QString joinLineBreaks(const QString &text, QString &&spare = {}); // CR LF or LF -> one space
QString tabsToSpaces(const QString &text, QString &&spare = {});   // TAB -> one space
QString trimTrailingSpaces(const QString &text, QString &&spare = {});
QString appendEndMarker(const QString &text, QString &&spare = {}); // one CR

QString normalisePracticeText(const QString &text);

} // namespace keyvora
