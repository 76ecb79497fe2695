// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practicetexts.h"

#include <QString>

#include <array>
#include <random>

namespace keyvora::bench {

namespace {

constexpr std::array kWords = {
    "the",   "and",    "of",     "to",     "a",       "in",     "that",  "was",   "he",
    "it",    "with",   "for",    "on",     "as",      "his",    "at",    "by",    "had",
    "from",  "they",   "but",    "not",    "her",     "she",    "which", "were",  "all",
    "been",  "would",  "there",  "their",  "more",    "when",   "into",  "some",  "could",
    "time",  "house",  "garden", "window", "morning", "letter", "river", "quiet", "through",
    "under", "toward", "never",  "always", "evening", "road",   "door",  "hands", "voice",
    "don’t", "it’s",   "café",   "naïve",  "o’clock", "fiancé", "rôle",  "won’t", "I’m",
};
constexpr int kLineWidth = 72;

} // namespace

QByteArray bookText(qsizetype bytes)
{
    std::mt19937 random(20261206);
    const auto pick = [&random](int below) { return int(random() % unsigned(below)); };
    QByteArray text;
    text.reserve(bytes + 256);
    QByteArray line = "\t";
    bool sentenceStart = true;
    int linesLeft = 3 + pick(8);
    while (text.size() < bytes) {
        QByteArray word(kWords[pick(int(kWords.size()))]);
        if (sentenceStart)
            word[0] = QChar::toUpper(char32_t(word[0]));
        sentenceStart = false;
        const int punctuation = pick(16);
        if (punctuation == 0)
            word += ',';
        else if (punctuation == 1) {
            word += '.';
            sentenceStart = true;
        }
        if (line.size() + 1 + word.size() > kLineWidth) {
            text += line + "\n";
            line.clear();
            if (--linesLeft == 0) {
                text += "\n";
                line = "\t";
                linesLeft = 3 + pick(8);
            }
        }
        if (!line.isEmpty() && line != "\t")
            line += ' ';
        line += word;
    }
    // Exactly the size asked for, cut between characters, ending in spaces.
    constexpr int trailing = 3;
    qsizetype cut = qMax<qsizetype>(0, bytes - trailing);
    while (cut > 0 && (uchar(text.at(cut)) & 0xC0) == 0x80)
        --cut;
    text.truncate(cut);
    text += QByteArray(bytes - cut, ' ');
    return text;
}

} // namespace keyvora::bench
