// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/practicetextview.h"

#include "boxes/glyphs.h"
#include "boxes/textboxaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include <utility>

namespace keyvora {

namespace {

constexpr int kMargin = 4;
// Laid-out text kept around the view: enough to scroll a few screens back and forth without
// laying anything out again, little enough that a book read to its end costs no memory.
constexpr qsizetype kKeepBehind = 8192;
constexpr qsizetype kKeepAhead = 16384;

// Fusion's bar costs more to paint than the lines of text beside it, and in a book a line typed
// moves its slider by a fraction of a pixel: it repaints only when what it shows changes.
class SliderBar final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override
    {
        if (change != SliderOrientationChange && look() == m_painted)
            return;
        QScrollBar::sliderChange(change);
    }
    void paintEvent(QPaintEvent *event) override
    {
        m_painted = look();
        QScrollBar::paintEvent(event);
    }

private:
    struct Look {
        QRect slider;
        bool atMinimum = false; // the arrows at the ends show whether they can move
        bool atMaximum = false;
        bool operator==(const Look &) const = default;
    };
    Look look() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        this),
                value() == minimum(), value() == maximum()};
    }

    std::optional<Look> m_painted;
};

bool holds(const WrappedTextLayout::Line &line, qsizetype offset, qsizetype length)
{
    return offset >= line.start && (offset < line.end || (line.end >= length && offset <= length));
}

} // namespace

PracticeTextView::PracticeTextView(QWidget *parent)
    : SourceBoxWidget(parent)
{
    TextBoxAccessible::install();
    setVerticalScrollBar(new SliderBar(Qt::Vertical, this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setEnabled(false);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &PracticeTextView::onScrollAction);
    m_lines.setPaintDevice(this);
    m_lines.setFont(font());
    m_lines.setMutedColor(palette().color(QPalette::PlaceholderText));
    setLayoutGeometry();
}

PracticeTextView::~PracticeTextView() = default;

void PracticeTextView::setText(QString text)
{
    if (text.size() == m_text.size() && (text.constData() == m_text.constData() || text == m_text))
        return;
    {
        // Let go of the old text before the change handler runs: it may rewrite a book.
        const QString old = std::exchange(m_text, std::move(text));
        m_lines.setText(m_text);
        TextBoxAccessible::announceRewrite(this, old, m_text);
    }
    m_position = 0;
    m_cursor = m_anchor = 0;
    m_top = 0;
    m_goalX.reset();
    m_revealPending = false;
    m_scrollBarStale = true;
    viewport()->update();
    notifyChanged();
}

void PracticeTextView::setPosition(qint64 position)
{
    const qint64 oldPosition = m_position;
    const qsizetype oldCursor = m_cursor;
    const bool hadSelection = hasSelection();
    m_position = position;
    m_cursor = m_anchor = qBound<qint64>(0, position, m_text.size());
    m_goalX.reset();
    // The caret follows the typing; only a reader that is in this box needs to hear it move.
    const bool tell = m_cursor != oldCursor && hasFocus();
    if (!isVisible()) {
        m_revealPending = true;
        if (tell)
            notifyCursor();
        return;
    }
    prepare();
    // The old mark and caret must be found before the view moves, the new ones after.
    const QRect old = markRect(oldPosition) | markRect(oldCursor);
    if (reveal(m_cursor, Reveal::WithContext) || hadSelection)
        updateText();
    else
        viewport()->update(old | markRect(m_position));
    if (tell)
        notifyCursor();
}

void PracticeTextView::selectRange(qsizetype anchor, qsizetype caret)
{
    m_anchor = qBound<qsizetype>(0, anchor, m_text.size());
    m_cursor = qBound<qsizetype>(0, caret, m_text.size());
    m_goalX.reset();
    if (isVisible())
        reveal(m_cursor, Reveal::Minimal);
    updateText();
    notifyCursor();
}

TextSpan PracticeTextView::visibleSpan() const
{
    prepare();
    return shownSpan();
}

TextSpan PracticeTextView::shownSpan() const
{
    const qreal height = textArea().height();
    qreal y = 0;
    TextSpan span{m_top, m_top};
    for (Line line = m_lines.lineAt(m_top); line.isValid(); line = m_lines.lineAfter(line)) {
        y += line.line.height();
        if (y > height)
            break;
        span.end = line.end;
    }
    return span;
}

QSize PracticeTextView::sizeHint() const
{
    const int frame = 2 * (frameWidth() + kMargin);
    return {fontMetrics().averageCharWidth() * 50 + verticalScrollBar()->sizeHint().width() + frame,
            fontMetrics().lineSpacing() * 6 + frame};
}

QSize PracticeTextView::minimumSizeHint() const
{
    const int frame = 2 * (frameWidth() + kMargin);
    return {fontMetrics().averageCharWidth() * 8 + verticalScrollBar()->sizeHint().width() + frame,
            fontMetrics().lineSpacing() + frame};
}

QRect PracticeTextView::characterRect(qsizetype offset) const
{
    Line line;
    const std::optional<QRectF> row = rowRect(offset, &line);
    if (!row || offset >= m_text.size())
        return {};
    // Assistive tools place the box's rectangles from the box's corner, outside its frame.
    return characterBox(*line.layout, line.line, m_lines.cursorOf(line, offset), row->topLeft())
        .toAlignedRect()
        .translated(viewport()->pos());
}

qsizetype PracticeTextView::offsetAt(const QPoint &point) const
{
    const QPoint inView = point - viewport()->pos();
    if (!textArea().contains(inView))
        return -1;
    return hitTest(inView);
}

void PracticeTextView::revealOffset(qsizetype offset)
{
    prepare();
    reveal(offset, Reveal::Minimal);
}

TextSpan PracticeTextView::lineSpanAt(qsizetype offset) const
{
    prepare();
    const Line line = m_lines.lineAt(offset);
    return {line.start, line.end};
}

bool PracticeTextView::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key == QKeySequence::Copy || key == QKeySequence::SelectAll) {
            event->accept();
            return true;
        }
    }
    return SourceBoxWidget::event(event);
}

