// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/keymodel.h"

#include <algorithm>

namespace keyvora {

namespace {

constexpr auto Little = ColourGroup::Little;
constexpr auto Ring = ColourGroup::Ring;
constexpr auto Middle = ColourGroup::Middle;
constexpr auto Index = ColourGroup::Index;
constexpr auto NoGroup = ColourGroup::None;
constexpr auto ByCaption = Light::ByCaption;
constexpr auto ByOwnCode = Light::ByOwnCode;
constexpr auto Never = Light::Never;
constexpr auto Char = FontClass::Character;
constexpr auto Named = FontClass::Named;
constexpr auto Wide = FontClass::Wide;
constexpr std::optional<int> None;

// clang-format off
constexpr KeySpec kKeys[] = {
    // control      index  caption  shifted  slot  group   light      font   row  main         tutorial
    {"lblKey",      96,    "`",     "~",     None, NoGroup, ByCaption, Char,  1, {1680},      {120}},
    {"lblKey",      49,    "1",     "!",     3,    Little,  ByCaption, Char,  1, {2280},      {600}},
    {"lblKey",      50,    "2",     "@",     2,    Ring,    ByCaption, Char,  1, {2880},      {1080}},
    {"lblKey",      51,    "3",     "#",     1,    Middle,  ByCaption, Char,  1, {3480},      {1560}},
    {"lblKey",      52,    "4",     "$",     0,    Index,   ByCaption, Char,  1, {4080},      {2040}},
    {"lblKey",      53,    "5",     "%",     0,    Index,   ByCaption, Char,  1, {4680},      {2520}},
    {"lblKey",      54,    "6",     "^",     5,    Index,   ByCaption, Char,  1, {5280},      {3000}},
    {"lblKey",      55,    "7",     "&",     5,    Index,   ByCaption, Char,  1, {5880},      {3480}},
    {"lblKey",      56,    "8",     "*",     6,    Middle,  ByCaption, Char,  1, {6480},      {3960}},
    {"lblKey",      57,    "9",     "(",     7,    Ring,    ByCaption, Char,  1, {7080},      {4440}},
    {"lblKey",      48,    "0",     ")",     8,    Little,  ByCaption, Char,  1, {7680},      {4920}},
    {"lblKey",      45,    "-",     "_",     8,    Little,  ByCaption, Char,  1, {8280},      {5400}},
    {"lblKey",      61,    "=",     "+",     8,    Little,  ByCaption, Char,  1, {8880},      {5880}},
    {"lblKey",      8,     "BS",    "",      None, NoGroup, ByOwnCode, Named, 1, {9480, 780}, {6360, 885}},

    {"lblKey",      9,     "TAB",   "",      None, NoGroup, Never,     Named, 2, {1680, 795}, {120, 645}},
    {"lblKey",      81,    "Q",     "",      3,    Little,  ByCaption, Char,  2, {2520},      {840}},
    {"lblKey",      87,    "W",     "",      2,    Ring,    ByCaption, Char,  2, {3120},      {1320}},
    {"lblKey",      69,    "E",     "",      1,    Middle,  ByCaption, Char,  2, {3720},      {1800}},
    {"lblKey",      82,    "R",     "",      0,    Index,   ByCaption, Char,  2, {4320},      {2280}},
    {"lblKey",      84,    "T",     "",      0,    Index,   ByCaption, Char,  2, {4920},      {2760}},
    {"lblKey",      89,    "Y",     "",      5,    Index,   ByCaption, Char,  2, {5520},      {3240}},
    {"lblKey",      85,    "U",     "",      5,    Index,   ByCaption, Char,  2, {6120},      {3720}},
    {"lblKey",      73,    "I",     "",      6,    Middle,  ByCaption, Char,  2, {6720},      {4200}},
    {"lblKey",      79,    "O",     "",      7,    Ring,    ByCaption, Char,  2, {7320},      {4680}},
    {"lblKey",      80,    "P",     "",      8,    Little,  ByCaption, Char,  2, {7920},      {5160}},
    {"lblKey",      91,    "[",     "{",     8,    Little,  ByCaption, Char,  2, {8520},      {5640}},
    {"lblKey",      93,    "]",     "}",     8,    Little,  ByCaption, Char,  2, {9120},      {6120}},
    {"lblKey",      92,    "\\",    "|",     8,    Little,  ByCaption, Char,  2, {9720},      {6600, 645}},

    {"lblCapsLock", None,  "CAPS",  "",      None, NoGroup, Never,     Named, 3, {1680, 1005}, {120, 885}},
    {"lblKey",      65,    "A",     "",      3,    Little,  ByCaption, Char,  3, {2760},      {1080}},
    {"lblKey",      83,    "S",     "",      2,    Ring,    ByCaption, Char,  3, {3360},      {1560}},
    {"lblKey",      68,    "D",     "",      1,    Middle,  ByCaption, Char,  3, {3960},      {2040}},
    {"lblKey",      70,    "F",     "",      0,    Index,   ByCaption, Char,  3, {4560},      {2520}},
    {"lblKey",      71,    "G",     "",      0,    Index,   ByCaption, Char,  3, {5160},      {3000}},
    {"lblKey",      72,    "H",     "",      5,    Index,   ByCaption, Char,  3, {5760},      {3480}},
    {"lblKey",      74,    "J",     "",      5,    Index,   ByCaption, Char,  3, {6360},      {3960}},
    {"lblKey",      75,    "K",     "",      6,    Middle,  ByCaption, Char,  3, {6960},      {4440}},
    {"lblKey",      76,    "L",     "",      7,    Ring,    ByCaption, Char,  3, {7560},      {4920}},
    {"lblKey",      59,    ";",     ":",     8,    Little,  ByCaption, Char,  3, {8160},      {5400}},
    {"lblKey",      39,    "'",     "\"",    8,    Little,  ByCaption, Char,  3, {8760},      {5880}},
    {"lblKey",      13,    "ENTER", "",      None, NoGroup, Never,     Named, 3, {9360, 885}, {6360, 885}},

    {"lblLShift",   None,  "SHIFT", "",      None, NoGroup, Never,     Named, 4, {1680, 1245}, {120, 1125}},
    {"lblKey",      90,    "Z",     "",      3,    Little,  ByCaption, Char,  4, {3000},      {1320}},
    {"lblKey",      88,    "X",     "",      2,    Ring,    ByCaption, Char,  4, {3600},      {1800}},
    {"lblKey",      67,    "C",     "",      1,    Middle,  ByCaption, Char,  4, {4200},      {2280}},
    {"lblKey",      86,    "V",     "",      0,    Index,   ByCaption, Char,  4, {4800},      {2760}},
    {"lblKey",      66,    "B",     "",      0,    Index,   ByCaption, Char,  4, {5400},      {3240}},
    {"lblKey",      78,    "N",     "",      5,    Index,   ByCaption, Char,  4, {6000},      {3720}},
    {"lblKey",      77,    "M",     "",      5,    Index,   ByCaption, Char,  4, {6600},      {4200}},
    {"lblKey",      44,    ",",     "<",     6,    Middle,  ByCaption, Char,  4, {7200},      {4680}},
    {"lblKey",      46,    ".",     ">",     7,    Ring,    ByCaption, Char,  4, {7800},      {5160}},
    {"lblKey",      47,    "/",     "?",     8,    Little,  ByCaption, Char,  4, {8400},      {5640}},
    {"lblRShift",   None,  "SHIFT", "",      None, NoGroup, Never,     Named, 4, {9000, 1245}, {6120, 1125}},

    {"lblLCtrl",    None,  "CTRL",  "",      None, NoGroup, Never,     Named, 5, {1680, 885}, {120, 885}},
    {"lblWinKey1",  None,  "",      "",      None, NoGroup, Never,     Wide,  5, {2640},      {1080}},
    {"lblLAlt",     None,  "ALT",   "",      None, NoGroup, Never,     Named, 5, {3240},      {1560, 525}},
    {"lblKey",      32,    "SPACE", "",      4,    NoGroup, ByOwnCode, Wide,  5, {3840, 3555}, {2160, 2595}},
    {"lblRAlt",     None,  "ALT",   "",      None, NoGroup, Never,     Named, 5, {7470},      {4800, 525}},
    {"lblWinKey2",  None,  "",      "",      None, NoGroup, Never,     Wide,  5, {8070},      {5400}},
    {"lblAppKey",   None,  "",      "",      None, NoGroup, Never,     Wide,  5, {8670},      {5880}},
    {"lblRCtrl",    None,  "CTRL",  "",      None, NoGroup, Never,     Named, 5, {9270, 975}, {6360, 885}},
};
// clang-format on

static_assert(std::size(kKeys) == 61);
static_assert(std::count_if(std::begin(kKeys), std::end(kKeys),
                            [](const KeySpec &k) { return k.index.has_value(); }) == 51);

constexpr int kCodes = 128; // every key produces a character below 128

constexpr bool isUpper(char16_t c)
{
    return c >= u'A' && c <= u'Z';
}

// Character code to lblKey index, derived once from the key table.
constexpr std::array<int, kCodes> kKeyForChar = [] {
    std::array<int, kCodes> table{};
    table.fill(-1);
    for (const KeySpec &key : kKeys) {
        if (!key.index)
            continue;
        const int index = *key.index;
        if (key.light == Light::ByOwnCode) {
            table[index] = index;
        } else if (key.light == Light::ByCaption) {
            const char16_t face = char16_t(key.caption[0]);
            table[face] = index;
            if (isUpper(face))
                table[face + (u'a' - u'A')] = index;
            if (!key.shiftedCaption.empty())
                table[char16_t(key.shiftedCaption[0])] = index;
        }
    }
    return table;
}();

constexpr std::array<int, kCodes> kKeyPosition = [] {
    std::array<int, kCodes> table{};
    table.fill(-1);
    for (int i = 0; i < int(std::size(kKeys)); ++i) {
        if (kKeys[i].index)
            table[*kKeys[i].index] = i;
    }
    return table;
}();

constexpr int kMainRowTop[] = {120, 720, 1320, 1920, 2520};
constexpr int kTutorialRowTop[] = {240, 720, 1200, 1680, 2160};

constexpr FingerSpec kFingers[kFingerSlots] = {
    {"Left Index Finger", Index, {960, 800, 135, 135}},
    {"Left Middle Finger", Middle, {650, 720, 135, 135}},
    {"Left Ring Finger", Ring, {360, 840, 135, 135}},
    {"Left Little Finger", Little, {120, 1200, 135, 120}},
    {"", NoGroup, {10350, 1400, 135, 135}},
    {"Right Index Finger", Index, {10850, 800, 135, 120}},
    {"Right Middle Finger", Middle, {11160, 720, 135, 135}},
    {"Right Ring Finger", Ring, {11470, 840, 135, 135}},
    {"Right Little Finger", Little, {11670, 1200, 135, 135}},
};

constexpr LegendBox kLegend[] = {
    {"Little Finger", Little, {2280, 2760, 735, 495}},
    {"Ring Finger", Ring, {3000, 2760, 735, 495}},
    {"Middle Finger", Middle, {3720, 2760, 735, 495}},
    {"Index Finger", Index, {4440, 2760, 735, 495}},
};

constexpr FontSpec kArial825{"Arial", 8.25};
constexpr FontSpec kArial975{"Arial", 9.75};
constexpr FontSpec kSansSerif825{"MS Sans Serif", 8.25};

constexpr DiagramDesign kMainDesign{.size = DiagramSize::Main,
                                    .colouring = Colouring::Main,
                                    .frame = {0, 4920, 12000, 3135},
                                    .frameFont = kArial825,
                                    .namedKeyFont = kArial975,
                                    .handsAndMarkers = true,
                                    .legend = false};
constexpr DiagramDesign kIntroDesign{.size = DiagramSize::Tutorial,
                                     .colouring = Colouring::HomeRow,
                                     .frame = {120, 4560, 7455, 2775},
                                     .frameFont = kSansSerif825,
                                     .namedKeyFont = kArial975,
                                     .handsAndMarkers = false,
                                     .legend = false};
constexpr DiagramDesign kLeftRightDesign{.size = DiagramSize::Tutorial,
                                         .colouring = Colouring::FingerColours,
                                         .frame = {120, 2640, 7455, 3375},
                                         .frameFont = kSansSerif825,
                                         .namedKeyFont = kSansSerif825,
                                         .handsAndMarkers = false,
                                         .legend = true};
constexpr DiagramDesign kShiftDesign{.size = DiagramSize::Tutorial,
                                     .colouring = Colouring::ShiftHands,
                                     .frame = {120, 2280, 7455, 2775},
                                     .frameFont = kSansSerif825,
                                     .namedKeyFont = kSansSerif825,
                                     .handsAndMarkers = false,
                                     .legend = false};

// Where the fingers rest.
constexpr int kHomeRow[] = {65, 83, 68, 70, 74, 75, 76, 59};

// The Shift lesson pairs each symbol with the Shift key of the other hand.
struct ShiftPair {
    std::string_view control;
    std::optional<int> index;
    Rgb fill;
};
constexpr ShiftPair kShiftFills[] = {
    {"lblKey", 49, colours::kShiftLeftHand},  {"lblKey", 50, colours::kShiftLeftHand},
    {"lblKey", 51, colours::kShiftLeftHand},  {"lblKey", 52, colours::kShiftLeftHand},
    {"lblKey", 53, colours::kShiftLeftHand},  {"lblRShift", None, colours::kShiftLeftHand},
    {"lblKey", 54, colours::kShiftRightHand}, {"lblKey", 55, colours::kShiftRightHand},
    {"lblKey", 56, colours::kShiftRightHand}, {"lblKey", 57, colours::kShiftRightHand},
    {"lblKey", 48, colours::kShiftRightHand}, {"lblKey", 45, colours::kShiftRightHand},
    {"lblKey", 61, colours::kShiftRightHand}, {"lblKey", 91, colours::kShiftRightHand},
    {"lblKey", 93, colours::kShiftRightHand}, {"lblKey", 92, colours::kShiftRightHand},
    {"lblKey", 59, colours::kShiftRightHand}, {"lblKey", 39, colours::kShiftRightHand},
    {"lblKey", 44, colours::kShiftRightHand}, {"lblKey", 46, colours::kShiftRightHand},
    {"lblKey", 47, colours::kShiftRightHand}, {"lblLShift", None, colours::kShiftRightHand},
};

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

std::span<const KeySpec> keys()
{
    return kKeys;
}

const KeySpec *keyAt(int index)
{
    if (index < 0 || index >= kCodes || kKeyPosition[index] < 0)
        return nullptr;
    return &kKeys[kKeyPosition[index]];
}

QString keyObjectName(const KeySpec &key)
{
    if (!key.index)
        return latin1(key.control);
    return QStringLiteral("%1(%2)").arg(latin1(key.control)).arg(*key.index);
}

QString keyCaption(const KeySpec &key, bool shifted)
{
    return latin1(shifted && !key.shiftedCaption.empty() ? key.shiftedCaption : key.caption);
}

TwipRect keyRect(const KeySpec &key, DiagramSize size)
{
    const bool main = size == DiagramSize::Main;
    const KeyPlace place = main ? key.main : key.tutorial;
    const int top = (main ? kMainRowTop : kTutorialRowTop)[key.row - 1];
    const int height = keyHeight(size);
    const int standardWidth = height; // character keys are square
    return {place.left, top, place.width != 0 ? place.width : standardWidth, height};
}

std::optional<int> keyIndexForChar(char16_t code)
{
    if (code >= kCodes || kKeyForChar[code] < 0)
        return std::nullopt;
    return kKeyForChar[code];
}

std::optional<int> fingerSlotForChar(char16_t code)
{
    const auto index = keyIndexForChar(code);
    return index ? keyAt(*index)->slot : std::nullopt;
}

std::optional<int> fingerSlotForChar(const QString &text)
{
    if (text.size() != 1)
        return std::nullopt;
    return fingerSlotForChar(text.at(0).unicode());
}

const FingerSpec &finger(int slot)
{
    return kFingers[slot];
}

QString fingerName(int slot)
{
    if (slot < 0 || slot >= kFingerSlots)
        return {};
    return latin1(kFingers[slot].name);
}

std::optional<Rgb> fingerColour(ColourGroup group)
{
    switch (group) {
    case ColourGroup::Little:
        return Rgb{255, 192, 192};
    case ColourGroup::Ring:
        return Rgb{0, 255, 255};
    case ColourGroup::Middle:
        return Rgb{255, 255, 128};
    case ColourGroup::Index:
        return Rgb{192, 255, 192};
    case ColourGroup::None:
        break;
    }
    return std::nullopt;
}

std::span<const LegendBox> fingerLegend()
{
    return kLegend;
}

KeyFace keyFace(const KeySpec &key, Colouring colouring)
{
    KeyFace face{keyCaption(key, false), std::nullopt, false};
    switch (colouring) {
    case Colouring::Main:
        if (key.index)
            face.fill = key.index == 13 ? colours::kEnterFill : colours::kLit;
        break;
    case Colouring::HomeRow:
        if (key.index && std::ranges::find(kHomeRow, *key.index) != std::end(kHomeRow)) {
            face.fill = colours::kLit;
            face.opaque = true;
        }
        break;
    case Colouring::FingerColours:
        face.fill = fingerColour(key.group);
        face.opaque = face.fill.has_value();
        break;
    case Colouring::ShiftHands:
        // The grave accent's tilde is not taught in this lesson.
        if (key.index != 96)
            face.caption = keyCaption(key, true);
        for (const ShiftPair &pair : kShiftFills) {
            if (pair.control == key.control && pair.index == key.index) {
                face.fill = pair.fill;
                face.opaque = true;
            }
        }
        break;
    }
    return face;
}

const DiagramDesign &diagramDesign(DiagramWindow window)
{
    switch (window) {
    case DiagramWindow::Intro:
        return kIntroDesign;
    case DiagramWindow::LeftRight:
        return kLeftRightDesign;
    case DiagramWindow::Shift:
        return kShiftDesign;
    case DiagramWindow::Main:
        break;
    }
    return kMainDesign;
}

FontSpec keyFont(const DiagramDesign &design, FontClass font)
{
    if (design.size == DiagramSize::Main) {
        switch (font) {
        case FontClass::Character:
            return {"Arial", 15.75};
        case FontClass::Named:
            return kArial975;
        case FontClass::Wide:
            return {"Arial", 12};
        }
    }
    return font == FontClass::Named ? design.namedKeyFont : FontSpec{"Arial", 14.25};
}

int keyHeight(DiagramSize size)
{
    return size == DiagramSize::Main ? 525 : 405;
}

} // namespace keyvora
