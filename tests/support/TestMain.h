#pragma once

// Test entry points. Every test sets what it needs itself, so plain ctest in
// the build folder works without any environment: the offscreen platform, a
// fixed time zone, and settings and home folders inside one temporary folder
// that goes away with the test process.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace kiv5::test {

// Points HOME and XDG_CONFIG_HOME into a fresh temporary folder while it
// lives, so a test never reaches the user's own settings and data folders
// and leaves nothing behind.
class TestEnvironment {
public:
    TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

private:
    QTemporaryDir root_;
};

} // namespace kiv5::test

#define KIV5_TEST_MAIN_WITH(AppClass, TestClass)                                                   \
    int main(int argc, char** argv) {                                                              \
        kiv5::test::TestEnvironment environment;                                                   \
        AppClass app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define KIV5_CORE_TEST_MAIN(TestClass) KIV5_TEST_MAIN_WITH(QCoreApplication, TestClass)
#define KIV5_GUI_TEST_MAIN(TestClass) KIV5_TEST_MAIN_WITH(QGuiApplication, TestClass)
