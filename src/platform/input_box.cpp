// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_box.h"

#include <QInputDialog>

#include "dialog_layouts.h"
#include "qt_conversions.h"

namespace ombrix {

QString InputBox(QWidget* parent, const QString& prompt, const QString& title,
                 const QString& defaultText) {
  QInputDialog dialog(parent);
  dialog.setObjectName("InputBox");
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setTextValue(defaultText);
  const std::vector<ControlSpec> controls = InputBoxLayout::Controls();
  dialog.setOkButtonText(ToQString(CaptionOf(controls, InputBoxLayout::kOk)));
  dialog.setCancelButtonText(ToQString(CaptionOf(controls, InputBoxLayout::kCancel)));
  if (dialog.exec() != QDialog::Accepted)
    return QString();
  return dialog.textValue();
}

}  // namespace ombrix
