// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/keyboarddiagram.h"

#include "design/designfont.h"
#include "keyboard/svgpicture.h"

#include <QAccessibleWidget>

namespace keyvora {

namespace {

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont toFont(FontSpec design)
{
    QFont font;
    font.setFamilies(
        designFamilies(QString::fromLatin1(design.family.data(), qsizetype(design.family.size()))));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(fontPixelSize(design));
    return font;
}

// A plain frame reads as a window frame to a screen reader ("frame"); the keyboard is a group of
// keys, named by the window that shows it.
QAccessibleInterface *makeDiagramAccessible(const QString &, QObject *object)
{
    if (auto *diagram = qobject_cast<KeyboardDiagram *>(object))
        return new QAccessibleWidget(diagram, QAccessible::Grouping);
    return nullptr;
}

} // namespace

KeyboardDiagram::KeyboardDiagram(DiagramWindow window, QWidget *parent)
    : KeyboardDiagram(diagramDesign(window), parent)
{
}

KeyboardDiagram::KeyboardDiagram(const DiagramDesign &design, QWidget *parent)
    : QFrame(parent)
    , m_design(design)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(makeDiagramAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setObjectName(QStringLiteral("fraKeyboard"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(toFont(design.frameFont));
    setGeometry(twipsRect(design.frame));

    const QColor buttonFace = palette().color(QPalette::Button);
    for (const KeySpec &key : keys()) {
        // The hands stand beside the middle rows. Made between the rows, they come where the
        // eye meets them in reading order, each below the markers made after it.
        if (design.handsAndMarkers && key.row == 2 && !m_lblFinger[0])
            addHand("imgLeftHand", QStringLiteral(":/keyvora/lefthand.svg"), kLeftHandRect, 0, 4);
        if (design.handsAndMarkers && key.row == 5 && !m_lblFinger[4])
            addHand("imgRightHand", QStringLiteral(":/keyvora/righthand.svg"), kRightHandRect, 4,
                    kFingerSlots);
        BoxLabel *box = addBox(keyObjectName(key), keyRect(key, design.size));
        const KeyFace face = keyFace(key, design.colouring);
        box->setFont(toFont(keyFont(design, key.font)));
        box->setCaption(face.caption);
        box->setFillColour(face.fill ? toColor(*face.fill) : buttonFace);
        box->setFillMode(face.opaque ? FillMode::Opaque : FillMode::Transparent);
        if (key.index)
            m_lblKey[std::size_t(*key.index)] = box;
    }

    if (design.legend) {
        for (const LegendBox &legend : fingerLegend()) {
            BoxLabel *box =
                addBox(QStringLiteral("lblLegend%1").arg(QString::fromLatin1(legend.caption)),
                       legend.rect);
            box->setBorder(false);
            box->setCaption(QString::fromLatin1(legend.caption));
            box->setFillColour(toColor(*fingerColour(legend.group)));
            box->setFillMode(FillMode::Opaque);
        }
    }
}

void KeyboardDiagram::addHand(const char *name, const QString &picture, const TwipRect &rect,
                              int firstSlot, int endSlot)
{
    auto *hand = new SvgPicture(picture, this);
    hand->setObjectName(QLatin1String(name));
    hand->setGeometry(twipsRect(rect));
    for (int slot = firstSlot; slot < endSlot; ++slot) {
        BoxLabel *marker = addBox(QStringLiteral("lblFinger(%1)").arg(slot), finger(slot).marker);
        marker->setFillColour(toColor(colours::kFingerMarker));
        marker->setFillMode(FillMode::Opaque);
        marker->hide();
        m_lblFinger[std::size_t(slot)] = marker;
    }
}

BoxLabel *KeyboardDiagram::addBox(const QString &name, const TwipRect &rect)
{
    auto *box = new BoxLabel(this);
    box->setObjectName(name);
    box->setGeometry(twipsRect(rect));
    return box;
}

BoxLabel *KeyboardDiagram::lblKey(int index) const
{
    if (index < 0 || std::size_t(index) >= m_lblKey.size())
        return nullptr;
    return m_lblKey[std::size_t(index)];
}

namespace {

struct PartText {
    const char *part; // object name; "" for the diagram itself
    const char16_t *english;
    const char16_t *malay;
};

// What the parts without a caption are, English and Malay side by side.
constexpr PartText kPartTexts[] = {
    {"", u"On-screen keyboard", u"Papan kekunci pada skrin"},
    {"imgLeftHand", u"Left hand", u"Tangan kiri"},
    {"imgRightHand", u"Right hand", u"Tangan kanan"},
    {"lblFinger", u"The finger for the next character", u"Jari untuk aksara seterusnya"},
    {"lblWinKey1", u"Super key", u"Kekunci Super"},
    {"lblWinKey2", u"Super key", u"Kekunci Super"},
    {"lblAppKey", u"Menu key", u"Kekunci Menu"},
};

} // namespace

void KeyboardDiagram::describe(bool malay)
{
    for (const PartText &row : kPartTexts) {
        const QString what = QString::fromUtf16(malay ? row.malay : row.english);
        if (!*row.part) {
            // The frame by a name only: a description would be read again before each key.
            setAccessibleName(what);
            continue;
        }
        // A control array's members share the name before their index.
        const QString name = QLatin1String(row.part);
        for (QWidget *part : findChildren<QWidget *>()) {
            if (part->objectName() == name || part->objectName().startsWith(name + u'(')) {
                part->setAccessibleName(what);
                part->setAccessibleDescription(what);
            }
        }
    }
}

BoxLabel *KeyboardDiagram::lblFinger(int slot) const
{
    if (slot < 0 || slot >= kFingerSlots)
        return nullptr;
    return m_lblFinger[std::size_t(slot)];
}

void KeyboardDiagram::setKeyFillMode(int index, FillMode mode)
{
    if (BoxLabel *box = lblKey(index))
        box->setFillMode(mode);
}

void KeyboardDiagram::setKeyCaption(int index, const QString &caption)
{
    if (BoxLabel *box = lblKey(index))
        box->setCaption(caption);
}

void KeyboardDiagram::setFingerVisible(int slot, bool visible)
{
    if (BoxLabel *marker = lblFinger(slot))
        marker->setVisible(visible);
}

} // namespace keyvora
