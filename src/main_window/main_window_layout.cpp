// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_layout.h"

namespace ombrix {
namespace {

constexpr double kButtonPoints = 11.25;
constexpr double kValuePoints = 14.25;

// Row pairs of the table: the numbers of their labels, and where each pair stands.
constexpr int kShortageLabel[] = {5, 16, 18, 20, 22, 24, 26};
constexpr int kFrequencyLabel[] = {6, 17, 19, 21, 23, 25, 27};
constexpr int kFirstHeaderLabel[] = {7, 28, 37, 46, 55, 64, 73};
constexpr int kPairPitch = 840;
constexpr int kColumnPitch = 720;
constexpr int kHeaderTop = 600;
constexpr int kCountTop = 960;
constexpr int kFirstColumnLeft = 1560;

QString LabelName(int number) {
  return QStringLiteral("Label%1").arg(number);
}

// A value label that a screen reader announces with what it is the value of.
ControlSpec::Describe ValueOf(const QString& meaning) {
  return [meaning](const QString& text) {
    return QStringLiteral("%1: %2").arg(meaning, text.isEmpty() ? QStringLiteral("none") : text);
  };
}

// What a cell's value range is called aloud: the open ends have no single number.
QString SpokenValue(int index) {
  if (index == 1)
    return QStringLiteral("shortage -58 or less");
  if (index == MainWindowLayout::kCellCount)
    return QStringLiteral("shortage 4 or more");
  return QStringLiteral("shortage %1").arg(index - 59);
}

QString DescribeCell(int index, const QString& text) {
  if (text.isEmpty())
    return SpokenValue(index) + QStringLiteral(": no count");
  const QString unit = text == "1" ? QStringLiteral("experiment") : QStringLiteral("experiments");
  return QStringLiteral("%1: %2 %3").arg(SpokenValue(index), text, unit);
}

}  // namespace

WindowSpec MainWindowLayout::Window() {
  return {.name = "Form1",
          .caption = QString::fromUtf8("Experiment of Ombrix 2\u3000Ombrix project 2026"),
          .rect = {3660, 1485, 9195, 7680},
          .points = 9,
          .bold = true};
}

TwipRect MainWindowLayout::TableArea() {
  constexpr int kCaptionLeft = 240, kCellWidth = 735, kCellHeight = 375;
  return {.left = kCaptionLeft,
          .top = kHeaderTop,
          .width = kFirstColumnLeft + kColumnPitch * (kColumns - 1) + kCellWidth - kCaptionLeft,
          .height = kCountTop + kPairPitch * (kRows - 1) + kCellHeight - kHeaderTop};
}

QString MainWindowLayout::CellName(int index) {
  return QStringLiteral("dosu(%1)").arg(index);
}

QString MainWindowLayout::HeaderCaption(int index) {
  if (index == 1)
    return QString::fromUtf8("\uFF5E  -57");
  if (index == kCellCount)
    return QString::fromUtf8("3  \uFF5E");
  return QString::number(index - 59);
}

std::vector<ControlSpec> MainWindowLayout::Controls() {
  using enum ControlKind;
  // Rectangles are left, top, width, height in twips.
  // clang-format off
  std::vector<ControlSpec> controls = {
      {.kind = PushButton, .name = "Command2", .caption = "Exit",
       .rect = {0, 0, 855, 375}, .points = kButtonPoints},
      {.kind = Label, .name = "Label84", .caption = "Experiment of Ombrix (Part 2)",
       .rect = {1080, 0, 5295, 375}, .points = 12.75, .bold = true,
       .background = Background::LightCyan, .border = Border::Flat},
      {.kind = PushButton, .name = "Command4", .caption = "Help",
       .rect = {6600, 0, 855, 375}, .points = kButtonPoints},
      {.kind = PushButton, .name = "Command3", .caption = "Init",
       .rect = {7440, 0, 855, 375}, .points = kButtonPoints},
      {.kind = Line, .name = "Line1", .rect = {0, 360, 8280, 0}},
      {.kind = Label, .name = "Label83", .caption = "Number of guests",
       .rect = {240, 6600, 2535, 375}, .points = 9.75, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = "Label82",
       .rect = {2760, 6600, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf("Number of guests")},
      {.kind = Label, .name = "Label4", .caption = "Average of shortage",
       .rect = {3960, 6720, 2415, 375}, .points = kButtonPoints, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = "Label3",
       .rect = {6360, 6720, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf("Average of shortage")},
      {.kind = PushButton, .name = "Command1", .caption = "Experiment Start",
       .rect = {7680, 6720, 1455, 615}, .points = kButtonPoints, .bold = true},
      {.kind = Label, .name = "Label1", .caption = "Number of experiments",
       .rect = {240, 7080, 2535, 375}, .points = 9.75, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = "Label2",
       .rect = {2760, 7080, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf("Number of experiments")},
      {.kind = MediaControl, .name = "MMControl1", .rect = {3720, 7320, 3540, 330}},
  };
  // clang-format on

  for (int row = 0; row < kRows; ++row) {
    const int headerTop = kHeaderTop + kPairPitch * row;
    const int countTop = kCountTop + kPairPitch * row;
    controls.push_back({.kind = Label,
                        .name = LabelName(kShortageLabel[row]),
                        .caption = "Shortage",
                        .rect = {240, headerTop, 1335, 375},
                        .points = kValuePoints});
    controls.push_back({.kind = Label,
                        .name = LabelName(kFrequencyLabel[row]),
                        .caption = "Frequency",
                        .rect = {240, countTop, 1335, 375},
                        .points = 12});
    for (int column = 0; column < kColumns; ++column) {
      const int index = kColumns * row + column + 1;
      const int left = kFirstColumnLeft + kColumnPitch * column;
      const bool openEnd = index == 1 || index == kCellCount;
      ControlSpec header{.kind = Label,
                         .name = LabelName(kFirstHeaderLabel[row] + column),
                         .caption = HeaderCaption(index),
                         .rect = {left, headerTop, 735, 375},
                         .points = openEnd ? 9 : kValuePoints};
      if (openEnd)
        header.describe = [index](const QString&) { return SpokenValue(index); };
      controls.push_back(header);
      controls.push_back(
          {.kind = Label,
           .name = CellName(index),
           .rect = {left, countTop, 735, 375},
           .points = kValuePoints,
           .background = Background::White,
           .describe = [index](const QString& text) { return DescribeCell(index, text); }});
    }
  }
  return controls;
}

}  // namespace ombrix
