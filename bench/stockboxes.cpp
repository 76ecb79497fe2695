// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stockboxes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QVBoxLayout>

#include <limits>

namespace keyvora {

namespace {

void fill(QWidget *parent, QWidget *child)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
    parent->setFocusProxy(child);
}

} // namespace

namespace {

// The two edits share these calls but no base class that has them.
template <typename Edit> Edit *readOnly(QWidget *parent)
{
    auto *edit = new Edit(parent);
    edit->setReadOnly(true);
    return edit;
}

template <typename Edit> void showPosition(QWidget *widget, const QTextCursor &cursor)
{
    auto *edit = static_cast<Edit *>(widget);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

} // namespace

StockSourceBox::StockSourceBox(Edit edit, QWidget *parent)
    : SourceBoxWidget(parent)
    , m_edit(edit == Edit::Rich ? static_cast<QWidget *>(readOnly<QTextEdit>(this))
                                : readOnly<QPlainTextEdit>(this))
    , m_document(edit == Edit::Rich ? static_cast<QTextEdit *>(m_edit)->document()
                                    : static_cast<QPlainTextEdit *>(m_edit)->document())
{
    m_edit->setFocusPolicy(Qt::ClickFocus);
    // The edit is a scroll area itself: this one only holds it.
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fill(viewport(), m_edit);
    setFocusProxy(m_edit);
}

void StockSourceBox::setText(QString text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    if (auto *rich = qobject_cast<QTextEdit *>(m_edit))
        rich->setPlainText(m_text);
    else
        static_cast<QPlainTextEdit *>(m_edit)->setPlainText(m_text);
    notifyChanged();
}

void StockSourceBox::setPosition(qint64 position)
{
    QTextCursor cursor(m_document);
    const qint64 last = m_document->characterCount() - 1;
    cursor.setPosition(int(std::clamp<qint64>(position, 0, last)));
    if (qobject_cast<QTextEdit *>(m_edit))
        showPosition<QTextEdit>(m_edit, cursor);
    else
        showPosition<QPlainTextEdit>(m_edit, cursor);
}

class StockInputBox::Line final : public QLineEdit {
public:
    explicit Line(StockInputBox *box)
        : QLineEdit(box)
        , m_box(box)
    {
        setMaxLength(std::numeric_limits<int>::max());
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        InputBoxHandler *handler = m_box->handler();
        if (!handler) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        handler->rtbInput_KeyDown(event->key(), shiftMask(event->modifiers()));
        const std::optional<char16_t> typed = keyAsciiOf(*event);
        if (!typed) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        char16_t keyAscii = *typed;
        handler->rtbInput_KeyPress(keyAscii);
        if (keyAscii == 0)
            return;
        if (keyAscii != *typed) {
            QKeyEvent replaced(event->type(), 0, Qt::NoModifier, QString(QChar(keyAscii)));
            QLineEdit::keyPressEvent(&replaced);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent *event) override
    {
        QLineEdit::keyReleaseEvent(event);
        if (InputBoxHandler *handler = m_box->handler())
            handler->rtbInput_KeyUp(event->key(), shiftMask(event->modifiers()));
    }

private:
    StockInputBox *m_box;
};

StockInputBox::StockInputBox(QWidget *parent)
    : InputBoxWidget(parent)
    , m_line(new Line(this))
{
    fill(this, m_line);
    connect(m_line, &QLineEdit::textChanged, this, [this] {
        if (handler())
            handler()->rtbInput_Change();
    });
}

QString StockInputBox::text() const
{
    return m_line->text();
}

void StockInputBox::setText(const QString &text)
{
    m_line->setText(text);
}

void StockInputBox::setCursorPosition(qint64 position)
{
    m_line->setCursorPosition(int(position));
}

// Keys sent to the box itself (tests, accessibility tools) reach the line inside; a key the
// line ignores comes back up here and must go on to the window.
void StockInputBox::keyPressEvent(QKeyEvent *event)
{
    forward(event);
}

void StockInputBox::keyReleaseEvent(QKeyEvent *event)
{
    forward(event);
}

void StockInputBox::forward(QKeyEvent *event)
{
    if (m_forwarding) {
        event->ignore();
        return;
    }
    const QScopedValueRollback forwarding(m_forwarding, true);
    QCoreApplication::sendEvent(m_line, event);
}

} // namespace keyvora
