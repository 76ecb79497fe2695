// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QHash>
#include <QStringList>

namespace keyvora {

// The window design names Windows fonts. Each is mapped here, and only here, to a free face of
// the same metrics or look that the package depends on, then to a near neighbour, so a missing
// face degrades to one of the same kind instead of to whatever fontconfig picks.
inline QStringList designFamilies(const QString &family)
{
    static const QStringList sans = {QStringLiteral("Liberation Sans"),
                                     QStringLiteral("DejaVu Sans")};
    static const QStringList serif = {QStringLiteral("Liberation Serif"),
                                      QStringLiteral("DejaVu Serif")};
    static const QHash<QString, QStringList> mapped = {
        {QStringLiteral("Arial"), sans},
        {QStringLiteral("MS Sans Serif"), sans},
        {QStringLiteral("Times New Roman"), serif},
        {QStringLiteral("Palatino Linotype"),
         {QStringLiteral("P052"), QStringLiteral("TeX Gyre Pagella"),
          QStringLiteral("DejaVu Serif")}},
        {QStringLiteral("Verdana"),
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        // No free face in Debian has Copperplate Gothic's engraved capitals; small capitals of a
        // plain sans keep its titling look (see copperplateFont).
        {QStringLiteral("Copperplate Gothic Light"), sans},
    };
    return mapped.value(family, QStringList{family} + sans);
}

inline QFont designFont(const QString &family, double pointSize)
{
    QFont font;
    font.setFamilies(designFamilies(family));
    font.setPointSizeF(pointSize);
    // Set explicitly, or a child would inherit its frame's small capitals.
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    return font;
}

inline QFont copperplateFont(double pointSize)
{
    QFont font = designFont(QStringLiteral("Copperplate Gothic Light"), pointSize);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

} // namespace keyvora
