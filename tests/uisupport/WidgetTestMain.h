#pragma once

#include "tests/support/TestMain.h"

#include <QApplication>

// Entry point of a widget test: QApplication on the offscreen platform.
#define KIV5_WIDGET_TEST_MAIN(TestClass) KIV5_TEST_MAIN_WITH(QApplication, TestClass)
