#pragma once

#include "reference.h"

#include "shell/commondialog.h"
#include "shell/platform.h"
#include "shell/qtplatform.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace keyvora::test {

// What the open dialog answers, and what it was asked with.
struct OpenScript {
    QString answer;                   // empty: the learner cancels
    std::function<void()> whenChosen; // runs as the dialog closes on a chosen file
    QString seenFilter;
    bool seenCancelError = false;
};

class FakeCommonDialog final : public CommonDialog {
public:
    explicit FakeCommonDialog(OpenScript &script)
        : m_script(script)
    {
    }
    bool showOpen() override
    {
        m_script.seenFilter = filter();
        m_script.seenCancelError = cancelError();
        if (m_script.answer.isEmpty())
            return false;
        setFileName(m_script.answer);
        if (m_script.whenChosen)
            m_script.whenChosen();
        return true;
    }
    void showHelp() override {}

private:
    OpenScript &m_script;
};

struct Message {
    QString title;
    QString text;
    Platform::Buttons buttons;
};

// The real boxes, with everything that would block or wait replaced.
class FakePlatform final : public Platform {
public:
    std::unique_ptr<Ticker> makeTicker(std::function<void()> onTick) override
    {
        return makeManualTicker(std::move(onTick));
    }
    void beep() override { ++beeps; }
    void message(QWidget *, const QString &title, const QString &text, Buttons buttons) override
    {
        messages.push_back({title, text, buttons});
    }
    std::unique_ptr<CommonDialog> makeCommonDialog(QWidget *) override
    {
        return std::make_unique<FakeCommonDialog>(open);
    }
    SourceBoxWidget *makeSourceBox(QWidget *parent) override
    {
        return m_real.makeSourceBox(parent);
    }
    InputBoxWidget *makeInputBox(QWidget *parent) override { return m_real.makeInputBox(parent); }

    int beeps = 0;
    std::vector<Message> messages;
    OpenScript open;

private:
    QtPlatform m_real;
};

} // namespace keyvora::test
