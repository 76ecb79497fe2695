#pragma once

#include <QString>

namespace keyvora {

QString generalKeyText();
QString shortWordsText();
QString articleText();

} // namespace keyvora
