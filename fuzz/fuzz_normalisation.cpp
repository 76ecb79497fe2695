// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rewrites of a loaded text, checked against the one-pass account of what they must give.

#include "engine/normalisation.h"
#include "require.h"
#include "tests/support/reference.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

void check(const QString &loaded)
{
    const QString held = keyvora::normalisePracticeText(loaded);
    KEYVORA_REQUIRE(held == keyvora::test::heldText(loaded));
    // Nothing is left to rewrite: loading the held text without its marker gives it back.
    KEYVORA_REQUIRE(keyvora::normalisePracticeText(held.chopped(1)) == held);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Bytes as one character each, and as UTF-16 code units (lone surrogates included).
    check(QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    check(QString::fromStdU16String(units));
    return 0;
}
