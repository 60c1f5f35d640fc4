#pragma once

// QtTest data tables a row a line: Columns<QString, int>({"Name", "Count"}), or Texts({"In",
// "Out"}) for columns that all hold text; Row("tag", "text", 3); and Fetch<int>("Count"), a
// cell of the running row where QFETCH would take a line each.
#include <QTest>
#include <array>

namespace DataRows {
template <typename... T> void Columns(const std::array<const char*, sizeof...(T)>& Names) {
    int i = 0;
    (QTest::addColumn<T>(Names[i++]), ...);
}
inline void Texts(std::initializer_list<const char*> Names) {
    for (const char* name : Names)
        QTest::addColumn<QString>(name);
}
template <typename... T> void Row(const char* Tag, const T&... Values) {
    (QTest::newRow(Tag) << ... << Values);
}
template <typename T = QString> T Fetch(const char* Name) {
    return *static_cast<T*>(QTest::qData(Name, qMetaTypeId<T>()));
}
} // namespace DataRows
