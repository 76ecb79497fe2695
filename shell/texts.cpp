// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/texts.h"

#include <array>

namespace keyvora {

namespace {

struct Row {
    Text id;
    const char16_t *english;
    const char16_t *malay; // null for a window shown in English in both
};

// English and Malay side by side, row for row. Blanks at either end are part of the texts.
constexpr std::array kRows{
    Row{Text::WindowCaption, u"Keyvora", u"Keyvora"},
    Row{Text::FraTypingStats, u"Typing Statistics", u"Statistik Menaip"},
    Row{Text::LblSpeed, u"Speed:", u"Kelajuan:"},
    Row{Text::LblAccuracy, u"Accuracy:", u"Kejituan:"},
    Row{Text::LblNumOfWords, u"Word count:", u"Jumlah kata:"},
    Row{Text::LblDuration, u"Duration:", u"Masa:"},
    Row{Text::LblInput, u"Start typing here", u"Mula taip di sini"},

    Row{Text::SpeedPrefix, u"Speed: ", u"Kelajuan: "},
    Row{Text::AccuracyPrefix, u"Accuracy: ", u"Kejituan: "},
    Row{Text::WordCountPrefix, u"Word count: ", u"Jumlah kata: "},
    Row{Text::DurationPrefix, u"Duration: ", u"Masa: "},
    Row{Text::SpeedUnit, u" WPM", u" WPM"},
    Row{Text::MinutesSeparator, u" m: ", u" m: "},
    Row{Text::SecondsUnit, u" s", u" s"},
    Row{Text::AccuracyUnit, u" %", u" %"},
    Row{Text::PassedFirst, u"You've finished your test! Your typing speed is [",
        u"Latihan tamat! Kelajuan menaip anda ialah ["},
    Row{Text::PassedSecond, u" words per minute] and your accuracy is [",
        u" words per minute] dan kejituan menaip anda ialah ["},
    Row{Text::PassedLast, u" %].", u" %]."},
    Row{Text::PassedTitle, u"PASSED!", u"PASSED!"},
    Row{Text::LowAccuracy, u"Please try to improve on your accuracy!",
        u"Kejituan menaip anda tidak memuaskan! Cuba lagi."},
    Row{Text::FileTooLarge, u"The file \"%1\" is larger than %2 MiB and cannot be practised.",
        u"Fail \"%1\" melebihi %2 MiB dan tidak boleh digunakan untuk latihan."},

    Row{Text::MnuFile, u"&File", u"&Fail"},
    Row{Text::MnuFileOpen, u"&Open", u"&Buka"},
    Row{Text::MnuFileReset, u"&Reset", u"&Reset"},
    Row{Text::MnuFileExit, u"E&xit", u"E&xit"},
    Row{Text::MnuLes, u"&Lessons", u"&Latihan"},
    Row{Text::MnuLesTut, u"Tutorials", u"Tutorial"},
    Row{Text::MnuLesTutIntro, u"Introduction", u"Pengenalan"},
    Row{Text::MnuLesTutLR, u"Left && Right Hand Training", u"Melatih Tangan Kanan && Kiri"},
    Row{Text::MnuLesTutShift, u"Shift, Normal && Special Keys", u"Kekunci Shift && Simbol"},
    Row{Text::MnuLesTest, u"Tests", u"Ujian"},
    Row{Text::MnuLesTestGen, u"General Key Test", u"Ujian Kekunci Am"},
    Row{Text::MnuLesTestShort, u"Short Words Test", u"Ujian Perkataan Pendek"},
    Row{Text::MnuLesTestArt, u"Article Test", u"Ujian Menaip Artikel"},
    Row{Text::MnuSet, u"&Settings", u"&Setting"},
    Row{Text::MnuSetBs, u"Backspacing", u"Undur Kata"},
    Row{Text::MnuSetBsOn, u"On", u"Ya"},
    Row{Text::MnuSetBsOff, u"Off", u"Tidak"},
    Row{Text::MnuSetLang, u"Language", u"Bahasa"},
    Row{Text::MnuSetLangEng, u"English", u"English"},
    Row{Text::MnuSetLangBM, u"Bahasa Melayu", u"Bahasa Melayu"},
    Row{Text::MnuTools, u"&Tools", u"&Alat"},
    Row{Text::MnuToolsAsc, u"&ASCII Converter", u"&Penukar kod ASCII"},
    Row{Text::MnuHelp, u"&Help", u"&Bantu"},
    Row{Text::MnuHelpContents, u"&Contents", u"&Kandungan"},
    Row{Text::MnuHelpAbout, u"&About", u"&Mengenai Program"},

    Row{Text::HelpFile, u"USERMANUAL.hlp", u"USERMANUAL_BM.hlp"},
    Row{Text::HelpCaption, u"Keyvora Help", u"Bantuan Keyvora"},
    Row{Text::HelpBack, u"Back", u"Kembali"},
    Row{Text::HelpForward, u"Forward", u"Maju"},
    Row{Text::HelpContents, u"Contents", u"Kandungan"},
    Row{Text::HelpFind, u"&Find: ", u"&Cari: "},
    Row{Text::HelpTopics, u"Topics", u"Topik"},
    Row{Text::HelpRefused, u"The manual file %1 was not used: %2.",
        u"Fail manual %1 tidak digunakan: %2."},
    Row{Text::HelpNotAFile, u"it is not a file that can be read",
        u"ia bukan fail yang boleh dibaca"},
    Row{Text::HelpTooLarge, u"it is larger than 1 MiB", u"saiznya melebihi 1 MiB"},
    Row{Text::HelpNotText, u"it is not UTF-8 text", u"ia bukan teks UTF-8"},
    Row{Text::HelpMissing, u"no copy of it was found", u"tiada salinannya ditemui"},
    Row{Text::HelpBuiltIn, u"This is the copy built into Keyvora.",
        u"Ini salinan yang terbina dalam Keyvora."},
    Row{Text::HelpPage, u"Page of the manual", u"Halaman manual"},
    Row{Text::DescSource, u"The practice text to type", u"Teks latihan untuk ditaip"},
    Row{Text::DescNextLetter, u"The next character to type", u"Aksara seterusnya untuk ditaip"},
    // The practice library's folder of texts in the window's language.
    Row{Text::LibrarySet, u"English", u"Melayu"},

    Row{Text::SpeechLanguage, u"en", u"ms"},
    Row{Text::SayLoaded, u"Practice text loaded, %1 characters: %2",
        u"Teks latihan dimuatkan, %1 aksara: %2"},
    Row{Text::SayWrong, u"Wrong", u"Salah"},
    Row{Text::SayNext, u"Next: %1", u"Seterusnya: %1"},
    Row{Text::SayCapital, u"capital %1", u"huruf besar %1"},
    Row{Text::SayEnd, u"End of the text.", u"Tamat teks."},
    Row{Text::SayEndFigures, u"End of the text: %1 words per minute, accuracy %2 %.",
        u"Tamat teks: %1 patah perkataan seminit, kejituan %2 %."},
    Row{Text::SayNoText, u"No practice text. Choose one from the Lessons menu or open a file.",
        u"Tiada teks latihan. Pilih satu daripada menu Latihan atau buka fail."},

    // One window for both languages, in English: the Malay column is empty.
    Row{Text::SplashPlatform, u"For Linux desktops", nullptr},
    Row{Text::SplashVersion, u"Presentation Version", nullptr},
    Row{Text::SplashDate, u"December 2026", nullptr},
    Row{Text::SplashCompany, u"Velmora", nullptr},
    Row{Text::SplashLogo, u"Keyboard keys", nullptr},
    Row{Text::SplashLogoDescription, u"A close-up of keyboard keys", nullptr},
    Row{Text::AboutCaption, u"About %1", nullptr},
    Row{Text::AboutVersion, u"Presentation Version %1.%2", nullptr},
    Row{Text::AboutDescription,
        u"This is a simple typing tutor program. It was made for a computer science course of "
        u"Velmora.",
        nullptr},
    Row{Text::AboutWarning,
        u"Warning: this program is protected by its author's copyright. You may share and change "
        u"it freely under the GNU GPL, version 3 or later.",
        nullptr},
    Row{Text::AboutIcon, u"Keyvora icon", nullptr},
    Row{Text::AboutOk, u"OK", nullptr},
    Row{Text::AboutSysInfo, u"&System Info...", nullptr},
    Row{Text::AboutNoSysInfo, u"System Information Is Unavailable At This Time", nullptr},
    Row{Text::ConverterCaption, u"ASCII Converter", nullptr},
    Row{Text::ConverterCharacter, u"Character", nullptr},
    Row{Text::ConverterCode, u"ASCII code", nullptr},
};

struct CharacterName {
    char16_t character;
    const char16_t *english;
    const char16_t *malay;
};

// The English names are the screen reader's own, so a learner hears a character named alike
// whether the reader or the program says it.
constexpr CharacterName kCharacterNames[] = {
    {u' ', u"space", u"ruang"},
    {u'!', u"exclaim", u"tanda seru"},
    {u'"', u"quote", u"tanda petik"},
    {u'#', u"number", u"tanda pagar"},
    {u'$', u"dollar", u"dolar"},
    {u'%', u"percent", u"peratus"},
    {u'&', u"and", u"dan"},
    {u'\'', u"apostrophe", u"apostrofi"},
    {u'(', u"left paren", u"kurungan kiri"},
    {u')', u"right paren", u"kurungan kanan"},
    {u'*', u"star", u"bintang"},
    {u'+', u"plus", u"tambah"},
    {u',', u"comma", u"koma"},
    {u'-', u"dash", u"sengkang"},
    {u'.', u"dot", u"titik"},
    {u'/', u"slash", u"garis miring"},
    {u':', u"colon", u"titik bertindih"},
    {u';', u"semicolon", u"koma bertitik"},
    {u'<', u"less", u"kurang daripada"},
    {u'=', u"equals", u"sama dengan"},
    {u'>', u"greater", u"lebih daripada"},
    {u'?', u"question", u"tanda soal"},
    {u'@', u"at", u"a bulat"},
    {u'[', u"left bracket", u"kurungan siku kiri"},
    {u'\\', u"backslash", u"garis miring terbalik"},
    {u']', u"right bracket", u"kurungan siku kanan"},
    {u'^', u"caret", u"karet"},
    {u'_', u"underline", u"garis bawah"},
    {u'`', u"grave", u"aksen grave"},
    {u'{', u"left brace", u"kurungan kerinting kiri"},
    {u'|', u"vertical bar", u"garis tegak"},
    {u'}', u"right brace", u"kurungan kerinting kanan"},
    {u'~', u"tilde", u"tilde"},
    {u'\u2018', u"left single quote", u"petikan tunggal kiri"},
    {u'\u2019', u"right single quote", u"petikan tunggal kanan"},
    {u'\u201C', u"left double quote", u"petikan berganda kiri"},
    {u'\u201D', u"right double quote", u"petikan berganda kanan"},
};

constexpr bool rowsInEnumOrder()
{
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i)
            return false;
    }
    return kRows.size() == static_cast<std::size_t>(Text::Count);
}
static_assert(rowsInEnumOrder(), "one row per text, in the order of the enum");

} // namespace

QString text(Language language, Text id)
{
    const Row &row = kRows[static_cast<std::size_t>(id)];
    return QString::fromUtf16(language == Language::English || !row.malay ? row.english
                                                                          : row.malay);
}

QString spokenCharacter(Language language, QChar character)
{
    for (const CharacterName &name : kCharacterNames) {
        if (name.character == character.unicode())
            return QString::fromUtf16(language == Language::English ? name.english : name.malay);
    }
    if (character.isUpper())
        return text(language, Text::SayCapital).arg(character);
    return QString(character);
}

} // namespace keyvora
