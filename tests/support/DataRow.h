#pragma once

#include <QTest>

// One QtTest data row on one line: DataRow("name", a, b, c).
template <typename... T> void DataRow(const char* Name, const T&... Values) {
    (QTest::newRow(Name) << ... << Values);
}