void PracticeTextView::updateText()
{
    viewport()->update();
}

QRect PracticeTextView::textArea() const
{
    return viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

void PracticeTextView::setLayoutGeometry()
{
    const qreal minimum = fontMetrics().averageCharWidth() * 4;
    m_lines.setWidth(qMax<qreal>(minimum, textArea().width()));
}

void PracticeTextView::prepare() const
{
    auto *self = const_cast<PracticeTextView *>(this);
    if (m_revealPending) {
        m_revealPending = false;
        self->reveal(m_cursor, Reveal::WithContext);
    }
    m_top = m_lines.lineAt(m_top).start;
    if (m_scrollBarStale)
        syncScrollBar();
}

bool PracticeTextView::reveal(qsizetype offset, Reveal how)
{
    const qsizetype length = m_text.size();
    const qreal height = textArea().height();
    offset = qBound<qsizetype>(0, offset, length);
    if (m_lines.isLaidOut(offset) && m_lines.isLaidOut(m_top)) {
        qreal y = 0;
        for (Line line = m_lines.lineAt(m_top); line.isValid(); line = m_lines.lineAfter(line)) {
            y += line.line.height();
            if (y > height || line.start > offset)
                break;
            if (holds(line, offset, length))
                return false;
        }
    }

    const bool below = m_lines.isLaidOut(m_top) && offset >= m_top;
    const Line target = m_lines.lineAt(offset);
    Line top = target;
    if (how == Reveal::WithContext) {
        if (height >= 2 * target.line.height()) {
            const Line before = m_lines.lineBefore(target);
            if (before.isValid())
                top = before;
        }
    } else if (below) {
        // Just enough to bring the line in at the bottom.
        qreal used = target.line.height();
        for (Line before = m_lines.lineBefore(top);
             before.isValid() && used + before.line.height() <= height;
             before = m_lines.lineBefore(top)) {
            used += before.line.height();
            top = before;
        }
    }
    showFrom(top);
    return true;
}

void PracticeTextView::showFrom(Line top)
{
    // Never leave space below the last line while there is text above the first.
    const qreal height = textArea().height();
    qreal used = 0;
    for (Line line = top; line.isValid(); line = m_lines.lineAfter(line)) {
        used += line.line.height();
        if (used >= height)
            break;
    }
    for (Line before = m_lines.lineBefore(top);
         used < height && before.isValid() && used + before.line.height() <= height;
         before = m_lines.lineBefore(top)) {
        used += before.line.height();
        top = before;
    }
    m_top = top.start;
    m_lines.trim(m_top - kKeepBehind, m_top + kKeepAhead);
    syncScrollBar();
    updateText();
}

void PracticeTextView::scrollLines(int count)
{
    prepare();
    Line top = m_lines.lineAt(m_top);
    for (; count > 0; --count) {
        const Line next = m_lines.lineAfter(top);
        if (!next.isValid())
            break;
        top = next;
    }
    for (; count < 0; ++count) {
        const Line previous = m_lines.lineBefore(top);
        if (!previous.isValid())
            break;
        top = previous;
    }
    showFrom(top);
}

void PracticeTextView::scrollTo(qsizetype offset)
{
    prepare();
    showFrom(m_lines.lineAt(offset));
}

int PracticeTextView::rowsInView() const
{
    return qMax(1, textArea().height() / qMax(1, fontMetrics().lineSpacing()));
}

std::optional<QRectF> PracticeTextView::rowRect(qsizetype offset, Line *found) const
{
    prepare();
    const QRect area = textArea();
    const qsizetype length = m_text.size();
    qreal y = area.top();
    for (Line line = m_lines.lineAt(m_top); line.isValid() && y <= area.bottom();
         line = m_lines.lineAfter(line)) {
        if (line.start > offset)
            break;
        if (holds(line, offset, length)) {
            if (found)
                *found = line;
            return QRectF(area.left(), y, area.width(), line.line.height());
        }
        y += line.line.height();
    }
    return std::nullopt;
}

QRect PracticeTextView::markRect(qint64 position) const
{
    if (position < 0 || position > m_text.size())
        return {};
    Line line;
    const std::optional<QRectF> row = rowRect(position, &line);
    if (!row)
        return {};
    const QRectF box =
        characterBox(*line.layout, line.line, m_lines.cursorOf(line, position), row->topLeft());
    const qreal slack = fontMetrics().averageCharWidth();
    return QRectF(box.left() - 2, box.top(), box.width() + slack + 4, box.height()).toAlignedRect();
}

qsizetype PracticeTextView::hitTest(const QPoint &point) const
{
    prepare();
    const QRect area = textArea();
    qreal y = area.top();
    Line line = m_lines.lineAt(m_top);
    for (Line next = line; next.isValid() && y <= area.bottom(); next = m_lines.lineAfter(next)) {
        line = next;
        y += line.line.height();
        if (point.y() < y)
            break;
    }
    const int cursor = line.line.xToCursor(point.x() - area.left());
    return qBound(line.start, m_lines.offsetOf(line, cursor), m_lines.caretEnd(line));
}

void PracticeTextView::moveCursor(qsizetype offset, bool select)
{
    m_cursor = qBound<qsizetype>(0, offset, m_text.size());
    if (!select)
        m_anchor = m_cursor;
    prepare();
    reveal(m_cursor, Reveal::Minimal);
    updateText();
    notifyCursor();
}

qsizetype PracticeTextView::offsetAbove(qsizetype offset, int lines) const
{
    prepare();
    Line line = m_lines.lineAt(offset);
    if (!m_goalX)
        m_goalX = m_lines.xOf(line, offset);
    for (int step = qAbs(lines); step > 0; --step) {
        const Line next = lines < 0 ? m_lines.lineBefore(line) : m_lines.lineAfter(line);
        if (!next.isValid())
            return lines < 0 ? line.start : m_lines.caretEnd(line);
        line = next;
    }
    const int cursor = line.line.xToCursor(*m_goalX);
    return qBound(line.start, m_lines.offsetOf(line, cursor), m_lines.caretEnd(line));
}

void PracticeTextView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    const bool select = event->modifiers() & Qt::ShiftModifier;
    const bool far = event->modifiers() & Qt::ControlModifier;
    const int page = qMax(1, rowsInView() - 1);
    std::optional<qsizetype> target;
    bool vertical = false;
    switch (event->key()) {
    case Qt::Key_Left:
        target = far ? previousWordStart(m_text, m_cursor) : previousGrapheme(m_text, m_cursor);
        break;
    case Qt::Key_Right:
        target = far ? nextWordStart(m_text, m_cursor) : nextGrapheme(m_text, m_cursor);
        break;
    case Qt::Key_Up:
        target = offsetAbove(m_cursor, -1);
        vertical = true;
        break;
    case Qt::Key_Down:
        target = offsetAbove(m_cursor, 1);
        vertical = true;
        break;
    case Qt::Key_PageUp:
        target = offsetAbove(m_cursor, -page);
        vertical = true;
        break;
    case Qt::Key_PageDown:
        target = offsetAbove(m_cursor, page);
        vertical = true;
        break;
    case Qt::Key_Home:
        prepare();
        target = far ? 0 : m_lines.lineAt(m_cursor).start;
        break;
    case Qt::Key_End:
        prepare();
        target = far ? m_text.size() : m_lines.caretEnd(m_lines.lineAt(m_cursor));
        break;
    default:
        // Read-only: typing here changes nothing and goes on to the window.
        event->ignore();
        return;
    }
    if (!vertical)
        m_goalX.reset();
    moveCursor(*target, select);
}

