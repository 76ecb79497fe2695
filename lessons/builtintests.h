// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

QString generalKeyText();
QString shortWordsText();
QString articleText();

} // namespace keyvora
