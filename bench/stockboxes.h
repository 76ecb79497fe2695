// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boxes/boxwidgets.h"

class QLineEdit;
class QTextDocument;
class QWidget;

namespace keyvora {

// The practice box over one of Qt's stock text edits: simple, but every write lays out the
// whole text again. The text itself lives here, because the edit would turn a lone CR into a LF.
class StockSourceBox final : public SourceBoxWidget {
    Q_OBJECT
public:
    enum class Edit { Plain, Rich }; // QPlainTextEdit or QTextEdit

    explicit StockSourceBox(Edit edit = Edit::Plain, QWidget *parent = nullptr);
    QString text() const override { return m_text; }
    void setText(QString text) override;
    void setPosition(qint64 position) override;

private:
    QString m_text;
    QWidget *m_edit;
    QTextDocument *m_document;
};

// The input box over Qt's stock line edit, which lays out the whole line on every key.
class StockInputBox final : public InputBoxWidget {
    Q_OBJECT
public:
    explicit StockInputBox(QWidget *parent = nullptr);
    QString text() const override;
    void setText(const QString &text) override;
    void setCursorPosition(qint64 position) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    class Line;
    void forward(QKeyEvent *event);
    Line *m_line;
    bool m_forwarding = false;
};

} // namespace keyvora