void PracticeTextView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const qsizetype offset = hitTest(event->position().toPoint());
    m_goalX.reset();
    m_selecting = true;
    m_cursor = offset;
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_anchor = offset;
    updateText();
    notifyCursor();
}

void PracticeTextView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    const QRect area = textArea();
    const QPoint point = event->position().toPoint();
    // Dragging past an edge scrolls a line per move, without a timer running.
    if (point.y() < area.top())
        scrollLines(-1);
    else if (point.y() > area.bottom())
        scrollLines(1);
    const qsizetype offset = hitTest(point);
    if (offset != m_cursor) {
        m_cursor = offset;
        updateText();
        notifyCursor();
    }
}

void PracticeTextView::mouseReleaseEvent(QMouseEvent *event)
{
    releaseDrag(*event);
}

void PracticeTextView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectWordAt(hitTest(event->position().toPoint()));
}

void PracticeTextView::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    int lines = qRound(delta * QApplication::wheelScrollLines() / 120.0);
    if (lines == 0)
        lines = delta > 0 ? 1 : -1;
    scrollLines(-lines);
}

void PracticeTextView::focusInEvent(QFocusEvent *event)
{
    SourceBoxWidget::focusInEvent(event);
    viewport()->update();
}

void PracticeTextView::focusOutEvent(QFocusEvent *event)
{
    SourceBoxWidget::focusOutEvent(event);
    viewport()->update();
}

