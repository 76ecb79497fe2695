#pragma once

#include <QTest>

namespace keyvora::test {

// One data row with its values in column order, so that a row fits on a line.
template <class... Values> void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace keyvora::test
