// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every text that the windows and dialogs can show, one a line, so that a font can be
// cut down to the glyphs they need.
//
//   window_texts

#include <iostream>
#include <string_view>
#include <vector>

#include "dialog_layouts.h"
#include "help_text.h"
#include "help_window_layout.h"
#include "main_window_layout.h"
#include "settings_dialogs.h"

namespace {

using namespace ombrix;

void PrintWindow(const WindowSpec& window, const std::vector<ControlSpec>& controls) {
  std::cout << window.caption << '\n';
  for (const ControlSpec& control : controls)
    std::cout << control.caption << '\n';
}

}  // namespace

int main() {
  PrintWindow(MainWindowLayout::Window(), MainWindowLayout::Controls());
  PrintWindow(HelpWindowLayout::Window(), HelpWindowLayout::Controls());
  PrintWindow(InputBoxLayout::Window(), InputBoxLayout::Controls());
  PrintWindow(MessageBoxLayout::Window(), MessageBoxLayout::Controls());
  for (const CountDialog& dialog : kSettingsDialogs) {
    std::cout << dialog.Prompt() << '\n';
    for (std::string_view text : {dialog.defaultText, dialog.activationTitle, dialog.initTitle})
      std::cout << text << '\n';
  }
  std::cout << kExitPrompt << '\n' << kExitTitle << '\n';
  for (std::string_view line : kHelpLines)
    std::cout << line << '\n';
  // The counts, the average and the answers typed into the settings dialogs.
  std::cout << "0123456789-.+&HhOoEe \n";
}