void PracticeTextView::resizeEvent(QResizeEvent *event)
{
    SourceBoxWidget::resizeEvent(event);
    setLayoutGeometry();
    // Keep the learner's place in sight whatever the new line breaks are.
    m_revealPending = true;
    m_scrollBarStale = true;
}

void PracticeTextView::changeEvent(QEvent *event)
{
    SourceBoxWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        m_lines.setFont(font());
        setLayoutGeometry();
        m_revealPending = true;
        m_scrollBarStale = true;
        viewport()->update();
        break;
    case QEvent::PaletteChange:
        m_lines.setMutedColor(palette().color(QPalette::PlaceholderText));
        viewport()->update();
        break;
    default:
        break;
    }
}

void PracticeTextView::paintEvent(QPaintEvent *event)
{
    prepare();
    QPainter painter(viewport());
    const QRect area = textArea();
    const qsizetype length = m_text.size();
    const qsizetype selectionStart = qMin(m_cursor, m_anchor);
    const qsizetype selectionEnd = qMax(m_cursor, m_anchor);
    QColor markColor = palette().color(QPalette::Highlight);
    markColor.setAlpha(64);
    const QColor textColor = palette().color(QPalette::Text);
    const qreal minimumMark = qMax(2, fontMetrics().averageCharWidth() / 2);
    qreal y = area.top();
    for (Line line = m_lines.lineAt(m_top); line.isValid() && y <= area.bottom();
         line = m_lines.lineAfter(line)) {
        const qreal height = line.line.height();
        const QPointF origin(area.left(), y);
        y += height;
        if (y < event->rect().top())
            continue;
        if (origin.y() > event->rect().bottom())
            break;

        if (m_position >= line.start && m_position < line.end && m_position < length) {
            QRectF mark =
                characterBox(*line.layout, line.line, m_lines.cursorOf(line, m_position), origin);
            mark.setWidth(qMax(minimumMark, mark.width()));
            painter.fillRect(mark, markColor);
        }
        QRectF selected;
        if (selectionStart < selectionEnd && selectionStart < line.end &&
            selectionEnd > line.start) {
            const qreal x1 = selectionStart <= line.start ? 0 : m_lines.xOf(line, selectionStart);
            const qreal x2 = selectionEnd >= line.end ? line.line.naturalTextWidth() + minimumMark
                                                      : m_lines.xOf(line, selectionEnd);
            selected = QRectF(origin.x() + qMin(x1, x2), origin.y(), qAbs(x2 - x1), height);
            painter.fillRect(selected, palette().brush(QPalette::Highlight));
        }
        painter.setPen(textColor);
        line.line.draw(&painter, origin);
        if (!selected.isEmpty()) {
            painter.save();
            painter.setClipRect(selected, Qt::IntersectClip);
            painter.setPen(palette().color(QPalette::HighlightedText));
            line.line.draw(&painter, origin);
            painter.restore();
        }
        if (hasFocus() && holds(line, m_cursor, length)) {
            const qreal x = m_lines.xOf(line, m_cursor);
            painter.fillRect(QRectF(origin.x() + x, origin.y(), 1, height), textColor);
        }
    }
}

