// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/textboundaries.h"

namespace keyvora {

namespace {

qsizetype windowFor(QTextBoundaryFinder::BoundaryType type)
{
    switch (type) {
    case QTextBoundaryFinder::Grapheme:
        return 64;
    case QTextBoundaryFinder::Word:
    case QTextBoundaryFinder::Line:
        return 512;
    case QTextBoundaryFinder::Sentence:
        break;
    }
    return 8192;
}

} // namespace

qsizetype snapToCodePoint(const QString &text, qsizetype offset)
{
    if (offset > 0 && offset < text.size() && text.at(offset).isLowSurrogate() &&
        text.at(offset - 1).isHighSurrogate())
        return offset - 1;
    return offset;
}

TextSpan unitAt(const QString &text, qsizetype offset, QTextBoundaryFinder::BoundaryType type)
{
    const qsizetype length = text.size();
    offset = qBound<qsizetype>(0, offset, length);
    if (offset == length)
        return {length, length};
    const qsizetype window = windowFor(type);
    const qsizetype from = snapToCodePoint(text, qMax<qsizetype>(0, offset - window));
    const qsizetype to = snapToCodePoint(text, qMin(length, offset + window));
    QTextBoundaryFinder finder(type, QStringView(text).mid(from, to - from));
    finder.setPosition(offset - from);
    qsizetype start = finder.isAtBoundary() ? offset - from : finder.toPreviousBoundary();
    finder.setPosition(offset - from);
    qsizetype end = finder.toNextBoundary();
    if (start < 0)
        start = 0;
    if (end < 0)
        end = to - from;
    return {from + start, from + end};
}

TextSpan paragraphAt(const QString &text, qsizetype offset)
{
    const qsizetype length = text.size();
    offset = qBound<qsizetype>(0, offset, length);
    qsizetype start = offset;
    while (start > 0 && !isHardBreak(text.at(start - 1)))
        --start;
    qsizetype end = offset;
    while (end < length && !isHardBreak(text.at(end)))
        ++end;
    return {start, end};
}

qsizetype nextGrapheme(const QString &text, qsizetype offset)
{
    const qsizetype length = text.size();
    if (offset >= length)
        return length;
    offset = qMax<qsizetype>(0, offset);
    const qsizetype to = qMin(length, offset + windowFor(QTextBoundaryFinder::Grapheme));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               QStringView(text).mid(offset, to - offset));
    const qsizetype next = finder.toNextBoundary();
    return next < 0 ? to : offset + next;
}

qsizetype previousGrapheme(const QString &text, qsizetype offset)
{
    offset = qMin(offset, text.size());
    if (offset <= 0)
        return 0;
    const qsizetype from = snapToCodePoint(
        text, qMax<qsizetype>(0, offset - windowFor(QTextBoundaryFinder::Grapheme)));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               QStringView(text).mid(from, offset - from));
    finder.toEnd();
    const qsizetype previous = finder.toPreviousBoundary();
    return previous < 0 ? from : from + previous;
}

qsizetype nextWordStart(const QString &text, qsizetype offset)
{
    const qsizetype length = text.size();
    if (offset >= length)
        return length;
    offset = qMax<qsizetype>(0, offset);
    const qsizetype to =
        snapToCodePoint(text, qMin(length, offset + windowFor(QTextBoundaryFinder::Word)));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word,
                               QStringView(text).mid(offset, to - offset));
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary()) {
        if (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem)
            return offset + p;
    }
    return to;
}

qsizetype previousWordStart(const QString &text, qsizetype offset)
{
    offset = qMin(offset, text.size());
    if (offset <= 0)
        return 0;
    const qsizetype from =
        snapToCodePoint(text, qMax<qsizetype>(0, offset - windowFor(QTextBoundaryFinder::Word)));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word,
                               QStringView(text).mid(from, offset - from));
    finder.toEnd();
    for (qsizetype p = finder.toPreviousBoundary(); p >= 0; p = finder.toPreviousBoundary()) {
        if (p == 0 || (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem))
            return from + p;
    }
    return from;
}

} // namespace keyvora
