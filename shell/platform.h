// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ticker.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace keyvora {

class CommonDialog;
class InputBoxWidget;
class ProgramLauncher;
class Registry;
class SourceBoxWidget;

// What the windows take from the desktop. Tests hand the windows a fake, so that timers tick
// on demand, beeps are counted and no modal box ever blocks.
class Platform {
public:
    enum class Buttons { Ok, OkCancel };

    virtual ~Platform() = default;

    // A timer named for the window that owns it and its use there ("frmMain.tmrSpeed"), so that
    // a debugger, or a test's fake desktop, can tell the timers apart.
    virtual std::unique_ptr<Ticker> makeTicker(const QString &name, std::function<void()> onTick,
                                               int intervalMs) = 0;
    virtual void beep() = 0;
    // A modal message box without an icon; returns when the learner closes it.
    virtual void message(QWidget *parent, const QString &title, const QString &text,
                         Buttons buttons) = 0;
    virtual std::unique_ptr<CommonDialog> makeCommonDialog(QWidget *parent) = 0;
    // Whether a screen reader listens; nothing is put into words for it otherwise, so a
    // keystroke costs no more than it does without one.
    virtual bool screenReaderActive() const = 0;
    // Has the message said to the screen reader's user, after what the reader is saying, in
    // the language given ("en", "ms").
    virtual void announce(const QString &message, const QString &language) = 0;
    // Drops what was announced and not yet said: a new key makes it stale.
    virtual void hushAnnouncements() = 0;
    // Shows a window modally and returns its result once the learner has closed it.
    virtual int showModal(QDialog &dialog) = 0;
    // Ends the program once the event loop regains control, with exit status 0.
    virtual void quit() = 0;

    // The two practice boxes, parented to the given widget.
    virtual SourceBoxWidget *makeSourceBox(QWidget *parent) = 0;
    virtual InputBoxWidget *makeInputBox(QWidget *parent) = 0;

    // The folders the program's own data may lie in, in the order they are tried.
    virtual QStringList dataFolders() const = 0;

    // What the About box reads and starts.
    virtual Registry &registry() = 0;
    virtual ProgramLauncher &launcher() = 0;
};

} // namespace keyvora
