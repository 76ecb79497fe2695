// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cachedgroupbox.h"

#include <QEvent>
#include <QPainter>
#include <QStylePainter>

namespace keyvora {

namespace {

bool drawsAlike(const QStyleOptionGroupBox &a, const QStyleOptionGroupBox &b)
{
    return a.rect == b.rect && a.state == b.state && a.text == b.text &&
           a.textColor == b.textColor && a.textAlignment == b.textAlignment &&
           a.features == b.features && a.subControls == b.subControls &&
           a.palette.cacheKey() == b.palette.cacheKey() && a.direction == b.direction;
}

} // namespace

void CachedGroupBox::paintEvent(QPaintEvent *)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    if (m_painted.isNull() || m_painted.devicePixelRatio() != ratio ||
        !drawsAlike(option, m_paintedAs)) {
        m_painted = QPixmap((QSizeF(size()) * ratio).toSize());
        m_painted.setDevicePixelRatio(ratio);
        m_painted.fill(Qt::transparent);
        // As QGroupBox paints itself, with the font and pen a painter on the box starts with.
        QStylePainter painter(&m_painted, this);
        painter.setFont(font());
        painter.setPen(QPen(palette().brush(foregroundRole()), 1));
        painter.setBackground(palette().brush(backgroundRole()));
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        m_paintedAs = option;
    }
    // Clipped to what needs painting: the strip under one label costs only its own pixels.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_painted);
}

void CachedGroupBox::changeEvent(QEvent *event)
{
    // Fonts and styles change what is drawn without changing the option compared above.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_painted = QPixmap();
    QGroupBox::changeEvent(event);
}

} // namespace keyvora
