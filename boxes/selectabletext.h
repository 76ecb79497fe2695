// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/accessibletextsource.h"

#include <QString>

class QMouseEvent;

namespace keyvora {

// What both boxes hold beneath their different layouts: the text itself, the caret with its
// anchor and the mouse's drag, and the ways a selection leaves the box. Kept in one place so
// that selecting and copying behave alike in each.
class SelectableText : public AccessibleTextSource {
public:
    bool hasSelection() const { return m_cursor != m_anchor; }
    QString selectedText() const;
    void selectAll() { selectRange(0, m_text.size()); }
    void copy() const;
    qsizetype cursorPosition() const { return m_cursor; }

    // AccessibleTextSource
    const QString &accessibleText() const override { return m_text; }
    qsizetype caretOffset() const override { return m_cursor; }
    qsizetype anchorOffset() const override { return m_anchor; }

protected:
    // The left button's release ends a drag; on desktops with a primary selection the selected
    // text becomes it, as in any other text box there.
    void releaseDrag(const QMouseEvent &event);
    // A double click selects the word under the offset, and a drag from there extends it.
    void selectWordAt(qsizetype offset);

    QString m_text;
    qsizetype m_cursor = 0;
    qsizetype m_anchor = 0;
    bool m_selecting = false;
};

} // namespace keyvora
