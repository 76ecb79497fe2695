// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ticker.h"

#include <QWidget>

#include <functional>
#include <memory>

class QFrame;
class QLabel;

namespace keyvora {

class Platform;
class SvgPicture;

// The start-up window. It gives way once, to whatever the caller starts, on the first of its
// timer, a character key or a click on the free area of its frame.
class Splash final : public QWidget {
    Q_OBJECT

public:
    Splash(Platform &platform, std::function<void()> onLeave, QWidget *parent = nullptr);

    static constexpr int kShownMs = 2000;

    void Frame1_Click();
    void Form_KeyPress(char32_t keyAscii);
    // Runs once, right after the splash is first on screen: the time to prepare what follows.
    void whenShown(std::function<void()> onShown) { m_onShown = std::move(onShown); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tmrSplash_Timer();
    void Form_Load();
    void leave();

    std::function<void()> m_onLeave;
    std::function<void()> m_onShown;
    bool m_left = false;
    std::unique_ptr<Ticker> tmrSplash;
    QFrame *Frame1;
    SvgPicture *imgLogo;
    QLabel *lblCompanyProduct;
    QLabel *lblProductName;
    QLabel *lblPlatform;
    QLabel *lblVersion;
    QLabel *lblDate;
    QLabel *lblCompany;
};

} // namespace keyvora
