// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// The tutorials' drills, the same in both languages.
QString homeRowDrill();
QString shiftDrill();

// One drill a finger, from the left little finger to the right little finger.
constexpr int kFingerDrills = 8;
QString fingerDrillCaption(int row); // row 0 to 7
QString fingerDrill(int row);

} // namespace keyvora
