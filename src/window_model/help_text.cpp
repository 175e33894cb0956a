// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_text.h"

#include <string_view>

namespace ombrix {

std::vector<std::string> HelpLines() {
  const std::string text = Tr(kHelpText);
  std::vector<std::string> lines;
  std::string_view rest = text;
  for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;
       rest.remove_prefix(end + 1))
    lines.emplace_back(rest.substr(0, end));
  lines.emplace_back(rest);
  return lines;
}

}  // namespace ombrix
