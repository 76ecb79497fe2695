// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/boxlabel.h"

#include <QPainter>

namespace keyvora {

BoxLabel::BoxLabel(QWidget *parent)
    : QWidget(parent)
    , m_fillColour(palette().color(QPalette::Button))
{
}

void BoxLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void BoxLabel::setFillMode(FillMode mode)
{
    if (mode == m_fillMode)
        return;
    m_fillMode = mode;
    update();
}

void BoxLabel::setFillColour(const QColor &colour)
{
    if (colour == m_fillColour)
        return;
    m_fillColour = colour;
    update();
}

void BoxLabel::setBorder(bool border)
{
    if (border == m_border)
        return;
    m_border = border;
    update();
}

void BoxLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = rect();
    if (m_fillMode == FillMode::Opaque)
        painter.fillRect(box, m_fillColour);
    // The border is filled rather than stroked, so it stays one sharp pixel line at any
    // integer scale.
    QRect inner = box;
    if (m_border) {
        const QColor line = palette().color(QPalette::WindowText);
        painter.fillRect(box.left(), box.top(), box.width(), 1, line);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, line);
        painter.fillRect(box.left(), box.top(), 1, box.height(), line);
        painter.fillRect(box.right(), box.top(), 1, box.height(), line);
        inner.adjust(1, 1, -1, -1);
    }
    if (m_caption.isEmpty())
        return;
    // A filled box may wear one of the design's fixed colours, which the desktop's text colour
    // need not suit: its caption takes whichever of black and white reads on the fill.
    const QColor ink =
        m_fillMode == FillMode::Opaque
            ? (m_fillColour.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white))
            : palette().color(QPalette::WindowText);
    painter.setPen(ink);
    painter.setFont(font());
    // No Qt::TextShowMnemonic: the caption is drawn as it stands. A caption wider than its
    // box breaks between words, as the legend's two-word captions must.
    painter.drawText(inner, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

} // namespace keyvora
