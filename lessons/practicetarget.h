// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keyvora {

// Where a lesson hands its practice text: the main window in use. Lessons know nothing more
// of the windows than this.
class PracticeTarget {
public:
    virtual ~PracticeTarget() = default;
    virtual void LoadPracticeText(const QString &text) = 0;
};

} // namespace keyvora
