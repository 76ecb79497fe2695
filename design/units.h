// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include <string_view>

// The units every window is laid out in: geometry in twips, colours as RGB, fonts by
// family and points. QtCore only, so the key model can be written in them too.
namespace keyvora {

// Design geometry is in twips; 15 of them make one logical pixel.
constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int twips(int value)
{
    const int half = kTwipsPerPixel / 2;
    return value >= 0 ? (value + half) / kTwipsPerPixel : -((half - value) / kTwipsPerPixel);
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline QRect twipsRect(const TwipRect &rect)
{
    return {twips(rect.left), twips(rect.top), twips(rect.width), twips(rect.height)};
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return twipsRect(TwipRect{left, top, width, height});
}

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct FontSpec {
    std::string_view family;
    double points = 0;
};

// Fonts are sized in pixels of the 96-dpi design (a point is 20 twips), so a caption keeps
// its size relative to its key whatever the screen's own dots per inch.
constexpr int fontPixelSize(FontSpec font)
{
    return twips(int(font.points * 20 + 0.5));
}

} // namespace keyvora
