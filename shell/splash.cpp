// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/splash.h"

#include "design/designfont.h"
#include "design/units.h"
#include "keyboard/svgpicture.h"
#include "shell/platform.h"
#include "shell/programidentity.h"
#include "shell/texts.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace keyvora {

namespace {

QLabel *splashLabel(QWidget *frame, const char *name, const QString &text, int left, int top,
                    const QFont &font, Qt::Alignment alignment, int designWidth)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->adjustSize();
    // A right-aligned label keeps its right edge where the design has it.
    const int x = alignment.testFlag(Qt::AlignRight)
                      ? twips(left) + twips(designWidth) - label->width()
                      : twips(left);
    label->move(x, twips(top));
    return label;
}

// A bare top-level widget reads as a client area, which a screen reader passes over. As a
// dialog the splash is named and its lines read as it appears (Orca: "Keyvora dialog For Linux
// desktops"); as a frame it would pass for the main window with the desktop's tools, which take
// a program's first frame for it.
QAccessibleInterface *makeSplashAccessible(const QString &, QObject *object)
{
    if (auto *splash = qobject_cast<Splash *>(object))
        return new QAccessibleWidget(splash, QAccessible::Dialog);
    return nullptr;
}

QFont splashFont(const char *family, double points, bool bold, bool italic)
{
    QFont font = designFont(QLatin1String(family), points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

Splash::Splash(Platform &platform, std::function<void()> onLeave, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_onLeave(std::move(onLeave))
    , tmrSplash(platform.makeTicker(
          QStringLiteral("frmSplash.tmrSplash"), [this] { tmrSplash_Timer(); }, kShownMs))
    , Frame1(new QFrame(this))
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(makeSplashAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setObjectName(QStringLiteral("frmSplash"));
    // Frameless, so the title is seen nowhere; it is the name a screen reader says as the
    // program starts.
    setWindowTitle(ProgramIdentity::title());
    setFixedSize(twips(7455), twips(4245));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twips(120), twips(60), twips(7185), twips(4035));
    Frame1->installEventFilter(this);

    imgLogo = new SvgPicture(QStringLiteral(":/keyvora/splashlogo.svg"), Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(twips(240), twips(795), twips(1815), twips(2400));
    imgLogo->setAccessibleName(englishText(Text::SplashLogo));
    imgLogo->setAccessibleDescription(englishText(Text::SplashLogoDescription));

    lblCompanyProduct =
        splashLabel(Frame1, "lblCompanyProduct", ProgramIdentity::title(), 2400, 1080,
                    splashFont("Palatino Linotype", 15.75, true, true), Qt::AlignLeft, 1935);
    lblProductName =
        splashLabel(Frame1, "lblProductName", {}, 2160, 1320,
                    splashFont("Palatino Linotype", 32.25, true, true), Qt::AlignLeft, 4830);
    lblPlatform = splashLabel(Frame1, "lblPlatform", englishText(Text::SplashPlatform), 3870, 2280,
                              splashFont("Arial", 12, true, false), Qt::AlignRight, 2985);
    lblVersion =
        splashLabel(Frame1, "lblVersion", englishText(Text::SplashVersion), 4425, 2640,
                    splashFont("Palatino Linotype", 14.25, false, true), Qt::AlignRight, 2430);
    lblDate = splashLabel(Frame1, "lblDate", englishText(Text::SplashDate), 4560, 3060,
                          splashFont("Arial", 8.25, false, false), Qt::AlignLeft, 2415);
    lblCompany = splashLabel(Frame1, "lblCompany", englishText(Text::SplashCompany), 4560, 3270,
                             splashFont("Arial", 8.25, false, false), Qt::AlignLeft, 2415);
    // A click on the text or the logo is not a click on the frame.
    for (QWidget *part :
         std::initializer_list<QWidget *>{imgLogo, lblCompanyProduct, lblProductName, lblPlatform,
                                          lblVersion, lblDate, lblCompany})
        part->installEventFilter(this);

    setFocusPolicy(Qt::StrongFocus);
    Form_Load();
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    tmrSplash->start();
}

void Splash::Form_Load()
{
    lblProductName->setText(ProgramIdentity::title());
    lblProductName->adjustSize();
}

void Splash::tmrSplash_Timer()
{
    leave();
}

void Splash::Frame1_Click()
{
    leave();
}

void Splash::Form_KeyPress(char32_t)
{
    leave();
}

// Once only: the timer stops with the window, and a late key or click finds it gone.
void Splash::leave()
{
    if (m_left)
        return;
    m_left = true;
    tmrSplash->stop();
    hide();
    if (m_onLeave)
        m_onLeave();
}

void Splash::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Queued, so the first frame reaches the screen before the work starts.
    if (m_onShown)
        QTimer::singleShot(0, this, std::exchange(m_onShown, nullptr));
}

void Splash::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress(char32_t(text.toUcs4().value(0)));
}

bool Splash::eventFilter(QObject *watched, QEvent *event)
{
    const bool mouse =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    if (!mouse)
        return QWidget::eventFilter(watched, event);
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease &&
        Frame1->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
        Frame1_Click();
    return true;
}

} // namespace keyvora
