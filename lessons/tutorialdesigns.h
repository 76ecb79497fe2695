// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/keymodel.h"

#include <QString>

#include <span>

namespace keyvora {

enum class TutorialKind { Intro, LeftRight, Shift };

// An English paragraph and its Malay twin, in one place of the window; one of them shows.
struct TutorialParagraph {
    const char *englishName;
    TwipRect englishRect;
    const char16_t *english;
    const char *malayName;
    TwipRect malayRect;
    const char16_t *malay;
};

// A tutorial window as designed: everything that differs between the three is here, so that
// one dialog class serves them all. Captions are as shown: a label's "&" is an ampersand.
struct TutorialDesign {
    const char *name;
    int width; // client area, twips
    int height;
    const char16_t *openingTitle; // the title bar when the window opens
    TwipRect titleRect;
    const char16_t *openingLabel; // lblTitle when the window opens
    // Both titles once the language button has been pressed; they differ from the opening ones
    // on purpose.
    const char16_t *englishTitle;
    const char16_t *malayTitle;
    std::span<const TutorialParagraph> paragraphs;
    TwipRect languageButton;
    DiagramWindow diagram;
    QString (*drill)(); // null where a list of drills offers them
    TwipRect drillList;
    TwipRect startButton; // cmdNext, or cmdOK beside the list
    TwipRect cancelButton;
};

const TutorialDesign &tutorialDesign(TutorialKind kind);

// The texts all three tutorials share, English and Malay side by side, each as the window shows
// it in that language.
struct TutorialText {
    const char16_t *english;
    const char16_t *malay;
};
// The language button names the language it switches to.
inline constexpr TutorialText kLanguageButtonText{u"Bahasa Melayu", u"English"};
inline constexpr TutorialText kDrillListName{u"Drills", u"Latihan"};

} // namespace keyvora
