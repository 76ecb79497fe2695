#pragma once

#include <QFont>

namespace keyvora {

// The window design names Windows fonts; fontconfig maps Times New Roman and Arial to their
// metric twins. Copperplate Gothic is rarely installed, so its look is approximated with small
// capitals of a plain face.
inline QFont designFont(const QString &family, double pointSize)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    // Set explicitly, or a child would inherit its frame's small capitals.
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    return font;
}

inline QFont copperplateFont(double pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Copperplate Gothic Light"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Sans Serif")});
    font.setPointSizeF(pointSize);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

} // namespace keyvora
