// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/typingline.h"

#include "boxes/glyphs.h"
#include "boxes/textboxaccessible.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QTextOption>

namespace keyvora {

namespace {

constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// What an input method sees around the caret: enough for any composition, never the hour's
// typing.
constexpr qsizetype kSurrounding = 512;
// Lays a stretch out on one line however wide it gets.
constexpr qreal kUnbounded = 1e6;

// One line of a pasted or assisted text: the box holds a single line.
QString firstLine(const QString &text)
{
    return text.left(paragraphAt(text, 0).end);
}

void layOutOneLine(QTextLayout &layout)
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(kUnbounded);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
}

} // namespace

TypingLine::TypingLine(QWidget *parent)
    : InputBoxWidget(parent)
{
    TextBoxAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

TypingLine::~TypingLine() = default;

void TypingLine::setText(const QString &text)
{
    // A rewrite of a long line mostly differs at its end (the mistake mark): that is looked at
    // before the whole line is.
    if (text.size() == m_text.size() &&
        (text.constData() == m_text.constData() ||
         (!text.isEmpty() && text.back() == m_text.back() && text == m_text)))
        return;
    const QString old = m_text;
    m_text = text;
    m_cursor = m_anchor = m_text.size();
    m_layoutStale = true;
    updateText();
    if (m_inEditHandler)
        m_rewrittenInEdit = true;
    else
        TextBoxAccessible::announceRewrite(this, old, m_text);
    if (InputBoxHandler *handler = this->handler())
        handler->rtbInput_Change();
}

void TypingLine::setCursorPosition(qint64 position)
{
    moveCursor(snapToCodePoint(m_text, qBound<qint64>(0, position, m_text.size())), false);
}

void TypingLine::cut()
{
    if (!hasSelection())
        return;
    copy();
    insert(QString());
}

void TypingLine::paste()
{
    const QString pasted = firstLine(QGuiApplication::clipboard()->text());
    if (!pasted.isEmpty())
        insert(pasted);
}

void TypingLine::selectRange(qsizetype anchor, qsizetype caret)
{
    m_anchor = snapToCodePoint(m_text, qBound<qsizetype>(0, anchor, m_text.size()));
    m_cursor = snapToCodePoint(m_text, qBound<qsizetype>(0, caret, m_text.size()));
    caretMoved();
}

QRect TypingLine::cursorRect() const
{
    ensureLayout();
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return QRectF(textArea().left() + caretX(), lineTop(), qMax(1, width),
                  m_layout.lineAt(0).height())
        .toAlignedRect();
}

TextSpan TypingLine::visibleSpan() const
{
    ensureLayout();
    const int last = m_layout.lineAt(0).xToCursor(textArea().width());
    return {m_viewStart, qMin(m_shownEnd, offsetOfIndex(last))};
}

QSize TypingLine::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics(font());
    const int height = qMax(metrics.height(), 14) + 2 * kVerticalMargin;
    const int width = metrics.horizontalAdvance(u'x') * 17 + 2 * kHorizontalMargin;
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

QSize TypingLine::minimumSizeHint() const
{
    const QSize hint = sizeHint();
    return {fontMetrics().maxWidth() + 2 * kHorizontalMargin, hint.height()};
}

QVariant TypingLine::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const qsizetype from = snapToCodePoint(m_text, qMax<qsizetype>(0, m_cursor - kSurrounding));
    const qsizetype to = snapToCodePoint(m_text, qMin(m_text.size(), m_cursor + kSurrounding));
    switch (query) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return cursorRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(m_cursor - from);
    case Qt::ImAnchorPosition:
        return int(qBound(from, m_anchor, to) - from);
    case Qt::ImSurroundingText:
        return m_text.mid(from, to - from);
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImTextBeforeCursor:
        return m_text.mid(from, m_cursor - from);
    case Qt::ImTextAfterCursor:
        return m_text.mid(m_cursor, to - m_cursor);
    case Qt::ImAbsolutePosition:
        return int(m_cursor);
    case Qt::ImMaximumTextLength:
        return QVariant();
    case Qt::ImReadOnly:
        return false;
    case Qt::ImHints:
        // The learner must type every letter as written.
        return int(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    default:
        return InputBoxWidget::inputMethodQuery(query);
    }
}

QRect TypingLine::characterRect(qsizetype offset) const
{
    ensureLayout();
    if (offset < m_viewStart || offset >= m_shownEnd)
        return {};
    const QRect area = textArea();
    return characterBox(m_layout, m_layout.lineAt(0), indexOf(offset),
                        QPointF(area.left(), lineTop()))
        .toAlignedRect()
        .intersected(area);
}

