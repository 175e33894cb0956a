// SPDX-License-Identifier: GPL-3.0-or-later
#include "build_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "command_button.h"
#include "described_label.h"
#include "fonts.h"
#include "media_player_control.h"
#include "picture_box.h"
#include "qt_conversions.h"

namespace ombrix {
namespace {

QColor BackgroundColor(Background background, const QPalette& palette) {
  switch (background) {
    case Background::White:
      return Qt::white;
    case Background::LightCyan:
      return ToQColor(ChartPalette::kLightCyan);
    case Background::ButtonFace:
      break;
  }
  return palette.color(QPalette::Button);
}

QWidget* MakeLabel(QWidget* parent, const ControlSpec& control) {
  const QString caption = ToQString(control.caption);
  QLabel* label = nullptr;
  if (control.describe) {
    label = new DescribedLabel(caption, parent, [describe = control.describe](const QString& text) {
      return ToQString(describe(text.toStdString()));
    });
  } else {
    label = new QLabel(caption, parent);
  }
  label->setAlignment(control.alignment == Alignment::TopLeft ? Qt::AlignLeft | Qt::AlignTop
                                                              : Qt::AlignCenter);
  label->setWordWrap(false);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Window);  // not the form's, which it would inherit
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, BackgroundColor(control.background, palette));
  switch (control.border) {
    case Border::Flat:
      label->setFrameStyle(QFrame::Box | QFrame::Plain);
      palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
      break;
    case Border::Sunken:
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
      break;
    case Border::None:
      label->setFrameStyle(QFrame::NoFrame);
      break;
  }
  label->setLineWidth(1);
  label->setPalette(palette);
  return label;
}

QWidget* MakeButton(QWidget* parent, const ControlSpec& control) {
  auto* button = new CommandButton(ToQString(control.caption), parent);
  // Neither Enter nor Esc presses a button of these windows on its own.
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

QWidget* MakeLine(QWidget* parent) {
  auto* line = new QWidget(parent);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
  line->setPalette(palette);
  return line;
}

}  // namespace

void BuildWindow(QWidget& window, const WindowSpec& frame,
                 const std::vector<ControlSpec>& controls) {
  window.setObjectName(ToQString(frame.name));
  window.setWindowTitle(ToQString(frame.caption));
  window.setFont(WindowFont(frame.points, frame.bold));
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  const QRect client = ToQRect(frame.rect.Pixels());
  window.setGeometry(client);
  window.setFixedSize(client.size());

  InstallDescribedLabelAccessibility();
  QWidget* parent = &window;
  for (const ControlSpec& control : controls) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::PushButton:
        widget = MakeButton(parent, control);
        break;
      case ControlKind::Label:
        widget = MakeLabel(parent, control);
        break;
      case ControlKind::Line:
        widget = MakeLine(parent);
        break;
      case ControlKind::PictureBox:
        widget = new PictureBox(parent);
        break;
      case ControlKind::MediaControl:
        widget = new MediaPlayerControl(parent);
        break;
      case ControlKind::TextBox:
        widget = new QLineEdit(parent);
        break;
    }
    widget->setObjectName(ToQString(control.name));
    widget->setFont(WindowFont(control.points, control.bold));
    widget->setGeometry(ToQRect(control.Pixels()));
    widget->setToolTip(ToQString(control.toolTip));
    if (control.kind != ControlKind::MediaControl)
      widget->show();
  }
  QWidget* before = nullptr;
  for (const std::string& name : frame.tabOrder) {
    auto* next = window.findChild<QWidget*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (before)
      QWidget::setTabOrder(before, next);
    else
      next->setFocus();
    before = next;
  }
}

void RelabelWindow(QWidget& window, const WindowSpec& frame,
                   const std::vector<ControlSpec>& controls) {
  window.setWindowTitle(ToQString(frame.caption));
  for (const ControlSpec& control : controls) {
    auto* widget = window.findChild<QWidget*>(ToQString(control.name), Qt::FindDirectChildrenOnly);
    if (!control.caption.empty()) {
      if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(ToQString(control.caption));
      else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(ToQString(control.caption));
    }
    if (!control.toolTip.empty())
      widget->setToolTip(ToQString(control.toolTip));
  }
}

}  // namespace ombrix
