// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_layout.h"

#include <iterator>
#include <utility>

#include "table_texts.h"
#include "translate.h"

namespace ombrix {
namespace {

constexpr double kButtonPoints = 11.25;
constexpr double kValuePoints = 14.25;

// Row pairs of the table: the numbers of their labels, and where each pair stands.
constexpr int kShortageLabel[] = {5, 16, 18, 20, 22, 24, 26};
constexpr int kFrequencyLabel[] = {6, 17, 19, 21, 23, 25, 27};
constexpr int kFirstHeaderLabel[] = {7, 28, 37, 46, 55, 64, 73};
static_assert(std::size(kShortageLabel) == MainWindowLayout::kRows &&
                  std::size(kFrequencyLabel) == MainWindowLayout::kRows &&
                  std::size(kFirstHeaderLabel) == MainWindowLayout::kRows,
              "each row pair of the table needs the numbers of its labels");
constexpr int kPairPitch = 840;
constexpr int kColumnPitch = 720;
constexpr int kHeaderTop = 600;
constexpr int kCountTop = 960;
constexpr int kFirstColumnLeft = 1560;
constexpr int kCaptionLeft = 240;
constexpr int kCellWidth = 735;
constexpr int kCellHeight = 375;

std::string LabelName(int number) {
  return "Label" + std::to_string(number);
}

// The bin of the count cell at `column` of row pair `row`, and the object name of its header.
int BinAt(int row, int column) {
  return MainWindowLayout::kColumns * row + column + 1;
}

std::string HeaderName(int row, int column) {
  return LabelName(kFirstHeaderLabel[row] + column);
}

// A value label that a screen reader announces with what it is the value of.
ControlSpec::Describe ValueOf(Message meaning) {
  return [meaning](std::string_view text) {
    return text.empty() ? Tr("{meaning}: none", {{"meaning", Tr(meaning)}})
                        : Tr("{meaning}: {value}", {{"meaning", Tr(meaning)}, {"value", text}});
  };
}

}  // namespace

WindowSpec MainWindowLayout::Window() {
  return {.name = "Form1",
          .caption = Tr("Experiment of Ombrix 2\u3000Ombrix project 2026"),
          .rect = {3660, 1485, 9195, 7680},
          .points = 9,
          .bold = true,
          .tabOrder = {std::string(kStart), std::string(kExit), std::string(kInit),
                       std::string(kHelp)}};
}

TwipRect MainWindowLayout::TableArea() {
  return {.left = kCaptionLeft,
          .top = kHeaderTop,
          .width = kFirstColumnLeft + kColumnPitch * (kColumns - 1) + kCellWidth - kCaptionLeft,
          .height = kCountTop + kPairPitch * (kRows - 1) + kCellHeight - kHeaderTop};
}

TwipRect MainWindowLayout::RowPair(int row) {
  TwipRect pair = TableArea();
  pair.top += kPairPitch * row;
  pair.height = kCountTop + kCellHeight - kHeaderTop;
  return pair;
}

std::string MainWindowLayout::CellName(int bin) {
  return "dosu(" + std::to_string(bin) + ")";
}

std::vector<MainWindowLayout::TableRow> MainWindowLayout::TableRows() {
  std::vector<TableRow> rows;
  for (int row = 0; row < kRows; ++row) {
    TableRow headers{.headers = true, .names = {LabelName(kShortageLabel[row])}};
    TableRow counts{.headers = false, .names = {LabelName(kFrequencyLabel[row])}};
    for (int column = 0; column < kColumns; ++column) {
      headers.names.push_back(HeaderName(row, column));
      counts.names.push_back(CellName(BinAt(row, column)));
    }
    rows.push_back(std::move(headers));
    rows.push_back(std::move(counts));
  }
  return rows;
}

std::vector<ControlSpec> MainWindowLayout::Controls() {
  using enum ControlKind;
  // Rectangles are left, top, width, height in twips.
  // clang-format off
  std::vector<ControlSpec> controls = {
      {.kind = PushButton, .name = std::string(kExit), .caption = Tr("Exit"),
       .rect = {0, 0, 855, 375}, .points = kButtonPoints},
      {.kind = Label, .name = "Label84", .caption = Tr("Experiment of Ombrix (Part 2)"),
       .rect = {1080, 0, 5295, 375}, .points = 12.75, .bold = true,
       .background = Background::LightCyan, .border = Border::Flat},
      {.kind = PushButton, .name = std::string(kHelp), .caption = Tr("Help"),
       .rect = {6600, 0, 855, 375}, .points = kButtonPoints},
      {.kind = PushButton, .name = std::string(kInit), .caption = Tr("Init"),
       .rect = {7440, 0, 855, 375}, .points = kButtonPoints},
      {.kind = Line, .name = "Line1", .rect = {0, 360, 8280, 0}},
      {.kind = Label, .name = "Label83", .caption = Tr("Number of guests"),
       .rect = {240, 6600, 2535, 375}, .points = 9.75, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = std::string(kGuestCount),
       .rect = {2760, 6600, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf(Msg("Number of guests"))},
      {.kind = Label, .name = "Label4", .caption = Tr("Average of shortage"),
       .rect = {3960, 6720, 2415, 375}, .points = kButtonPoints, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = std::string(kAverage),
       .rect = {6360, 6720, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf(Msg("Average of shortage"))},
      {.kind = PushButton, .name = std::string(kStart), .caption = Tr("Experiment Start"),
       .rect = {7680, 6720, 1455, 615}, .points = kButtonPoints, .bold = true},
      {.kind = Label, .name = "Label1", .caption = Tr("Number of experiments"),
       .rect = {240, 7080, 2535, 375}, .points = 9.75, .bold = true,
       .background = Background::White},
      {.kind = Label, .name = std::string(kExperimentCount),
       .rect = {2760, 7080, 1095, 375}, .points = kValuePoints,
       .background = Background::White, .describe = ValueOf(Msg("Number of experiments"))},
      {.kind = MediaControl, .name = std::string(kCuePlayer), .rect = {3720, 7320, 3540, 330}},
  };
  // clang-format on

  for (int row = 0; row < kRows; ++row) {
    const int headerTop = kHeaderTop + kPairPitch * row;
    const int countTop = kCountTop + kPairPitch * row;
    controls.push_back({.kind = Label,
                        .name = LabelName(kShortageLabel[row]),
                        .caption = Tr("Shortage"),
                        .rect = {kCaptionLeft, headerTop, 1335, kCellHeight},
                        .points = kValuePoints});
    controls.push_back({.kind = Label,
                        .name = LabelName(kFrequencyLabel[row]),
                        .caption = Tr("Frequency"),
                        .rect = {kCaptionLeft, countTop, 1335, kCellHeight},
                        .points = 12});
    for (int column = 0; column < kColumns; ++column) {
      const int bin = BinAt(row, column);
      const int left = kFirstColumnLeft + kColumnPitch * column;
      const bool openEnd = FrequencyTable::ValuesOf(bin).extent != BinValues::Extent::Single;
      ControlSpec header{.kind = Label,
                         .name = HeaderName(row, column),
                         .caption = HeaderCaption(bin),
                         .rect = {left, headerTop, kCellWidth, kCellHeight},
                         .points = openEnd ? 9 : kValuePoints};
      // A tilde says little aloud: the open ends are announced by their values.
      if (openEnd)
        header.describe = [bin](std::string_view) { return SpokenHeader(bin); };
      controls.push_back(header);
      controls.push_back(
          {.kind = Label,
           .name = CellName(bin),
           .rect = {left, countTop, kCellWidth, kCellHeight},
           .points = kValuePoints,
           .background = Background::White,
           .toolTip = Tr(kTableHint),
           .describe = [bin](std::string_view text) { return SpokenCell(bin, text); }});
    }
  }
  return controls;
}

}  // namespace ombrix
