// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ascconverter.h"

#include "boxes/boxwidgets.h"
#include "design/designfont.h"
#include "design/units.h"
#include "shell/platform.h"
#include "shell/texts.h"
#include "textio/windows1252.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace keyvora {

int characterCode(char32_t character)
{
    // The bytes Windows-1252 leaves undefined stand for themselves, as C1 controls do.
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == character)
            return int(0x80 + i);
    }
    return int(character);
}

AscConverter::AscConverter(Platform &platform, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_platform(platform)
    , Label2(new QLabel(englishText(Text::ConverterCharacter), this))
    , Label1(new QLabel(englishText(Text::ConverterCode), this))
    , Text1(new QLineEdit(this))
    , Text2(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmAscConverter"));
    setWindowTitle(englishText(Text::ConverterCaption));
    setFont(designFont(QStringLiteral("Arial"), 8.25));
    setFixedSize(twips(2175), twips(1470));

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(240, 120, 855, 255));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1200, 120, 855, 255));

    QFont boxFont = designFont(QStringLiteral("Arial"), 15.75);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipsRect(1200, 480, 735, 495));
    Text2->setFont(boxFont);
    boxFont.setBold(true);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(240, 480, 735, 495));
    Text1->setFont(boxFont);
    Text1->installEventFilter(this);
    setTabOrder(Text1, Text2);
    // Each box is named by the caption above it.
    Label2->setBuddy(Text1);
    Label1->setBuddy(Text2);
}

// First in the tab order, so the focus starts in the character box at each opening.
void AscConverter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Text1->setFocus();
}

void AscConverter::Text1_KeyPress(char32_t keyAscii)
{
    Text1->clear();
    Text2->clear();
    Text2->setText(QString::number(characterCode(keyAscii)));
    // The focus stays in the character box: the code is said with the caption of its box,
    // which is English in both languages' windows.
    if (m_platform.screenReaderActive()) {
        m_platform.hushAnnouncements();
        m_platform.announce(Label1->text() + QStringLiteral(": ") + Text2->text(),
                            englishText(Text::SpeechLanguage));
    }
}

bool AscConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Text1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const std::optional<char32_t> typed = typedCharacter(static_cast<const QKeyEvent &>(*event));
    if (!typed)
        return false;
    const char32_t character = *typed;
    Text1_KeyPress(character);
    if (character < 0x20 || character == 0x7F) {
        // A control code puts nothing into the emptied box, and Enter or Escape must not
        // reach the dialog, which would close on them.
        return true;
    }
    Text1->insert(QString::fromUcs4(&character, 1));
    return true;
}

} // namespace keyvora
