// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

enum class Language { English, Malay };

// Every caption and message a main window shows. The window reads them all from the table,
// so a language is a column of data, never a branch in the window's code.
enum class Text {
    WindowCaption,
    FraTypingStats,
    LblSpeed,
    LblAccuracy,
    LblNumOfWords,
    LblDuration,
    LblInput,

    SpeedPrefix,
    AccuracyPrefix,
    WordCountPrefix,
    DurationPrefix,
    SpeedUnit,
    MinutesSeparator,
    SecondsUnit,
    AccuracyUnit,
    PassedFirst,
    PassedSecond,
    PassedLast,
    PassedTitle,
    LowAccuracy,
    FileTooLarge,

    MnuFile,
    MnuFileOpen,
    MnuFileReset,
    MnuFileExit,
    MnuLes,
    MnuLesTut,
    MnuLesTutIntro,
    MnuLesTutLR,
    MnuLesTutShift,
    MnuLesTest,
    MnuLesTestGen,
    MnuLesTestShort,
    MnuLesTestArt,
    MnuSet,
    MnuSetBs,
    MnuSetBsOn,
    MnuSetBsOff,
    MnuSetLang,
    MnuSetLangEng,
    MnuSetLangBM,
    MnuTools,
    MnuToolsAsc,
    MnuHelp,
    MnuHelpContents,
    MnuHelpAbout,

    HelpFile,
    HelpCaption,
    HelpBack,
    HelpForward,
    HelpContents,
    HelpFind,
    HelpTopics,
    HelpRefused,
    HelpNotAFile,
    HelpTooLarge,
    HelpNotText,
    HelpMissing,
    HelpBuiltIn,
    HelpPage,
    DescSource,
    DescNextLetter,
    LibrarySet,

    // What a screen reader says as the learner practises, and the speech language it is in.
    SpeechLanguage,
    SayLoaded,
    SayWrong,
    SayNext,
    SayCapital,
    SayEnd,
    SayEndFigures,
    SayNoText,
    // The splash, the About box and the converter: one window for both languages, in English.
    SplashPlatform,
    SplashVersion,
    SplashDate,
    SplashCompany,
    SplashLogo,
    SplashLogoDescription,
    AboutCaption,
    AboutVersion,
    AboutDescription,
    AboutWarning,
    AboutIcon,
    AboutOk,
    AboutSysInfo,
    AboutNoSysInfo,
    ConverterCaption,
    ConverterCharacter,
    ConverterCode,

    Count // not a text: the number of them
};

QString text(Language language, Text id);
// For the windows shown in English whichever main window opened them.
inline QString englishText(Text id)
{
    return text(Language::English, id);
}

// A character as a screen reader should say it: blanks and punctuation by name, a capital
// as such, any other character as itself.
QString spokenCharacter(Language language, QChar character);

} // namespace keyvora
