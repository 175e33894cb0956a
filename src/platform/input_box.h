// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ombrix {

// A modal input dialog with a prompt, a title and an edit field holding `defaultText`.
// Returns the field's text on OK, the empty text on Cancel or when the dialog is closed.
QString InputBox(QWidget* parent, const QString& prompt, const QString& title,
                 const QString& defaultText);

}  // namespace ombrix
