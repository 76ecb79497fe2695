// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionGroupBox>

namespace keyvora {

// A group box that draws its frame and caption once into a pixmap and repaints from there. The
// labels on the statistics box are see-through, so each of their updates, several a second
// while the clock runs, repaints the box beneath them; Fusion would load its frame picture and
// lay out the caption every time.
class CachedGroupBox final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_painted;
    QStyleOptionGroupBox m_paintedAs; // what m_painted shows
};

} // namespace keyvora
