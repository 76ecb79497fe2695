// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/boxwidgets.h"
#include "boxes/selectabletext.h"
#include "boxes/wrappedtextlayout.h"

#include <optional>

namespace keyvora {

// The practice text's box. Holds the text exactly as written (a lone CR or LF stays what it is)
// and lays out only the lines in view, so a whole book loads and follows the learner as fast as
// a sentence does. The learner's position shows as a light mark on the next character to type,
// and the view scrolls to keep it in sight. The learner may select and copy but never edit.
class PracticeTextView : public SourceBoxWidget, public SelectableText {
    Q_OBJECT
public:
    explicit PracticeTextView(QWidget *parent = nullptr);
    ~PracticeTextView() override;

    QString text() const override { return m_text; }
    void setText(QString text) override;
    void setPosition(qint64 position) override;

    // The text shown whole in the view, from the start of its first line to the end of its last.
    TextSpan visibleSpan() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // AccessibleTextSource
    bool isTextEditable() const override { return false; }
    bool isTextMultiLine() const override { return true; }
    void selectRange(qsizetype anchor, qsizetype caret) override;
    QRect characterRect(qsizetype offset) const override;
    qsizetype offsetAt(const QPoint &point) const override;
    void revealOffset(qsizetype offset) override;
    TextSpan lineSpanAt(qsizetype offset) const override;
    void replaceRange(qsizetype, qsizetype, const QString &) override {}

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    using Line = WrappedTextLayout::Line;
    enum class Reveal { WithContext, Minimal };

    QRect textArea() const;
    // What a move of the position, the selection or the view changes: never the frame, and the
    // scroll bar only when its slider moves.
    void updateText();
    void prepare() const;
    bool reveal(qsizetype offset, Reveal how);
    void showFrom(Line top);
    void scrollLines(int count);
    void scrollTo(qsizetype offset);
    int rowsInView() const;
    std::optional<QRectF> rowRect(qsizetype offset, Line *line = nullptr) const;
    QRect markRect(qint64 position) const;
    qsizetype hitTest(const QPoint &point) const;
    void moveCursor(qsizetype offset, bool select);
    qsizetype offsetAbove(qsizetype offset, int lines) const;
    void onScrollAction(int action);
    TextSpan shownSpan() const;
    void syncScrollBar() const;
    void setLayoutGeometry();
    void notifyCursor();

    qint64 m_position = 0;
    mutable std::optional<qreal> m_goalX; // the column Up and Down keep

    // The view is worked out lazily: a hidden box only records what to show.
    mutable WrappedTextLayout m_lines;
    mutable qsizetype m_top = 0; // start of the first line shown
    mutable bool m_revealPending = false;
    mutable bool m_scrollBarStale = true;
};

} // namespace keyvora
