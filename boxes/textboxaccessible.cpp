// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/textboxaccessible.h"

#include "boxes/accessibletextsource.h"

#include <QAbstractScrollArea>
#include <QWidget>

namespace keyvora {

namespace {

QAccessibleInterface *makeTextBoxAccessible(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *source = dynamic_cast<AccessibleTextSource *>(object);
    if (!source)
        return nullptr;
    return new TextBoxAccessible(static_cast<QWidget *>(object), *source);
}

} // namespace

TextBoxAccessible::TextBoxAccessible(QWidget *widget, AccessibleTextSource &source)
    : QAccessibleWidget(widget, QAccessible::EditableText)
    , m_source(source)
{
}

void TextBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeTextBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void TextBoxAccessible::announceRewrite(QObject *box, const QString &before, const QString &after)
{
    if (!QAccessible::isActive())
        return;
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    const QString removed = before.mid(head, before.size() - head - tail);
    const QString inserted = after.mid(head, after.size() - head - tail);
    // An update is told as a removal and an insertion even when one of them is empty.
    if (removed.isEmpty() && inserted.isEmpty())
        return;
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(box, int(head), inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(box, int(head), removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(box, int(head), removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void TextBoxAccessible::announceCaret(QObject *box, qsizetype caret, qsizetype anchor)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent cursor(box, int(caret));
    QAccessible::updateAccessibility(&cursor);
    if (caret != anchor) {
        QAccessibleTextSelectionEvent selection(box, int(qMin(caret, anchor)),
                                                int(qMax(caret, anchor)));
        QAccessible::updateAccessibility(&selection);
    }
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = m_source.isTextMultiLine();
    if (m_source.isTextEditable())
        state.editable = true;
    else
        state.readOnly = true;
    return state;
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return m_source.accessibleText();
    return QAccessibleWidget::text(t);
}

void *TextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return m_source.isTextEditable() ? static_cast<QAccessibleEditableTextInterface *>(this)
                                         : nullptr;
    return QAccessibleWidget::interface_cast(type);
}

void TextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    *startOffset = int(qMin(m_source.caretOffset(), m_source.anchorOffset()));
    *endOffset = int(qMax(m_source.caretOffset(), m_source.anchorOffset()));
}

int TextBoxAccessible::selectionCount() const
{
    return m_source.caretOffset() != m_source.anchorOffset() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        m_source.selectRange(m_source.caretOffset(), m_source.caretOffset());
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        m_source.selectRange(startOffset, endOffset);
}

int TextBoxAccessible::cursorPosition() const
{
    return int(m_source.caretOffset());
}

void TextBoxAccessible::setCursorPosition(int position)
{
    m_source.selectRange(position, position);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString &all = m_source.accessibleText();
    const qsizetype start = qBound(qsizetype(0), qsizetype(startOffset), all.size());
    const qsizetype end =
        endOffset < 0 ? all.size() : qBound(start, qsizetype(endOffset), all.size());
    return all.mid(start, end - start);
}

TextSpan TextBoxAccessible::spanAt(int offset, QAccessible::TextBoundaryType type) const
{
    const QString &all = m_source.accessibleText();
    const qsizetype length = all.size();
    const qsizetype at = offset == -1 ? length : offset;
    if (at < 0 || at > length)
        return {};
    TextSpan span;
    switch (type) {
    case QAccessible::CharBoundary:
        span = unitAt(all, at, QTextBoundaryFinder::Grapheme);
        break;
    case QAccessible::WordBoundary:
        span = unitAt(all, at, QTextBoundaryFinder::Word);
        break;
    case QAccessible::SentenceBoundary:
        span = unitAt(all, at, QTextBoundaryFinder::Sentence);
        break;
    case QAccessible::ParagraphBoundary:
        span = paragraphAt(all, at);
        // The break belongs to the paragraph it ends, so that stepping on reaches the next one.
        if (span.end < length) {
            const bool pair =
                all.at(span.end) == u'\r' && span.end + 1 < length && all.at(span.end + 1) == u'\n';
            span.end += pair ? 2 : 1;
        }
        break;
    case QAccessible::LineBoundary:
        span = m_source.lineSpanAt(at);
        break;
    case QAccessible::NoBoundary:
        span = {0, length};
        break;
    }
    return span;
}

QString TextBoxAccessible::spanText(const TextSpan &span, int *startOffset, int *endOffset) const
{
    // Nothing there: an offset outside the text, or the end of it.
    if (span.isEmpty()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = int(span.start);
    *endOffset = int(span.end);
    return m_source.accessibleText().mid(span.start, span.end - span.start);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int *startOffset, int *endOffset) const
{
    return spanText(spanAt(offset, boundaryType), startOffset, endOffset);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    const qsizetype length = m_source.accessibleText().size();
    const qsizetype at = offset == -1 ? length : offset;
    qsizetype start = at;
    if (at < length) {
        const TextSpan here = spanAt(int(at), boundaryType);
        if (!here.isEmpty())
            start = here.start;
    }
    if (at < 0 || at > length || start <= 0)
        return spanText({}, startOffset, endOffset);
    return spanText(spanAt(int(start - 1), boundaryType), startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int *startOffset, int *endOffset) const
{
    const qsizetype length = m_source.accessibleText().size();
    const TextSpan here = spanAt(offset, boundaryType);
    if (here.isEmpty() || here.end >= length)
        return spanText({}, startOffset, endOffset);
    return spanText(spanAt(int(here.end), boundaryType), startOffset, endOffset);
}

QAccessibleInterface *TextBoxAccessible::childAt(int x, int y) const
{
    // A reader's pointer over the text must find the box, which reads it: the scroll area's
    // viewport only paints it.
    QAccessibleInterface *child = QAccessibleWidget::childAt(x, y);
    const auto *area = qobject_cast<const QAbstractScrollArea *>(widget());
    return area && child && child->object() == area->viewport() ? nullptr : child;
}

int TextBoxAccessible::characterCount() const
{
    return int(m_source.accessibleText().size());
}

QRect TextBoxAccessible::characterRect(int offset) const
{
    const QRect local = m_source.characterRect(offset);
    if (local.isEmpty())
        return {};
    return {widget()->mapToGlobal(local.topLeft()), local.size()};
}

int TextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return int(m_source.offsetAt(widget()->mapFromGlobal(point)));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int)
{
    m_source.revealOffset(startIndex);
}

QString TextBoxAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    // Plain text: one run without attributes over the whole of it.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    m_source.replaceRange(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString &text)
{
    m_source.replaceRange(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    m_source.replaceRange(startOffset, endOffset, text);
}

} // namespace keyvora
