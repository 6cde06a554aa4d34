#pragma once

#include "common/core/ErrorCatalogue.h"

#include <QPixmap>

namespace kiv5::ui {

// The program's picture: a balance on a shield in the program's colour with
// its initial, drawn at the given size in pixels.
QPixmap DrawProgramEmblem(Program program, int size);

} // namespace kiv5::ui
