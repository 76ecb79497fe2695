// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/wrappedtextlayout.h"

#include "boxes/glyphs.h"
#include "boxes/textboundaries.h"

#include <QTextOption>

#include <algorithm>

namespace keyvora {

namespace {

// Characters laid out at once: a few screens of the practice box, a millisecond or two.
constexpr qsizetype kChunk = 2048;
// Offsets this close to the laid-out stretch extend it instead of starting afresh, so that
// typing on and scrolling by a few screens never moves a line break.
constexpr qsizetype kNear = 4 * kChunk;
// How far before a far offset inside a huge paragraph the fresh stretch begins, so there are
// lines to show above it.
constexpr qsizetype kLeadIn = 512;

constexpr char16_t kPilcrow = 0x00B6;

} // namespace

struct WrappedTextLayout::Segment {
    Segment(const QString &shown, const QFont &font, const QPaintDevice *device)
        : layout(shown, font, device)
    {
    }
    qsizetype start = 0;
    qsizetype end = 0;  // the next segment's start
    int glyph = -1;     // layout position of the pilcrow standing for a line break
    int lineCount = 0;  // a cut layout holds one more line, incomplete, that is not counted
    QTextLayout layout; // lines all at (0, 0): the view places each line itself
};

WrappedTextLayout::WrappedTextLayout() = default;
WrappedTextLayout::~WrappedTextLayout() = default;

void WrappedTextLayout::setText(const QString &text)
{
    m_text = text;
    clear();
}

void WrappedTextLayout::setFont(const QFont &font)
{
    m_font = font;
    clear();
}

void WrappedTextLayout::setWidth(qreal width)
{
    if (width == m_width)
        return;
    m_width = width;
    clear();
}

void WrappedTextLayout::setPaintDevice(const QPaintDevice *device)
{
    m_device = device;
    clear();
}

void WrappedTextLayout::setMutedColor(const QColor &color)
{
    if (color == m_muted)
        return;
    m_muted = color;
    clear();
}

void WrappedTextLayout::clear()
{
    m_segments.clear();
}

qsizetype WrappedTextLayout::laidOutStart() const
{
    return m_segments.front()->start;
}

qsizetype WrappedTextLayout::laidOutEnd() const
{
    return m_segments.back()->end;
}

bool WrappedTextLayout::isLaidOut(qsizetype offset) const
{
    if (m_segments.empty() || offset < laidOutStart())
        return false;
    return offset < laidOutEnd() || (offset == laidOutEnd() && offset == m_text.size());
}

const WrappedTextLayout::Segment *WrappedTextLayout::segmentOf(qsizetype offset) const
{
    auto after = std::upper_bound(m_segments.begin(), m_segments.end(), offset,
                                  [](qsizetype o, const auto &s) { return o < s->start; });
    if (after == m_segments.begin())
        return nullptr;
    return std::prev(after)->get();
}

WrappedTextLayout::Line WrappedTextLayout::lineAt(qsizetype offset)
{
    const qsizetype length = m_text.size();
    offset = qBound<qsizetype>(0, offset, length);
    if (!m_segments.empty()) {
        if (isLaidOut(offset))
            return lineIn(*segmentOf(offset), offset);
        if (offset >= laidOutEnd() && offset - laidOutEnd() <= kNear) {
            while (!isLaidOut(offset))
                m_segments.push_back(layOutFrom(laidOutEnd()));
            return lineIn(*m_segments.back(), offset);
        }
        if (offset < laidOutStart() && laidOutStart() - offset <= kNear) {
            while (!isLaidOut(offset))
                m_segments.push_front(layOutUpTo(laidOutStart()));
            return lineIn(*m_segments.front(), offset);
        }
        m_segments.clear();
    }
    m_segments.push_back(layOutFrom(anchorFor(offset)));
    while (!isLaidOut(offset))
        m_segments.push_back(layOutFrom(laidOutEnd()));
    return lineIn(*segmentOf(offset), offset);
}

WrappedTextLayout::Line WrappedTextLayout::lineAfter(const Line &line)
{
    if (!line.isValid() || line.end >= m_text.size())
        return {};
    return lineAt(line.end);
}

WrappedTextLayout::Line WrappedTextLayout::lineBefore(const Line &line)
{
    if (!line.isValid() || line.start <= 0)
        return {};
    return lineAt(line.start - 1);
}

void WrappedTextLayout::trim(qsizetype from, qsizetype to)
{
    while (m_segments.size() > 1 && m_segments.front()->end <= from)
        m_segments.pop_front();
    while (m_segments.size() > 1 && m_segments.back()->start >= to)
        m_segments.pop_back();
}

WrappedTextLayout::Line WrappedTextLayout::lineIn(const Segment &segment, qsizetype offset) const
{
    const int cursor = cursorOf({&segment.layout, {}, segment.start, segment.end}, offset);
    int low = 0;
    int high = segment.lineCount - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (segment.layout.lineAt(middle).textStart() <= cursor)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextLine line = segment.layout.lineAt(low);
    const qsizetype end = low + 1 < segment.lineCount
                              ? segment.start + segment.layout.lineAt(low + 1).textStart()
                              : segment.end;
    return {&segment.layout, line, segment.start + line.textStart(), end};
}

int WrappedTextLayout::cursorOf(const Line &line, qsizetype offset) const
{
    const Segment *segment = segmentOf(line.start);
    if (!segment)
        return 0;
    const qsizetype size = segment->layout.text().size();
    qsizetype cursor = offset - segment->start;
    if (segment->glyph >= 0 && cursor > segment->glyph)
        cursor = offset >= segment->end ? size : segment->glyph;
    return int(qBound<qsizetype>(0, cursor, size));
}

qsizetype WrappedTextLayout::offsetOf(const Line &line, int cursor) const
{
    const Segment *segment = segmentOf(line.start);
    if (!segment)
        return 0;
    if (segment->glyph >= 0 && cursor > segment->glyph)
        return segment->end;
    return segment->start + cursor;
}

qsizetype WrappedTextLayout::caretEnd(const Line &line) const
{
    const Segment *segment = segmentOf(line.start);
    if (!segment)
        return line.end;
    if (line.end == segment->end && segment->glyph >= 0)
        return segment->start + segment->glyph;
    if (line.end >= m_text.size())
        return m_text.size();
    return qMax(line.start, previousGrapheme(m_text, line.end));
}

qreal WrappedTextLayout::xOf(const Line &line, qsizetype offset) const
{
    return line.line.cursorToX(cursorOf(line, offset));
}

std::unique_ptr<WrappedTextLayout::Segment> WrappedTextLayout::layOutFrom(qsizetype start) const
{
    const qsizetype length = m_text.size();
    const qsizetype limit = qMin(length, start + kChunk);
    for (qsizetype i = start; i < limit; ++i) {
        const QChar c = m_text.at(i);
        if (isHardBreak(c)) {
            const bool pair = c == u'\r' && i + 1 < length && m_text.at(i + 1) == u'\n';
            return layOut(start, i, i + (pair ? 2 : 1), true, false);
        }
    }
    if (limit == length)
        return layOut(start, length, length, false, false);
    const qsizetype stop = snapToCodePoint(m_text, limit);
    return layOut(start, stop, stop, false, true);
}

std::unique_ptr<WrappedTextLayout::Segment> WrappedTextLayout::layOutUpTo(qsizetype end) const
{
    qsizetype stop = end;
    bool withBreak = false;
    if (isHardBreak(m_text.at(end - 1))) {
        withBreak = true;
        stop = end - 1;
        if (m_text.at(stop) == u'\n' && stop > 0 && m_text.at(stop - 1) == u'\r')
            --stop;
    }
    const qsizetype lowest = qMax<qsizetype>(0, stop - kChunk);
    qsizetype start = stop;
    while (start > lowest && !isHardBreak(m_text.at(start - 1)))
        --start;
    if (start > 0 && !isHardBreak(m_text.at(start - 1))) {
        // Inside a huge paragraph: begin at a word, as a line would.
        qsizetype space = start;
        while (space + 1 < stop && !m_text.at(space).isSpace())
            ++space;
        start = space + 1 < stop ? space + 1 : snapToCodePoint(m_text, start);
    }
    return layOut(start, stop, end, withBreak, false);
}

qsizetype WrappedTextLayout::anchorFor(qsizetype offset) const
{
    const qsizetype length = m_text.size();
    qsizetype o = qBound<qsizetype>(0, offset, length);
    if (o == length && o > 0)
        --o;
    if (o > 0 && m_text.at(o) == u'\n' && m_text.at(o - 1) == u'\r')
        --o;
    const qsizetype lowest = qMax<qsizetype>(0, o - kChunk);
    for (qsizetype i = o; i > lowest; --i) {
        if (isHardBreak(m_text.at(i - 1)))
            return i;
    }
    if (lowest == 0)
        return 0;
    qsizetype space = o - kLeadIn;
    while (space < o && !m_text.at(space).isSpace())
        ++space;
    return space < o ? space + 1 : snapToCodePoint(m_text, o - kLeadIn);
}

std::unique_ptr<WrappedTextLayout::Segment> WrappedTextLayout::layOut(qsizetype start,
                                                                      qsizetype stop, qsizetype end,
                                                                      bool withBreak,
                                                                      bool cut) const
{
    QList<int> standIns;
    QString shown = withStandIns(QStringView(m_text).mid(start, stop - start), &standIns);
    QList<QTextLayout::FormatRange> muted;
    QTextCharFormat mutedFormat;
    mutedFormat.setForeground(m_muted);
    for (const int at : standIns)
        muted.append({at, 1, mutedFormat});
    if (withBreak) {
        muted.append({int(shown.size()), 1, mutedFormat});
        shown.append(QChar(kPilcrow));
    }

    auto segment = std::make_unique<Segment>(shown, m_font, m_device);
    segment->start = start;
    segment->end = end;
    segment->glyph = withBreak ? int(shown.size() - 1) : -1;
    QTextLayout &layout = segment->layout;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    if (!muted.isEmpty())
        layout.setFormats(muted);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(m_width);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();

    segment->lineCount = layout.lineCount();
    if (cut && segment->lineCount > 1) {
        --segment->lineCount;
        segment->end = start + layout.lineAt(segment->lineCount).textStart();
    }
    return segment;
}

} // namespace keyvora
