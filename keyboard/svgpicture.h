// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace keyvora {

// A picture control drawn from vector art, so it stays sharp at any scale factor. The art is
// drawn once per size into a pixmap: the finger markers above it uncover parts of it on every
// keystroke, and drawing the paths again each time would cost more than the rest of the key.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(const QString &resource, QWidget *parent = nullptr);
    bool isValid() const { return m_renderer.isValid(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
    QPixmap m_rendered;
};

} // namespace keyvora
