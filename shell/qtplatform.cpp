// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qtplatform.h"

#include "boxes/practicetextview.h"
#include "boxes/typingline.h"
#include "shell/bell.h"
#include "shell/helpmanual.h"
#include "shell/qtcommondialog.h"
#include "shell/qtticker.h"
#include "shell/speech.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace keyvora {

bool reachesScreenReader(const QAccessibleEvent &event)
{
    // A window or control going out of sight is news to the reader, though it is hidden by then.
    if (event.type() == QAccessible::ObjectHide)
        return true;
    const auto *widget = qobject_cast<const QWidget *>(event.object());
    return !widget || widget->window()->isVisible();
}

namespace {

void updateUnlessHidden(QAccessibleEvent *event)
{
    if (!reachesScreenReader(*event))
        return;
    // Handed on to the desktop's bridge, which takes the events when no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(updateUnlessHidden);
}

} // namespace

void keepHiddenWindowsFromScreenReaders()
{
    QAccessible::installUpdateHandler(updateUnlessHidden);
}

std::unique_ptr<Ticker> QtPlatform::makeTicker(const QString &name, std::function<void()> onTick,
                                               int intervalMs)
{
    auto ticker = std::make_unique<QtTicker>(std::move(onTick), intervalMs);
    ticker->setObjectName(name);
    return ticker;
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

// The toolkit's beep stands in when the sound theme cannot be played; it must be called from
// the GUI thread, hence the queued call.
void QtPlatform::prepareBell()
{
    if (m_bell)
        return;
    auto sound = std::make_shared<DesktopBellSound>();
    m_bell = std::make_unique<Bell>(
        [sound] { sound->connect(); }, [sound] { return sound->play(); },
        [] { QMetaObject::invokeMethod(qApp, &QApplication::beep, Qt::QueuedConnection); });
}

void QtPlatform::beep()
{
    prepareBell();
    m_bell->ring();
}

void QtPlatform::message(QWidget *parent, const QString &title, const QString &text,
                         Buttons buttons)
{
    QMessageBox box(
        QMessageBox::NoIcon, title, text,
        buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::unique_ptr<CommonDialog> QtPlatform::makeCommonDialog(QWidget *parent)
{
    return std::make_unique<QtCommonDialog>(parent);
}

bool QtPlatform::screenReaderActive() const
{
    return QAccessible::isActive();
}

void QtPlatform::announce(const QString &message, const QString &language)
{
    if (!QAccessible::isActive())
        return;
    if (!m_speech)
        m_speech = std::make_unique<ScreenReaderSpeech>();
    m_speech->say(message, language);
}

void QtPlatform::hushAnnouncements()
{
    if (m_speech)
        m_speech->hush();
}

int QtPlatform::showModal(QDialog &dialog)
{
    return dialog.exec();
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}

SourceBoxWidget *QtPlatform::makeSourceBox(QWidget *parent)
{
    return new PracticeTextView(parent);
}

InputBoxWidget *QtPlatform::makeInputBox(QWidget *parent)
{
    return new TypingLine(parent);
}

QStringList QtPlatform::dataFolders() const
{
    return programDataFolders();
}

} // namespace keyvora
