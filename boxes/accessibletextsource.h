// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/textboundaries.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace keyvora {

// What the accessibility layer asks of our text boxes. Offsets count UTF-16 units of the text.
class AccessibleTextSource {
public:
    virtual ~AccessibleTextSource() = default;

    virtual const QString &accessibleText() const = 0;
    virtual bool isTextEditable() const = 0;
    virtual bool isTextMultiLine() const = 0;

    virtual qsizetype caretOffset() const = 0;
    virtual qsizetype anchorOffset() const = 0;
    virtual void selectRange(qsizetype anchor, qsizetype caret) = 0;

    // In widget coordinates; empty when the character is not in view.
    virtual QRect characterRect(qsizetype offset) const = 0;
    // -1 where there is no text.
    virtual qsizetype offsetAt(const QPoint &point) const = 0;
    virtual void revealOffset(qsizetype offset) = 0;
    // The visual line that holds offset.
    virtual TextSpan lineSpanAt(qsizetype offset) const = 0;

    // Editing by an assistive tool; raises the box's change event like any edit. Read-only boxes
    // ignore it.
    virtual void replaceRange(qsizetype start, qsizetype end, const QString &text) = 0;
};

} // namespace keyvora
