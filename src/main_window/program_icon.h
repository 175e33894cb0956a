#pragma once

#include <QIcon>

namespace ombrix {

// The program's icon, drawn from its SVG picture at 32 x 32 pixels and at twice that for
// high-density screens.
QIcon ProgramIcon();

}  // namespace ombrix
