// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

namespace keyvora {

enum class FillMode { Transparent, Opaque };

// A label box as the keyboard diagram draws it: optional flat single border, caption centred
// horizontally and shown literally ("&" is an ampersand, never an access key), and a fill
// that is either drawn or left out so that the frame shows through.
class BoxLabel : public QWidget {
    Q_OBJECT
public:
    explicit BoxLabel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode);
    QColor fillColour() const { return m_fillColour; }
    void setFillColour(const QColor &colour);
    void setBorder(bool border);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    FillMode m_fillMode = FillMode::Transparent;
    QColor m_fillColour;
    bool m_border = true;
};

} // namespace keyvora
