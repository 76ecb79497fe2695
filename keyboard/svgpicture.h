#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace keyvora {

// A picture control drawn from vector art, so it stays sharp at any scale factor.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString &resource, QWidget *parent = nullptr);
    bool isValid() const { return m_renderer.isValid(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
};

} // namespace keyvora
