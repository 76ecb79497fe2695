// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchplatform.h"

#include "boxes/practicetextview.h"
#include "boxes/typingline.h"
#include "stockboxes.h"

#include <QDialog>

#include <algorithm>

namespace keyvora::bench {

namespace {

constexpr qint64 kTickNs = 100'000'000;

} // namespace

BenchTicker::BenchTicker(QString named, std::function<void()> onTick, Clocks clocks)
    : name(std::move(named))
    , m_onTick(std::move(onTick))
{
    if (clocks == Clocks::Real)
        m_real = std::make_unique<QtTicker>([this] { fire(); });
}

void BenchTicker::start()
{
    if (isActive())
        return;
    m_started.start();
    m_ticks = 0;
    m_lastTickNs = 0;
    m_worstLatenessNs = 0;
    if (m_real)
        m_real->start();
    else
        m_manualActive = true;
}

void BenchTicker::stop()
{
    if (m_real)
        m_real->stop();
    else
        m_manualActive = false;
}

bool BenchTicker::isActive() const
{
    return m_real ? m_real->isActive() : m_manualActive;
}

void BenchTicker::fire()
{
    if (m_started.isValid()) {
        ++m_ticks;
        m_lastTickNs = m_started.nsecsElapsed();
        m_worstLatenessNs = std::max(m_worstLatenessNs, m_lastTickNs - m_ticks * kTickNs);
    }
    m_onTick();
}

// Every timer on the 100 ms grid: the bench's clocks are the practice's.
std::unique_ptr<Ticker> BenchPlatform::makeTicker(const QString &name, std::function<void()> onTick,
                                                  int)
{
    auto ticker = std::make_unique<BenchTicker>(name, std::move(onTick), m_clocks);
    m_tickers.push_back(ticker.get());
    return ticker;
}

std::unique_ptr<CommonDialog> BenchPlatform::makeCommonDialog(QWidget *)
{
    return std::make_unique<BenchDialog>(openAnswer);
}

int BenchPlatform::showModal(QDialog &dialog)
{
    dialog.show();
    dialog.repaint();
    ++modals;
    dialog.hide();
    return dialog.result();
}

SourceBoxWidget *BenchPlatform::makeSourceBox(QWidget *parent)
{
    switch (m_boxes) {
    case Boxes::Ours:
        return new PracticeTextView(parent);
    case Boxes::StockTextEdit:
        return new StockSourceBox(StockSourceBox::Edit::Rich, parent);
    case Boxes::StockPlainTextEdit:
        break;
    }
    return new StockSourceBox(StockSourceBox::Edit::Plain, parent);
}

InputBoxWidget *BenchPlatform::makeInputBox(QWidget *parent)
{
    if (m_boxes == Boxes::Ours)
        return new TypingLine(parent);
    return new StockInputBox(parent);
}

BenchTicker &BenchPlatform::ticker(const QString &name) const
{
    const auto found = std::find_if(m_tickers.begin(), m_tickers.end(),
                                    [&name](const BenchTicker *t) { return t->name == name; });
    if (found == m_tickers.end())
        qFatal("no ticker is named %s", qPrintable(name));
    return **found;
}

} // namespace keyvora::bench
