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
    QPainter painter(this);
    m_renderer.render(&painter, rect());
}

} // namespace keyvora
