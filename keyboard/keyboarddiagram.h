// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keyboard/boxlabel.h"
#include "keyboard/keymodel.h"

#include <QFrame>

#include <array>

namespace keyvora {

class SvgPicture;

// The keyboard frame fraKeyboard with its 61 key boxes, built from the key model in one of
// the windows' designs and placed at that design's position in its parent. The main design
// adds the two hand pictures and the nine finger markers, hidden; the finger-colour design
// adds the legend.
class KeyboardDiagram : public QFrame {
    Q_OBJECT
public:
    explicit KeyboardDiagram(DiagramWindow window, QWidget *parent = nullptr);
    explicit KeyboardDiagram(const DiagramDesign &design, QWidget *parent = nullptr);

    const DiagramDesign &design() const { return m_design; }

    // What a screen reader says of the keyboard and of the parts that show no caption: the
    // hands, the finger markers and the keys without a legend, in English or in Malay.
    void describe(bool malay);

    // The lblKey member at an index, or null where the array has none.
    BoxLabel *lblKey(int index) const;
    // The finger marker of a slot, or null outside 0 to 8 and in diagrams without hands.
    BoxLabel *lblFinger(int slot) const;

    // Addressed by lblKey index; an index without a member is passed over.
    void setKeyFillMode(int index, FillMode mode);
    void setKeyCaption(int index, const QString &caption);
    // Slots outside 0 to 8, or a diagram without markers, are passed over.
    void setFingerVisible(int slot, bool visible);

private:
    BoxLabel *addBox(const QString &name, const TwipRect &rect);
    void addHand(const char *name, const QString &picture, const TwipRect &rect, int firstSlot,
                 int endSlot);

    DiagramDesign m_design;
    std::array<BoxLabel *, 128> m_lblKey{};
    std::array<BoxLabel *, kFingerSlots> m_lblFinger{};
};

} // namespace keyvora
