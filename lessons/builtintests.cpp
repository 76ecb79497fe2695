// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/builtintests.h"

namespace keyvora {

QString generalKeyText()
{
    return QStringLiteral("A quick brown fox jumps over the lazy dog. 1234567890 -=[] \\;' /., "
                          "?><: !|}{ +_)( *&^% $#@\"");
}

QString shortWordsText()
{
    return QStringLiteral(
        "ad we re ox ax ka ch qi zo bat rag fed phi hum nod yam read dzoa jynx zinc writ");
}

QString articleText()
{
    return QStringLiteral(
        "In formal literature the achievements of the Ming period were modest, but fiction in the "
        "vernacular flourished as never before. Printers in the busy cities sold cheap editions to "
        "merchants, clerks and idle scholars, and storytellers had shaped many of the tales long "
        "before editors fixed them in writing. Later critics, looking back, treated these books as "
        "classics of the whole nation. The four best known are San kuo chih yen i (Romance of the "
        "Three Kingdoms), Shui hu chuan (Water Margin) (Outlaws of the Marsh), Hsi yu chi (Journey "
        "to the West) and Chin P\u2019ing Mei (The Plum in the Golden Vase).");
}

} // namespace keyvora
