// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// Fixed at build time from the project's version in the build files, the one place it is set.
struct ProgramIdentity {
    static QString title() { return QStringLiteral(KEYVORA_TITLE); }
    static constexpr int major = KEYVORA_VERSION_MAJOR;
    static constexpr int minor = KEYVORA_VERSION_MINOR;
    static constexpr int revision = KEYVORA_VERSION_PATCH;
};

} // namespace keyvora
