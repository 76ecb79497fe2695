// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/commondialog.h"
#include "shell/platform.h"
#include "shell/qtticker.h"
#include "shell/registry.h"

#include <QElapsedTimer>

#include <memory>
#include <vector>

namespace keyvora::bench {

// Which boxes the window gets: ours, or the stock ones over Qt's text edit or plain text edit
// with Qt's line edit.
enum class Boxes { Ours, StockTextEdit, StockPlainTextEdit };

// Manual tickers tick only when the bench says so; real ones are the program's own QtTicker.
enum class Clocks { Manual, Real };

// A ticker that remembers when it was started and when it ticked, so the bench can hold the
// sum of ticks against the wall clock. Manual ones tick through fire().
class BenchTicker final : public Ticker {
public:
    BenchTicker(QString named, std::function<void()> onTick, Clocks clocks);

    const QString name;

    void start() override;
    void stop() override;
    bool isActive() const override;

    // One tick, as the timer would deliver it.
    void fire();

    qint64 ticks() const { return m_ticks; }
    // Wall time from the last start to the last tick, in nanoseconds.
    qint64 lastTickNs() const { return m_lastTickNs; }
    // The latest any tick came, against its place on the 100 ms grid since the start.
    qint64 worstLatenessNs() const { return m_worstLatenessNs; }

private:
    std::function<void()> m_onTick;
    std::unique_ptr<QtTicker> m_real;
    bool m_manualActive = false;
    QElapsedTimer m_started;
    qint64 m_ticks = 0;
    qint64 m_lastTickNs = 0;
    qint64 m_worstLatenessNs = 0;
};

// The open dialog answers with the file the bench chose.
class BenchDialog final : public CommonDialog {
public:
    explicit BenchDialog(const QString &answer)
        : m_answer(answer)
    {
    }
    bool showOpen() override
    {
        setFileName(m_answer);
        return !m_answer.isEmpty();
    }
    void showHelp() override {}

private:
    const QString &m_answer;
};

// The desktop under the bench: boxes of its choice, tickers it can read, no modal box, and
// sound only where a case asks for it.
class BenchPlatform final : public Platform {
public:
    BenchPlatform(Boxes boxes, Clocks clocks)
        : m_boxes(boxes)
        , m_clocks(clocks)
    {
    }

    std::unique_ptr<Ticker> makeTicker(const QString &name, std::function<void()> onTick,
                                       int intervalMs) override;
    void beep() override
    {
        ++beeps;
        if (onBeep)
            onBeep();
    }
    void message(QWidget *, const QString &, const QString &, Buttons) override { ++messages; }
    std::unique_ptr<CommonDialog> makeCommonDialog(QWidget *) override;
    // As on a desktop without a screen reader, which is what the budgets are for.
    bool screenReaderActive() const override { return false; }
    void announce(const QString &, const QString &) override {}
    void hushAnnouncements() override {}
    // Painted once, then closed: the bench times the opening.
    int showModal(QDialog &dialog) override;
    void quit() override {}
    SourceBoxWidget *makeSourceBox(QWidget *parent) override;
    InputBoxWidget *makeInputBox(QWidget *parent) override;
    QStringList dataFolders() const override { return {}; }
    Registry &registry() override { return m_registry; }
    ProgramLauncher &launcher() override { return m_launcher; }

    Boxes boxes() const { return m_boxes; }
    // The ticker of that name ("frmMain.tmrSpeed").
    BenchTicker &ticker(const QString &name) const;
    const std::vector<BenchTicker *> &tickers() const { return m_tickers; }

    QString openAnswer;
    std::function<void()> onBeep; // the real bell, where the bench wants it heard
    int beeps = 0;
    int messages = 0;
    int modals = 0;

private:
    Boxes m_boxes;
    Clocks m_clocks;
    EmptyRegistry m_registry;
    QtProgramLauncher m_launcher;
    std::vector<BenchTicker *> m_tickers; // owned by the window
};

} // namespace keyvora::bench
