// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "control_layout.h"

class QWidget;

namespace ombrix {

// Sets up `window` and creates one child of it for each control record, in order (later ones
// lie on top where they overlap), each with the record's name as its object name.
void BuildWindow(QWidget& window, const WindowSpec& frame,
                 const std::vector<ControlSpec>& controls);

// Shows the words of the records afresh on the window `BuildWindow` built from them: its title,
// and each control's fixed caption and tooltip. A control with neither keeps what commands
// set on it.
void RelabelWindow(QWidget& window, const WindowSpec& frame,
                   const std::vector<ControlSpec>& controls);

}  // namespace ombrix
