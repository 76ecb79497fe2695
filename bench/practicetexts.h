// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace keyvora::bench {

// A practice file as a book comes: UTF-8 prose in paragraphs, lines ended by a line feed as
// Linux saves them, a tab opening each paragraph and spaces at the very end, so that every
// step of the loader's normalisation has work to do. The same size gives the same bytes on
// every run.
QByteArray bookText(qsizetype bytes);

} // namespace keyvora::bench