qsizetype TypingLine::offsetAt(const QPoint &point) const
{
    if (!textArea().contains(point))
        return -1;
    return hitTest(point.x());
}

void TypingLine::revealOffset(qsizetype offset)
{
    setCursorPosition(offset);
}

void TypingLine::replaceRange(qsizetype start, qsizetype end, const QString &text)
{
    start = snapToCodePoint(m_text, qBound<qsizetype>(0, start, m_text.size()));
    end = snapToCodePoint(m_text, qBound(start, end, m_text.size()));
    edit(start, end, firstLine(text));
}

bool TypingLine::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Editing keys belong to the box, not to a menu shortcut that happens to share them.
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        bool ours = key == QKeySequence::Copy || key == QKeySequence::Paste ||
                    key == QKeySequence::Cut || key == QKeySequence::SelectAll ||
                    key == QKeySequence::MoveToNextWord ||
                    key == QKeySequence::MoveToPreviousWord ||
                    key == QKeySequence::SelectNextWord || key == QKeySequence::SelectPreviousWord;
        if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) {
            switch (key->key()) {
            case Qt::Key_Delete:
            case Qt::Key_Backspace:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_Left:
            case Qt::Key_Right:
                ours = true;
                break;
            default:
                ours = ours || key->key() < Qt::Key_Escape;
                break;
            }
        }
        if (ours) {
            event->accept();
            return true;
        }
    }
    return InputBoxWidget::event(event);
}

void TypingLine::keyPressEvent(QKeyEvent *event)
{
    if (InputBoxHandler *handler = this->handler())
        handler->rtbInput_KeyDown(event->key(), shiftMask(event->modifiers()));
    const std::optional<char16_t> code = keyAsciiOf(*event);
    if (!code) {
        editingKey(event);
        return;
    }
    // A key that types more than one unit (a character beyond the BMP) raises a key press for
    // each, as the desktop reports them.
    const QString typed = event->text();
    if (typed.size() > 1 && typed.at(0).unicode() == *code) {
        for (const QChar unit : typed)
            typeCode(unit.unicode());
    } else {
        typeCode(*code);
    }
}

void TypingLine::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its presses; it is let go once.
    if (event->isAutoRepeat())
        return;
    if (InputBoxHandler *handler = this->handler())
        handler->rtbInput_KeyUp(event->key(), shiftMask(event->modifiers()));
}

void TypingLine::typeCode(char16_t code)
{
    if (InputBoxHandler *handler = this->handler())
        handler->rtbInput_KeyPress(code);
    applyCode(code);
}

void TypingLine::applyCode(char16_t code)
{
    // The control codes of Ctrl+A, C, V and X do what those keys do in a text box.
    switch (code) {
    case u'\b':
        backspace();
        return;
    case 0x01:
        selectAll();
        return;
    case 0x03:
        copy();
        return;
    case 0x16:
        paste();
        return;
    case 0x18:
        cut();
        return;
    default:
        break;
    }
    // Enter, Escape and the other control codes type nothing into a single line.
    if (code < 0x20 || code == 0x7F)
        return;
    insert(QString(QChar(code)));
}

void TypingLine::editingKey(QKeyEvent *event)
{
    if (event == QKeySequence::Cut) {
        cut();
        return;
    }
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::Paste) {
        paste();
        return;
    }
    const bool select = event->modifiers() & Qt::ShiftModifier;
    const bool word = event->modifiers() & Qt::ControlModifier;
    const qsizetype selectionStart = qMin(m_cursor, m_anchor);
    const qsizetype selectionEnd = qMax(m_cursor, m_anchor);
    switch (event->key()) {
    case Qt::Key_Left:
        if (hasSelection() && !select && !word)
            moveCursor(selectionStart, false);
        else
            moveCursor(word ? previousWordStart(m_text, m_cursor)
                            : previousGrapheme(m_text, m_cursor),
                       select);
        break;
    case Qt::Key_Right:
        if (hasSelection() && !select && !word)
            moveCursor(selectionEnd, false);
        else
            moveCursor(word ? nextWordStart(m_text, m_cursor) : nextGrapheme(m_text, m_cursor),
                       select);
        break;
    case Qt::Key_Home:
        moveCursor(0, select);
        break;
    case Qt::Key_End:
        moveCursor(m_text.size(), select);
        break;
    case Qt::Key_Delete:
        if (word && !hasSelection())
            edit(m_cursor, nextWordStart(m_text, m_cursor), QString());
        else
            deleteForward();
        break;
    default:
        event->ignore();
        break;
    }
}

