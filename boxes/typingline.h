// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/boxwidgets.h"
#include "boxes/selectabletext.h"

#include <QBasicTimer>
#include <QTextLayout>

#include <optional>

namespace keyvora {

// The single-line box the learner types into. Only the stretch of text in view is laid out, so
// an hour of typing (hundreds of thousands of characters on one line) costs a keystroke no more
// than the first minute did. Every key raises key down, then key press with its character by
// reference for keys that type one, then the edit with its change event, then key up on
// release. A character committed by an input method (a dead key, the compose key) counts as
// the character of a key press, so it is judged like one.
class TypingLine : public InputBoxWidget, public SelectableText {
    Q_OBJECT
public:
    explicit TypingLine(QWidget *parent = nullptr);
    ~TypingLine() override;

    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    void setCursorPosition(qint64 position) override;

    void cut();
    void paste();

    // Where the caret is drawn, in widget coordinates.
    QRect cursorRect() const;
    // The text shown, from the first character in view to the last.
    TextSpan visibleSpan() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // AccessibleTextSource
    bool isTextEditable() const override { return true; }
    bool isTextMultiLine() const override { return false; }
    void selectRange(qsizetype anchor, qsizetype caret) override;
    QRect characterRect(qsizetype offset) const override;
    qsizetype offsetAt(const QPoint &point) const override;
    void revealOffset(qsizetype offset) override;
    TextSpan lineSpanAt(qsizetype) const override { return {0, m_text.size()}; }
    void replaceRange(qsizetype start, qsizetype end, const QString &text) override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void typeCode(char16_t code);
    void applyCode(char16_t code);
    void editingKey(QKeyEvent *event);
    void edit(qsizetype start, qsizetype end, const QString &text);
    void insert(const QString &text);
    void backspace();
    void deleteForward();
    void moveCursor(qsizetype offset, bool select);
    void caretMoved();

    QRect textArea() const;
    void ensureLayout() const;
    void layOutFrom(qsizetype start) const;
    qsizetype startBefore(qsizetype end, qreal width, const QString &suffix) const;
    // The start that brings the caret within the limit, read off the stretch laid out now.
    std::optional<qsizetype> startToShowCaret(qreal limit) const;
    int indexOf(qsizetype offset) const;
    qsizetype offsetOfIndex(int index) const;
    qreal caretX() const;
    qreal lineTop() const;
    qsizetype hitTest(int x) const;
    // What an edit or a caret move changes: the text, not the frame around it.
    void updateText();
    void restartBlink();
    void notifyCursor();

    QString m_preedit;
    int m_preeditCursor = 0;
    QBasicTimer m_blink;
    bool m_caretOn = true;
    // While an edit's handler runs, what it writes into the box is told with the edit, as one
    // change: a screen reader falls behind on every event it is sent.
    bool m_inEditHandler = false;
    bool m_rewrittenInEdit = false;

    // The shown stretch, worked out before the next paint or query.
    mutable QTextLayout m_layout;
    mutable qsizetype m_viewStart = 0;
    mutable qsizetype m_shownEnd = 0;
    mutable int m_preeditAt = -1; // layout position of the preedit, -1 when not shown
    mutable bool m_layoutStale = true;
};

} // namespace keyvora
