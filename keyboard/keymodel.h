// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "design/units.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The one model of keys and fingers that every keyboard diagram, the guidance and the
// tutorials read. Everything here is data, in twips and RGB, so it needs nothing but QtCore.
namespace keyvora {

enum class DiagramSize { Main, Tutorial };
enum class ColourGroup { None, Little, Ring, Middle, Index };
enum class FontClass { Character, Named, Wide };

// Which key presses light a key box.
enum class Light {
    ByCaption, // the characters on its face; a letter key in either case
    ByOwnCode, // the code of its index: backspace and space
    Never,
};

struct KeyPlace {
    int left = 0;
    int width = 0; // 0: the standard width of the diagram size
};

struct KeySpec {
    std::string_view control;        // "lblKey" for members of the array
    std::optional<int> index;        // index in lblKey; none for the ten static keys
    std::string_view caption;        // without Shift
    std::string_view shiftedCaption; // empty where the key has one caption
    std::optional<int> slot;         // finger slot that strikes the key
    ColourGroup group;
    Light light;
    FontClass font;
    int row; // 1 to 5, top to bottom
    KeyPlace main;
    KeyPlace tutorial;
};

// The 61 keys, row by row from the top, left to right.
std::span<const KeySpec> keys();
// The lblKey member at an index, or null where the array has none.
const KeySpec *keyAt(int index);
// "lblKey(65)" for array members, the control's own name for the static keys.
QString keyObjectName(const KeySpec &key);
QString keyCaption(const KeySpec &key, bool shifted);
TwipRect keyRect(const KeySpec &key, DiagramSize size);

std::optional<int> keyIndexForChar(char16_t code);
std::optional<int> fingerSlotForChar(char16_t code);
// Exactly one character has a slot; an empty next character (past the end) has none.
std::optional<int> fingerSlotForChar(const QString &text);

// The two-caption keys, in the order their captions are always set.
constexpr std::array<int, 21> kShiftedCaptionOrder = {48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 96,
                                                      45, 61, 91, 93, 92, 59, 39, 44, 46, 47};

// Finger slots: 0 to 3 the left index to little finger, 4 the thumb on the space bar,
// 5 to 8 the right index to little finger.
constexpr int kFingerSlots = 9;

struct FingerSpec {
    std::string_view name; // as the tutorials name it; empty for the thumb
    ColourGroup group;
    TwipRect marker; // lblFinger member, over the hand pictures
};

const FingerSpec &finger(int slot); // slot must be 0 to 8
QString fingerName(int slot);       // empty outside 0 to 8 and for the thumb

namespace colours {
constexpr Rgb kLit{0, 255, 0};
constexpr Rgb kEnterFill{224, 224, 224};
constexpr Rgb kFingerMarker{255, 192, 128};
constexpr Rgb kShiftLeftHand{255, 192, 255};  // left hand's symbols and the right Shift
constexpr Rgb kShiftRightHand{255, 255, 192}; // right hand's symbols and the left Shift
} // namespace colours

std::optional<Rgb> fingerColour(ColourGroup group);

constexpr TwipRect kLeftHandRect{120, 720, 1500, 1500};
constexpr TwipRect kRightHandRect{10320, 720, 1500, 1500};

struct LegendBox {
    std::string_view caption;
    ColourGroup group;
    TwipRect rect;
};

// The colour legend under the finger-coloured diagram; it stays English in both languages.
std::span<const LegendBox> fingerLegend();

enum class Colouring {
    Main,          // all outlined; lit keys fill green
    HomeRow,       // the eight home keys green
    FingerColours, // every key with a colour group in its finger's colour
    ShiftHands,    // shifted captions, symbols paired with the other hand's Shift
};

// What a key box shows when its window opens. No fill colour means the button face.
struct KeyFace {
    QString caption;
    std::optional<Rgb> fill;
    bool opaque = false;
};

KeyFace keyFace(const KeySpec &key, Colouring colouring);

// The windows that carry a diagram; both main windows share one design.
enum class DiagramWindow { Main, Intro, LeftRight, Shift };

struct DiagramDesign {
    DiagramSize size;
    Colouring colouring;
    TwipRect frame; // fraKeyboard within its window
    FontSpec frameFont;
    FontSpec namedKeyFont; // "BS", "TAB", "SHIFT" ... in the tutorial size
    bool handsAndMarkers;
    bool legend;
};

const DiagramDesign &diagramDesign(DiagramWindow window);
FontSpec keyFont(const DiagramDesign &design, FontClass font);
int keyHeight(DiagramSize size);

} // namespace keyvora
