// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTextBoundaryFinder>

namespace keyvora {

// A stretch [start, end) of a text, in UTF-16 units.
struct TextSpan {
    qsizetype start = 0;
    qsizetype end = 0;
    bool isEmpty() const { return end <= start; }
};

// Text units around an offset. Each helper looks at a window of the text only, so a whole book in
// one string costs what a sentence does; a unit longer than its window is cut at the window.

inline bool isHardBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The grapheme, word or sentence that holds offset (the empty span at the end of the text).
TextSpan unitAt(const QString &text, qsizetype offset, QTextBoundaryFinder::BoundaryType type);
// The paragraph that holds offset, line break excluded. Scans as far as the paragraph goes.
TextSpan paragraphAt(const QString &text, qsizetype offset);

qsizetype nextGrapheme(const QString &text, qsizetype offset);
qsizetype previousGrapheme(const QString &text, qsizetype offset);
// Where Ctrl+Right and Ctrl+Left go: the start of the next word, the start of this or the
// previous word.
qsizetype nextWordStart(const QString &text, qsizetype offset);
qsizetype previousWordStart(const QString &text, qsizetype offset);

// Never starts a stretch between the two halves of a surrogate pair.
qsizetype snapToCodePoint(const QString &text, qsizetype offset);

} // namespace keyvora
