// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <QMessageBox>

namespace ombrix {

int MsgBox(QWidget* parent, const QString& prompt, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
  box.setObjectName("MsgBox");
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  return kButtonOk;
}

}  // namespace ombrix
