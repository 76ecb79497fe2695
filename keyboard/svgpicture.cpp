// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/svgpicture.h"

#include <QPainter>

namespace keyvora {

SvgPicture::SvgPicture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_renderer(resource)
{
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap(pixels);
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        QPainter art(&m_rendered);
        m_renderer.render(&art, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    // Clipped to what needs painting, so an uncovered corner costs only its own pixels.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_rendered);
}

} // namespace keyvora
