// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

namespace keyvora {

// Words for a screen reader's user, said through the speech server the screen reader speaks
// through. Qt 6.4 has no announcement event, and Orca 43 cannot say a changed name or
// description of a Qt control (Qt hands it the control, not the text). Said at the priority
// Orca speaks at, so a key's echo is heard first and nothing of either is cut off.
class ScreenReaderSpeech {
public:
    ScreenReaderSpeech();
    ~ScreenReaderSpeech();
    ScreenReaderSpeech(const ScreenReaderSpeech &) = delete;
    ScreenReaderSpeech &operator=(const ScreenReaderSpeech &) = delete;

    // language: an ISO 639 code, "en" or "ms".
    void say(const QString &message, const QString &language);
    // Drops what was said and not yet heard.
    void hush();

private:
    bool connect();
    void disconnect();

    struct Connection;
    std::unique_ptr<Connection> m_connection;
    QString m_language;
};

} // namespace keyvora
