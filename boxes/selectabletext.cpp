// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/selectabletext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>

namespace keyvora {

QString SelectableText::selectedText() const
{
    return m_text.mid(qMin(m_cursor, m_anchor), qAbs(m_cursor - m_anchor));
}

void SelectableText::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void SelectableText::releaseDrag(const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton)
        return;
    m_selecting = false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void SelectableText::selectWordAt(qsizetype offset)
{
    const TextSpan word = unitAt(m_text, offset, QTextBoundaryFinder::Word);
    m_selecting = true;
    selectRange(word.start, word.end);
}

} // namespace keyvora
