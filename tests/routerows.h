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

struct RouteRow
{
    int n = 4, c1 = 0, c2 = 0, c3 = 0, i0 = 0, j0 = 0;
};

// The route columns of the row under test.
inline RouteRow fetchRouteRow(bool withSize)
{
    auto get = [](const char *column) { return *static_cast<int *>(QTest::qData(column, QMetaType::Int)); };
    RouteRow row;
    if (withSize)
        row.n = get("n");
    row.c1 = get("c1");
    row.c2 = get("c2");
    row.c3 = get("c3");
    row.i0 = get("i0");
    row.j0 = get("j0");
    return row;
}
