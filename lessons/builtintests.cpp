#include "lessons/builtintests.h"

namespace keyvora {

QString generalKeyText() {
    return QStringLiteral("A quick brown fox jumps over the lazy dog. 1234567890 -=[] \\;' /., "
                          "?><: !|}{ +_)( *&^% $#@\"");
}

QString shortWordsText() {
    return QStringLiteral(
        "ad we re ox ax ka ch qi zo bat rag fed phi hum nod yam read dzoa jynx zinc writ");
}

QString articleText() {
    return {};
}

} // namespace keyvora
