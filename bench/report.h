// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace keyvora::bench {

struct Results;

// The tables and ratios of a run, with each budget met or missed, on stdout.
void printReport(const Results &results);

} // namespace keyvora::bench
