#pragma once

#include "BrowserPage.h"

#include <QApplication>
#include <QTest>

// A test main for windows holding the engine: the runner's link schemes must be known
// before the application object exists.
#define RUNNER_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[]) {                                                             \
        BrowserPage::RegisterSchemes();                                                            \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
