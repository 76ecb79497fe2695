#include "lessons/drills.h"

#include <array>

namespace keyvora {

namespace {

struct FingerDrill {
    const char16_t *caption;
    const char16_t *text;
};

// The right little finger's drill holds two backslashes in its fourth group and single ones
// after it.
constexpr std::array<FingerDrill, kFingerDrills> kFingerDrillRows{{
    {u"Left Little Finger", u"aqz1 1zaq aaqq zz11 11zz aaqq 1qaz zaq1"},
    {u"Left Ring Finger", u"swx2 2xws ssww xx22 22xx wwss 2wsx xsw2"},
    {u"Left Middle Finger", u"dec3 3ced ddee cc33 33cc eedd 3edc cde3"},
    {u"Left Index Finger", u"4rfv vfr4 5tgb bgt5 ffrr vv44 ggtt bb55 4gtv brf5"},
    {u"Right Index Finger", u"6yhn nhy6 7ujm mju7 hhyy nn66 jjuu mm77 6jun myh7"},
    {u"Right Middle Finger", u"ki,8 8,ik kkii ,,88 88,, iikk 8ik, ,ki8"},
    {u"Right Ring Finger", u"lo.09 9.lo lloo ..99 99.. lloo 9ol. .lo9"},
    {u"Right Little Finger", u";p0/ /p;0 -=[] \\\\'' ['\\- =/]0 pp;; 00// ][-= \\''\\"},
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
    return QString::fromUtf16(kFingerDrillRows.at(std::size_t(row)).caption);
}

QString fingerDrill(int row)
{
    return QString::fromUtf16(kFingerDrillRows.at(std::size_t(row)).text);
}

} // namespace keyvora
