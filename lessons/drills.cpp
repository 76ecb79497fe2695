// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessons/drills.h"

#include "keyboard/keymodel.h"

#include <array>

namespace keyvora {

namespace {

struct FingerDrill {
    int slot; // of the finger the drill trains, which names its row
    const char16_t *text;
};

// The right little finger's drill holds two backslashes in its fourth group and single ones
// after it.
constexpr std::array<FingerDrill, kFingerDrills> kFingerDrillRows{{
    {3, u"aqz1 1zaq aaqq zz11 11zz aaqq 1qaz zaq1"},
    {2, u"swx2 2xws ssww xx22 22xx wwss 2wsx xsw2"},
    {1, u"dec3 3ced ddee cc33 33cc eedd 3edc cde3"},
    {0, u"4rfv vfr4 5tgb bgt5 ffrr vv44 ggtt bb55 4gtv brf5"},
    {5, u"6yhn nhy6 7ujm mju7 hhyy nn66 jjuu mm77 6jun myh7"},
    {6, u"ki,8 8,ik kkii ,,88 88,, iikk 8ik, ,ki8"},
    {7, u"lo.09 9.lo lloo ..99 99.. lloo 9ol. .lo9"},
    {8, u";p0/ /p;0 -=[] \\\\'' ['\\- =/]0 pp;; 00// ][-= \\''\\"},
}};

} // namespace

QString homeRowDrill()
{
    return QStringLiteral("asdf jkl; aass ddff jjkk ll;; ;lkj fdsa");
}

QString shiftDrill()
{
    return QStringLiteral("/* Aturcara C */ #include <stdio.h> ali@keyvora.my $USD5; '-', 5%Int & "
                          "[{(x+y)}] =\\|?\"");
}

QString fingerDrillCaption(int row)
{
    return fingerName(kFingerDrillRows.at(std::size_t(row)).slot);
}

QString fingerDrill(int row)
{
    return QString::fromUtf16(kFingerDrillRows.at(std::size_t(row)).text);
}

} // namespace keyvora
