// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>

#include <deque>
#include <memory>

class QPaintDevice;

namespace keyvora {

// Word-wrapped lines of a text that may be a whole book in one paragraph. Only the stretches
// asked for are laid out, a couple of thousand characters at a time, so the cost follows the
// view and not the text. A far jump starts afresh at the nearest paragraph start or, inside a
// huge paragraph, at a word start shortly before the place asked for: line breaks there can
// differ from those of a layout of the whole paragraph, which nobody can tell on screen.
//
// A line break (CR, LF or the pair) ends a paragraph and is shown as a light pilcrow at the end
// of its line; other control characters are shown as a light square.
class WrappedTextLayout {
public:
    // One visual line. Stays valid until the layout is cleared or trimmed (see trim()).
    struct Line {
        const QTextLayout *layout = nullptr;
        QTextLine line;
        qsizetype start = 0; // offset of the first character on the line
        qsizetype end = 0;   // offset of the first character of the next line
        bool isValid() const { return layout != nullptr; }
    };

    WrappedTextLayout();
    ~WrappedTextLayout();

    void setText(const QString &text);
    void setFont(const QFont &font);
    void setWidth(qreal width);
    void setPaintDevice(const QPaintDevice *device);
    void setMutedColor(const QColor &color);
    void clear();

    // The line holding offset; offsets past the end give the last line.
    Line lineAt(qsizetype offset);
    Line lineAfter(const Line &line);  // invalid after the last line
    Line lineBefore(const Line &line); // invalid before the first line
    bool isLaidOut(qsizetype offset) const;
    // Frees the layouts outside [from, to); lines outside it become invalid.
    void trim(qsizetype from, qsizetype to);

    // Position of offset within its line's layout, for QTextLine's cursor functions.
    int cursorOf(const Line &line, qsizetype offset) const;
    qsizetype offsetOf(const Line &line, int cursor) const;
    // The last offset a caret may take on the line: before a break, after anything else.
    qsizetype caretEnd(const Line &line) const;
    qreal xOf(const Line &line, qsizetype offset) const;

private:
    struct Segment;

    const Segment *segmentOf(qsizetype offset) const;
    Line lineIn(const Segment &segment, qsizetype offset) const;
    std::unique_ptr<Segment> layOutFrom(qsizetype start) const;
    std::unique_ptr<Segment> layOutUpTo(qsizetype end) const;
    std::unique_ptr<Segment> layOut(qsizetype start, qsizetype stop, qsizetype end, bool withBreak,
                                    bool cut) const;
    qsizetype anchorFor(qsizetype offset) const;
    qsizetype laidOutStart() const;
    qsizetype laidOutEnd() const;

    QString m_text;
    QFont m_font;
    qreal m_width = 200;
    const QPaintDevice *m_device = nullptr;
    QColor m_muted;
    std::deque<std::unique_ptr<Segment>> m_segments; // contiguous, in text order
};

} // namespace keyvora
