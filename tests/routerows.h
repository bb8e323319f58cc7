#pragma once
// The columns every data-driven route test starts with: the network size
// (where the test varies it), the three offsets and the source terminal.

#include <QtTest>

inline void addRouteColumns(bool withSize)
{
    if (withSize)
        QTest::addColumn<int>("n");
    for (const char *column : {"c1", "c2", "c3", "i0", "j0"})
        QTest::addColumn<int>(column);
}