void PracticeTextView::onScrollAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        scrollLines(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        scrollLines(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollLines(qMax(1, rowsInView() - 1));
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollLines(-qMax(1, rowsInView() - 1));
        break;
    case QAbstractSlider::SliderToMinimum:
        scrollTo(0);
        break;
    case QAbstractSlider::SliderToMaximum:
        scrollTo(m_text.size());
        break;
    case QAbstractSlider::SliderMove:
        scrollTo(verticalScrollBar()->sliderPosition());
        break;
    default:
        break;
    }
    verticalScrollBar()->setSliderPosition(int(m_top));
}

void PracticeTextView::syncScrollBar() const
{
    m_scrollBarStale = false;
    // The bar counts characters, not lines: lines are only known near the view. An int holds
    // any offset: a practice file is at most 64 MiB and its line ends become spaces, so its text
    // is at most 64 Mi characters and the end marker.
    const TextSpan shown = shownSpan();
    const qsizetype length = m_text.size();
    const qsizetype page = qMax<qsizetype>(1, shown.end - shown.start);
    QScrollBar *bar = verticalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(0, int(qMax<qsizetype>(0, length - page)));
    bar->setPageStep(int(page));
    bar->setValue(int(m_top));
    bar->setEnabled(shown.start > 0 || shown.end < length);
}

void PracticeTextView::notifyCursor()
{
    TextBoxAccessible::announceCaret(this, m_cursor, m_anchor);
}

} // namespace keyvora
