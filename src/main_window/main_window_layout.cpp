#include "main_window_layout.h"

namespace ombrix {
namespace {

constexpr double kButtonPoints = 11.25;
constexpr double kValuePoints = 14.25;

// Row pairs of the table: the labels' numbers, and where each pair stands.
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

ControlSpec Button(const char* name, const char* caption, TwipRect rect, bool bold = false) {
  return {ControlKind::PushButton, name, caption, rect, kButtonPoints, bold};
}

ControlSpec WhiteLabel(int number, const char* caption, TwipRect rect, double points, bool bold) {
  return {ControlKind::Label, LabelName(number), caption, rect, points, bold, Background::White};
}

// A value label that a screen reader announces with what it is the value of.
ControlSpec ValueLabel(int number, const QString& meaning, TwipRect rect) {
  ControlSpec control = WhiteLabel(number, "", rect, kValuePoints, false);
  control.describe = [meaning](const QString& text) {
    return QStringLiteral("%1: %2").arg(meaning, text.isEmpty() ? QStringLiteral("none") : text);
  };
  return control;
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
  return {"Form1",
          QString::fromUtf8("Experiment of Ombrix 2\u3000Ombrix project 2026"),
          {3660, 1485, 9195, 7680},
          9,
          true};
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
  std::vector<ControlSpec> controls = {
      Button("Command2", "Exit", {0, 0, 855, 375}),
      {ControlKind::Label,
       "Label84",
       "Experiment of Ombrix (Part 2)",
       {1080, 0, 5295, 375},
       12.75,
       true,
       Background::LightCyan,
       Border::Flat},
      Button("Command4", "Help", {6600, 0, 855, 375}),
      Button("Command3", "Init", {7440, 0, 855, 375}),
      {ControlKind::Line, "Line1", "", {0, 360, 8280, 0}},
      WhiteLabel(83, "Number of guests", {240, 6600, 2535, 375}, 9.75, true),
      ValueLabel(82, "Number of guests", {2760, 6600, 1095, 375}),
      WhiteLabel(4, "Average of shortage", {3960, 6720, 2415, 375}, kButtonPoints, true),
      ValueLabel(3, "Average of shortage", {6360, 6720, 1095, 375}),
      Button("Command1", "Experiment Start", {7680, 6720, 1455, 615}, true),
      WhiteLabel(1, "Number of experiments", {240, 7080, 2535, 375}, 9.75, true),
      ValueLabel(2, "Number of experiments", {2760, 7080, 1095, 375}),
      {ControlKind::MediaControl, "MMControl1", "", {3720, 7320, 3540, 330}},
  };

  for (int row = 0; row < kRows; ++row) {
    const int headerTop = kHeaderTop + kPairPitch * row;
    const int countTop = kCountTop + kPairPitch * row;
    controls.push_back({ControlKind::Label,
                        LabelName(kShortageLabel[row]),
                        "Shortage",
                        {240, headerTop, 1335, 375},
                        kValuePoints});
    controls.push_back({ControlKind::Label,
                        LabelName(kFrequencyLabel[row]),
                        "Frequency",
                        {240, countTop, 1335, 375},
                        12});
    for (int column = 0; column < kColumns; ++column) {
      const int index = kColumns * row + column + 1;
      const int left = kFirstColumnLeft + kColumnPitch * column;
      const bool openEnd = index == 1 || index == kCellCount;
      ControlSpec header{ControlKind::Label,
                         LabelName(kFirstHeaderLabel[row] + column),
                         HeaderCaption(index),
                         {left, headerTop, 735, 375},
                         openEnd ? 9 : kValuePoints};
      if (openEnd)
        header.describe = [index](const QString&) { return SpokenValue(index); };
      controls.push_back(header);
      controls.push_back({ControlKind::Label,
                          CellName(index),
                          "",
                          {left, countTop, 735, 375},
                          kValuePoints,
                          false,
                          Background::White,
                          Border::Sunken,
                          [index](const QString& text) { return DescribeCell(index, text); }});
    }
  }
  return controls;
}

}  // namespace ombrix
