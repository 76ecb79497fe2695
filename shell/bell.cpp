#include "shell/bell.h"

#include <canberra.h>

#include <memory>

namespace keyvora {

Bell::Bell(std::function<bool()> play, std::function<void()> fallback)
    : m_play(std::move(play))
    , m_fallback(std::move(fallback))
    , m_worker([this] { run(); })
{
}

Bell::~Bell()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_worker.join();
}

void Bell::ring()
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = true;
    }
    m_wake.notify_one();
}

void Bell::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (m_stopping)
            return;
        m_pending = false;
        lock.unlock();
        if (!m_play())
            m_fallback();
        lock.lock();
    }
}

std::function<bool()> desktopBellSound()
{
    ca_context *context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return [] { return false; };
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Keyvora", CA_PROP_APPLICATION_ID,
                            KEYVORA_ID, nullptr);
    const std::shared_ptr<ca_context> shared(context, ca_context_destroy);
    return [shared] {
        // The theme's own bell first; "bell" is the name older themes know.
        for (const char *event : {"bell-window-system", "bell"}) {
            if (ca_context_play(shared.get(), 0, CA_PROP_EVENT_ID, event, CA_PROP_EVENT_DESCRIPTION,
                                "Typing mistake", nullptr) == CA_SUCCESS)
                return true;
        }
        return false;
    };
}

} // namespace keyvora
