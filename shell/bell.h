#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace keyvora {

// The mistake's sound. The sound system is reached from a thread of its own, so a ring never
// waits for it, however slow it is to start; rings that come while it is busy make one sound.
class Bell {
public:
    // play makes one sound and says whether it could; fallback runs when it could not.
    Bell(std::function<bool()> play, std::function<void()> fallback);
    ~Bell();

    void ring();

private:
    void run();

    std::function<bool()> m_play;
    std::function<void()> m_fallback;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_stopping = false;
    std::thread m_worker;
};

// The desktop sound theme's bell event, through the freedesktop event-sound library.
std::function<bool()> desktopBellSound();

} // namespace keyvora
