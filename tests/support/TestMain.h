#pragma once

// Test entry points. Every test sets what it needs itself, so plain ctest in
// the build folder works without any environment: the offscreen platform, a
// fixed time zone, and settings kept inside the test's temporary folders.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>

namespace kiv5::test {
void PrepareTestEnvironment();
} // namespace kiv5::test

#define KIV5_TEST_MAIN_WITH(AppClass, TestClass)                                                   \
    int main(int argc, char** argv) {                                                              \
        kiv5::test::PrepareTestEnvironment();                                                      \
        AppClass app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define KIV5_CORE_TEST_MAIN(TestClass) KIV5_TEST_MAIN_WITH(QCoreApplication, TestClass)
#define KIV5_GUI_TEST_MAIN(TestClass) KIV5_TEST_MAIN_WITH(QGuiApplication, TestClass)
