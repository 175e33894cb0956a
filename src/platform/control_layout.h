// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace ombrix {

// Window layouts are tables of these records, in twips from the top-left corner of the
// client area, turned into widgets by BuildWindow().
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  QRect ToPixels() const {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
  }
};

enum class ControlKind { PushButton, Label, Line, PictureBox, MediaControl };

enum class Background { ButtonFace, White, LightCyan };

// Labels have a sunken 3-D border unless flat; the flat one draws in window text.
enum class Border { Sunken, Flat };

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  QString name{};
  QString caption{};
  TwipRect rect{};
  double points = 9;
  bool bold = false;
  Background background = Background::ButtonFace;
  Border border = Border::Sunken;
  // For labels: what a screen reader says, made from the current text; empty to say the text.
  using Describe = std::function<QString(const QString& text)>;
  Describe describe{};
};

// A top-level window: fixed client area at a place on the screen, button-face background.
struct WindowSpec {
  QString name{};
  QString caption{};
  TwipRect rect{};  // the client area, from the top-left corner of the screen
  double points = 9;
  bool bold = false;
};

// Sets up `window` and creates one child of it for each control record, in order (later ones
// lie on top where they overlap), each with the record's name as its object name.
void BuildWindow(QWidget& window, const WindowSpec& frame,
                 const std::vector<ControlSpec>& controls);

}  // namespace ombrix
