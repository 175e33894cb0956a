// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ombrix {

inline constexpr int kButtonOk = 1;

// A modal message box with an OK button only and no icon. Every way of closing it (OK,
// Enter, Esc, the title bar's close button) answers OK, so it returns kButtonOk.
int MsgBox(QWidget* parent, const QString& prompt, const QString& title);

}  // namespace ombrix