void TypingLine::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->replacementLength() > 0) {
        const qsizetype start =
            qBound<qsizetype>(0, m_cursor + event->replacementStart(), m_text.size());
        const qsizetype end = qMin(m_text.size(), start + event->replacementLength());
        edit(start, end, QString());
    }
    m_preedit = event->preeditString();
    m_preeditCursor = int(m_preedit.size());
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor)
            m_preeditCursor = qBound(0, attribute.start, int(m_preedit.size()));
    }
    m_layoutStale = true;
    updateText();
    // Each committed character is a key press of its own, judged like a typed one.
    const QString committed = event->commitString();
    for (const QChar unit : committed)
        typeCode(unit.unicode());
    event->accept();
}

void TypingLine::edit(qsizetype start, qsizetype end, const QString &text)
{
    if (start == end && text.isEmpty())
        return;
    const bool announce = QAccessible::isActive() && !m_inEditHandler;
    // With a screen reader only: the text as it was, should the handler write the box again.
    const QString before = announce ? m_text : QString();
    const QString removed = announce ? m_text.mid(start, end - start) : QString();
    if (start == end)
        m_text.insert(start, text);
    else
        m_text.replace(start, end - start, text);
    m_cursor = m_anchor = start + text.size();
    m_layoutStale = true;
    restartBlink();
    updateText();
    updateMicroFocus();
    // Last: the handler may write the box again (the mistake mark), and nothing here may act on
    // what it saw before.
    const qsizetype caret = m_cursor;
    m_rewrittenInEdit = false;
    if (InputBoxHandler *handler = this->handler()) {
        const bool outermost = !m_inEditHandler;
        m_inEditHandler = true;
        handler->rtbInput_Change();
        m_inEditHandler = !outermost;
    }
    if (!announce)
        return;
    if (m_rewrittenInEdit) {
        TextBoxAccessible::announceRewrite(this, before, m_text);
    } else {
        if (!removed.isEmpty()) {
            QAccessibleTextRemoveEvent event(this, int(start), removed);
            QAccessible::updateAccessibility(&event);
        }
        if (!text.isEmpty()) {
            QAccessibleTextInsertEvent event(this, int(start), text);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (m_cursor != caret)
        notifyCursor();
}

void TypingLine::insert(const QString &text)
{
    edit(qMin(m_cursor, m_anchor), qMax(m_cursor, m_anchor), text);
}

void TypingLine::backspace()
{
    if (hasSelection()) {
        insert(QString());
        return;
    }
    if (m_cursor == 0)
        return;
    // One code point, not a whole cluster: an accent typed last is taken back alone.
    qsizetype start = m_cursor - 1;
    if (start > 0 && m_text.at(start).isLowSurrogate() && m_text.at(start - 1).isHighSurrogate())
        --start;
    edit(start, m_cursor, QString());
}

void TypingLine::deleteForward()
{
    if (hasSelection())
        insert(QString());
    else
        edit(m_cursor, nextGrapheme(m_text, m_cursor), QString());
}

void TypingLine::moveCursor(qsizetype offset, bool select)
{
    m_cursor = qBound<qsizetype>(0, offset, m_text.size());
    if (!select)
        m_anchor = m_cursor;
    caretMoved();
}

void TypingLine::caretMoved()
{
    m_layoutStale = true;
    restartBlink();
    updateText();
    updateMicroFocus();
    notifyCursor();
}

QRect TypingLine::textArea() const
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return rect().adjusted(frame + kHorizontalMargin, frame + kVerticalMargin,
                           -frame - kHorizontalMargin, -frame - kVerticalMargin);
}

void TypingLine::layOutFrom(qsizetype start) const
{
    const qsizetype length = m_text.size();
    const qreal width = textArea().width();
    const qreal narrowest = qMax(1.0, fontMetrics().averageCharWidth() / 3.0);
    qsizetype count = qMin(length - start, qsizetype(width / narrowest) + 8);
    for (;;) {
        const qsizetype end = snapToCodePoint(m_text, start + count);
        QString shown = withStandIns(QStringView(m_text).mid(start, end - start));
        m_preeditAt = -1;
        QList<QTextLayout::FormatRange> formats;
        if (!m_preedit.isEmpty() && m_cursor >= start && m_cursor <= end) {
            m_preeditAt = int(m_cursor - start);
            shown.insert(m_preeditAt, m_preedit);
            QTextCharFormat underline;
            underline.setFontUnderline(true);
            formats.append({m_preeditAt, int(m_preedit.size()), underline});
        }
        m_layout.setText(shown);
        m_layout.setFont(font());
        m_layout.setFormats(formats);
        layOutOneLine(m_layout);
        m_shownEnd = end;
        if (end >= length || m_layout.lineAt(0).cursorToX(int(shown.size())) > width)
            return;
        count = qMin(length - start, count * 2);
    }
}

qsizetype TypingLine::startBefore(qsizetype end, qreal width, const QString &suffix) const
{
    // The earliest start from which text[start, end) and the suffix fit in width.
    const qreal narrowest = qMax(1.0, fontMetrics().averageCharWidth() / 3.0);
    qsizetype count = qsizetype(width / narrowest) + 8;
    QTextLayout probe;
    probe.setFont(font());
    for (;;) {
        const qsizetype start = snapToCodePoint(m_text, qMax<qsizetype>(0, end - count));
        probe.setText(withStandIns(QStringView(m_text).mid(start, end - start)) + suffix);
        layOutOneLine(probe);
        const QTextLine line = probe.lineAt(0);
        // Up to the caret after the last character: trailing spaces take room too.
        const qreal total = line.cursorToX(int(probe.text().size()));
        if (total > width || start == 0) {
            if (total <= width)
                return start;
            int cursor = line.xToCursor(total - width);
            if (line.cursorToX(cursor) < total - width)
                cursor = probe.nextCursorPosition(cursor);
            return qMin(end, start + cursor);
        }
        count *= 2;
    }
}

void TypingLine::ensureLayout() const
{
    if (!m_layoutStale)
        return;
    m_layoutStale = false;
    const qsizetype length = m_text.size();
    const qreal width = qMax(1, textArea().width());
    const int caretWidth = qMax(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    m_viewStart = snapToCodePoint(m_text, qBound<qsizetype>(0, m_viewStart, length));
    // Moving left past the edge brings back a third of a line before the caret.
    if (m_cursor < m_viewStart)
        m_viewStart = startBefore(m_cursor, width / 3, QString());
    layOutFrom(m_viewStart);
    const qreal limit = width - caretWidth;
    if (m_cursor > m_shownEnd || caretX() > limit) {
        // Mostly a character typed at the right edge: the stretch laid out already tells how far
        // to move, which spares laying out a screenful back from the caret on every key.
        const std::optional<qsizetype> start = startToShowCaret(limit);
        if (start) {
            m_viewStart = *start;
            layOutFrom(m_viewStart);
        }
        if (!start || caretX() > limit) {
            m_viewStart = startBefore(m_cursor, limit, m_preedit.left(m_preeditCursor));
            layOutFrom(m_viewStart);
        }
    } else if (m_viewStart > 0 && m_shownEnd >= length &&
               m_layout.lineAt(0).cursorToX(int(m_layout.text().size())) < width - caretWidth) {
        // Text taken away at the end: show as much as fits again, as a text box does.
        m_viewStart =
            startBefore(length, width - caretWidth, m_cursor == length ? m_preedit : QString());
        layOutFrom(m_viewStart);
    }
}

std::optional<qsizetype> TypingLine::startToShowCaret(qreal limit) const
{
    if (m_cursor > m_shownEnd)
        return std::nullopt;
    const QTextLine line = m_layout.lineAt(0);
    const qreal overflow = caretX() - limit;
    int index = line.xToCursor(overflow);
    if (line.cursorToX(index) < overflow)
        index = m_layout.nextCursorPosition(index);
    // The preedit moves with the caret; a start inside or after it is no start.
    if (m_preeditAt >= 0 && index > m_preeditAt)
        return std::nullopt;
    return offsetOfIndex(index);
}

int TypingLine::indexOf(qsizetype offset) const
{
    qsizetype index = offset - m_viewStart;
    if (m_preeditAt >= 0 && index > m_preeditAt)
        index += m_preedit.size();
    return int(qBound<qsizetype>(0, index, m_layout.text().size()));
}

qsizetype TypingLine::offsetOfIndex(int index) const
{
    if (m_preeditAt >= 0 && index > m_preeditAt) {
        const int size = int(m_preedit.size());
        index = index >= m_preeditAt + size ? index - size : m_preeditAt;
    }
    return qMin(m_text.size(), m_viewStart + index);
}

qreal TypingLine::caretX() const
{
    int index = indexOf(m_cursor);
    if (m_preeditAt >= 0)
        index += m_preeditCursor;
    return m_layout.lineAt(0).cursorToX(index);
}

qreal TypingLine::lineTop() const
{
    const QRect area = textArea();
    return area.top() + (area.height() - m_layout.lineAt(0).height()) / 2;
}

qsizetype TypingLine::hitTest(int x) const
{
    ensureLayout();
    return offsetOfIndex(m_layout.lineAt(0).xToCursor(x - textArea().left()));
}

void TypingLine::paintEvent(QPaintEvent *event)
{
    ensureLayout();
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    const QRect area = textArea();
    // A keystroke repaints only the text. The frame is stroked with antialiasing, which costs
    // more than the text and hands its spans to the thread pool, so it is drawn only when
    // something outside the text needs painting.
    if (area.contains(event->rect())) {
        painter.fillRect(event->rect(), panel.palette.brush(QPalette::Base));
    } else {
        panel.rect = rect();
        panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
        panel.midLineWidth = 0;
        panel.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    }

    painter.setClipRect(area);
    QList<QTextLayout::FormatRange> selections;
    if (hasSelection()) {
        const int start = indexOf(qMax(qMin(m_cursor, m_anchor), m_viewStart));
        const int end = indexOf(qMin(qMax(m_cursor, m_anchor), m_shownEnd));
        if (end > start) {
            QTextCharFormat format;
            const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
            format.setBackground(palette().brush(group, QPalette::Highlight));
            format.setForeground(palette().brush(group, QPalette::HighlightedText));
            selections.append({start, end - start, format});
        }
    }
    painter.setPen(palette().color(QPalette::Text));
    const QPointF origin(area.left(), lineTop());
    m_layout.draw(&painter, origin, selections, area);
    if (hasFocus() && m_caretOn)
        painter.fillRect(cursorRect(), palette().color(QPalette::Text));
}

void TypingLine::resizeEvent(QResizeEvent *event)
{
    InputBoxWidget::resizeEvent(event);
    m_layoutStale = true;
}

void TypingLine::changeEvent(QEvent *event)
{
    InputBoxWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_layoutStale = true;
        updateGeometry();
        update();
    }
}

void TypingLine::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!m_preedit.isEmpty())
        QGuiApplication::inputMethod()->commit();
    if (event->button() == Qt::MiddleButton) {
        const QClipboard *clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            moveCursor(hitTest(point.x()), false);
            const QString pasted = firstLine(clipboard->text(QClipboard::Selection));
            if (!pasted.isEmpty())
                insert(pasted);
        }
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_selecting = true;
    moveCursor(hitTest(point.x()), event->modifiers() & Qt::ShiftModifier);
}

