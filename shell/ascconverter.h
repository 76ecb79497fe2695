// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace keyvora {

class Platform;

// The code the converter shows for a character: its Windows-1252 code where that code page
// has the character, otherwise its Unicode code point, so nothing ever reads as the 63 of a
// replacement "?".
int characterCode(char32_t character);

// A tool window that shows the code of every character typed into its left box.
class AscConverter final : public QDialog {
    Q_OBJECT

public:
    explicit AscConverter(Platform &platform, QWidget *parent = nullptr);

    void Text1_KeyPress(char32_t keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Platform &m_platform;
    // In reading order, which is the order the controls are made in and a screen reader meets.
    QLabel *Label2; // "Character", above Text1
    QLabel *Label1; // "ASCII code", above Text2
    QLineEdit *Text1;
    QLineEdit *Text2;
};

} // namespace keyvora
