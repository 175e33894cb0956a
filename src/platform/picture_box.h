// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>

namespace ombrix {

// A white area that text is printed into line by line, from the top-left corner down, one
// line height apart and never wrapped: a line too wide for the area is drawn narrower. It keeps
// what was printed, so the text survives being covered and uncovered. A QLabel or a text view would
// wrap, scroll or space the lines their own way.
class PictureBox : public QFrame {
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Erases everything printed and moves the print position back to the top.
  void Clear();
  // Prints one line; the empty text moves on by an empty line.
  void PrintLine(const QString& line);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Distance between the baselines of two printed lines, in pixels.
  double LineHeight() const;

  QStringList lines_;
};

}  // namespace ombrix
