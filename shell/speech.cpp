// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/speech.h"

#include <libspeechd.h>

#include <cstdlib>

namespace keyvora {

struct ScreenReaderSpeech::Connection {
    explicit Connection(SPDConnection *opened)
        : spd(opened)
    {
    }
    ~Connection() { spd_close(spd); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    SPDConnection *spd;
};

ScreenReaderSpeech::ScreenReaderSpeech() = default;

ScreenReaderSpeech::~ScreenReaderSpeech()
{
    disconnect();
}

// The server is the screen reader's: one is never started here, and a lost one is looked for
// again at the next message.
bool ScreenReaderSpeech::connect()
{
    if (m_connection)
        return true;
    char *error = nullptr;
    SPDConnection *opened =
        spd_open2("keyvora", "practice", nullptr, SPD_MODE_SINGLE, nullptr, 0, &error);
    std::free(error);
    if (!opened)
        return false;
    m_connection = std::make_unique<Connection>(opened);
    // Characters are named in words already; the punctuation of a sentence is not read out.
    spd_set_punctuation(opened, SPD_PUNCT_NONE);
    m_language.clear();
    return true;
}

void ScreenReaderSpeech::disconnect()
{
    m_connection.reset();
}

void ScreenReaderSpeech::say(const QString &message, const QString &language)
{
    if (message.isEmpty() || !connect())
        return;
    if (language != m_language &&
        spd_set_language(m_connection->spd, language.toUtf8().constData()) == 0)
        m_language = language;
    if (spd_say(m_connection->spd, SPD_MESSAGE, message.toUtf8().constData()) < 0)
        disconnect();
}

void ScreenReaderSpeech::hush()
{
    if (m_connection && spd_cancel(m_connection->spd) != 0)
        disconnect();
}

} // namespace keyvora
