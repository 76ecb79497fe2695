// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/platform.h"
#include "shell/registry.h"

class QAccessibleEvent;

namespace keyvora {

// Whether a screen reader is told of the event: not while its control's window is hidden. A
// reader that hears of a control keeps the states it read then, and Qt 6.4 later tells it of
// "showing" but never of "visible", so the main windows, built behind the splash, would stay
// hidden from Orca's flat review whenever Orca started first.
bool reachesScreenReader(const QAccessibleEvent &event);
// Holds back, for the whole program, the events reachesScreenReader turns away.
void keepHiddenWindowsFromScreenReaders();

class Bell;
class ScreenReaderSpeech;

// The desktop as it really is: Qt timers, the sound theme's bell, modal message boxes.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    // Connects to the sound server now, from the bell's own thread, so that the first mistake
    // does not wait for it; the first beep does it otherwise.
    void prepareBell();

    std::unique_ptr<Ticker> makeTicker(const QString &name, std::function<void()> onTick,
                                       int intervalMs) override;
    void beep() override;
    void message(QWidget *parent, const QString &title, const QString &text,
                 Buttons buttons) override;
    std::unique_ptr<CommonDialog> makeCommonDialog(QWidget *parent) override;
    bool screenReaderActive() const override;
    void announce(const QString &message, const QString &language) override;
    void hushAnnouncements() override;
    int showModal(QDialog &dialog) override;
    void quit() override;
    SourceBoxWidget *makeSourceBox(QWidget *parent) override;
    InputBoxWidget *makeInputBox(QWidget *parent) override;
    QStringList dataFolders() const override;
    Registry &registry() override { return m_registry; }
    ProgramLauncher &launcher() override { return m_launcher; }

private:
    EmptyRegistry m_registry;
    QtProgramLauncher m_launcher;
    std::unique_ptr<Bell> m_bell;
    std::unique_ptr<ScreenReaderSpeech> m_speech;
};

} // namespace keyvora
