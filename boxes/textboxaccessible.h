// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/textboundaries.h"

#include <QAccessibleWidget>

namespace keyvora {

class AccessibleTextSource;

// Our two text boxes as assistive technology sees them: the text role, with text, caret and
// selection readable as for the stock text widgets. The practice box is read-only and
// multi-line, the input box editable and single-line.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    TextBoxAccessible(QWidget *widget, AccessibleTextSource &source);

    // Registers the factory that hands these out; the boxes call it, once is enough.
    static void install();
    // Tells assistive tools what a write of the whole text changed, as the stretch that differs:
    // a mistake mark in an hour's typing is one character, not the hour twice.
    static void announceRewrite(QObject *box, const QString &before, const QString &after);
    static void announceCaret(QObject *box, qsizetype caret, qsizetype anchor);

    QAccessible::State state() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface, offered by the input box only
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    TextSpan spanAt(int offset, QAccessible::TextBoundaryType type) const;
    QString spanText(const TextSpan &span, int *startOffset, int *endOffset) const;

    AccessibleTextSource &m_source;
};

} // namespace keyvora
