// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>

#include <array>

namespace keyvora::test {

// The columns of a data function in one line: columns<QString, int>({"text", "count"}).
template <class... Types> void columns(const std::array<const char *, sizeof...(Types)> &names)
{
    std::size_t i = 0;
    (QTest::addColumn<Types>(names[i++]), ...);
}

// One data row with its values in column order, so that a row fits on a line.
template <class... Values> void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace keyvora::test
