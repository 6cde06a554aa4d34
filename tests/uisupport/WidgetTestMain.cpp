#include "tests/uisupport/WidgetTestMain.h"
