// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "settings_dialogs.h"

class QWidget;

namespace ombrix {

// A modal message box with an OK button only and no icon. Every way of closing it (OK,
// Enter, Esc, the title bar's close button) answers OK, so it returns kButtonOk.
int MsgBox(QWidget* parent, const QString& prompt, const QString& title);

}  // namespace ombrix
