// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// The practice text's box as the attempt sees it. setText() must raise the box's
// change notification synchronously, before it returns, whenever the text differs. It takes
// the text by value: a loader that hands over its only copy of a book leaves the box the only
// holder, and normalising can then reuse that storage.
class SourceBox {
public:
    virtual ~SourceBox() = default;
    virtual QString text() const = 0;
    virtual void setText(QString text) = 0;
    // Tells the box how many characters have been typed; positions past the end are fine.
    virtual void setPosition(qint64 position) = 0;
};

// The single-line box the learner types into, with the same change contract.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void setCursorPosition(qint64 position) = 0;
};

} // namespace keyvora