void TypingLine::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    const QRect area = textArea();
    const int x = event->position().toPoint().x();
    ensureLayout();
    // Past an edge the text scrolls a character per move, without a timer running.
    qsizetype offset;
    if (x < area.left() && m_viewStart > 0)
        offset = previousGrapheme(m_text, m_viewStart);
    else if (x > area.right() && visibleSpan().end < m_text.size())
        offset = nextGrapheme(m_text, visibleSpan().end);
    else
        offset = hitTest(x);
    if (offset != m_cursor)
        moveCursor(offset, true);
}

void TypingLine::mouseReleaseEvent(QMouseEvent *event)
{
    releaseDrag(*event);
}

void TypingLine::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        selectWordAt(hitTest(event->position().toPoint().x()));
}

void TypingLine::focusInEvent(QFocusEvent *event)
{
    InputBoxWidget::focusInEvent(event);
    restartBlink();
    update();
}

void TypingLine::focusOutEvent(QFocusEvent *event)
{
    InputBoxWidget::focusOutEvent(event);
    m_blink.stop();
    update();
}

void TypingLine::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_blink.timerId()) {
        InputBoxWidget::timerEvent(event);
        return;
    }
    m_caretOn = !m_caretOn;
    update(cursorRect().adjusted(-1, 0, 1, 0));
}

void TypingLine::updateText()
{
    update(textArea());
}

void TypingLine::restartBlink()
{
    m_caretOn = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flashTime > 0)
        m_blink.start(flashTime / 2, this);
    else
        m_blink.stop();
}

void TypingLine::notifyCursor()
{
    if (!m_inEditHandler)
        TextBoxAccessible::announceCaret(this, m_cursor, m_anchor);
}

} // namespace keyvora
