// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "dialog_layouts.h"
#include "qt_conversions.h"

namespace ombrix {

int MsgBox(QWidget* parent, const QString& prompt, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
  box.setObjectName("MsgBox");
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(QMessageBox::Ok);
  box.button(QMessageBox::Ok)
      ->setText(ToQString(CaptionOf(MessageBoxLayout::Controls(), MessageBoxLayout::kOk)));
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return kButtonOk;
}

}  // namespace ombrix
