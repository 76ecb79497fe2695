// The four rewrites of a loaded text, checked against a one-pass account of what they must
// give and against the properties the keystroke check relies on.

#include "engine/normalisation.h"
#include "require.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

QString expectedHeld(const QString &loaded)
{
    QString held;
    for (qsizetype i = 0; i < loaded.size(); ++i) {
        if (loaded[i] == u'\r' && i + 1 < loaded.size() && loaded[i + 1] == u'\n') {
            held += u' ';
            ++i;
        } else {
            held += loaded[i] == u'\t' ? QChar(u' ') : loaded[i];
        }
    }
    while (held.endsWith(u' '))
        held.chop(1);
    return held + u'\r';
}

void check(const QString &loaded)
{
    using namespace keyvora;
    const QString held = normalisePracticeText(loaded);
    KEYVORA_REQUIRE(held == expectedHeld(loaded));
    KEYVORA_REQUIRE(held ==
                    appendEndMarker(trimTrailingSpaces(tabsToSpaces(joinLineBreaks(loaded)))));

    const QString body = held.chopped(1);
    KEYVORA_REQUIRE(held.endsWith(u'\r'));
    KEYVORA_REQUIRE(!body.endsWith(u' '));
    KEYVORA_REQUIRE(!body.contains(u'\t'));
    KEYVORA_REQUIRE(!body.contains(QStringLiteral("\r\n")));
    // Nothing is left to rewrite: loading the held text without its marker gives it back.
    KEYVORA_REQUIRE(normalisePracticeText(body) == held);
    KEYVORA_REQUIRE(body.size() <= loaded.size());
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
