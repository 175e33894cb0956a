// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that every build must give alike, against files kept in tests/golden. When one
// differs, the failure names the first lines that differ; if the change is intended, run the
// test again with OMBRIX_UPDATE_GOLDEN=1, read the rewritten file's diff, and commit it.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ombrix::testing {

inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

// Empty when `actual` is the golden text `name`; else the differing lines, at most ten.
inline std::string CompareWithGoldenText(const std::string& name, const std::string& actual) {
  const std::string path = std::string(OMBRIX_GOLDEN_DIR) + "/" + name + ".txt";
  if (std::getenv("OMBRIX_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return {};
  }
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return "cannot read " + path;
  const std::string golden{std::istreambuf_iterator<char>(file), {}};
  if (golden == actual)
    return {};
  const std::vector<std::string> want = LinesOf(golden), got = LinesOf(actual);
  std::string report = name + " differs from " + path + ":\n";
  for (std::size_t line = 0, shown = 0; line < std::max(want.size(), got.size()) && shown < 10;
       ++line) {
    const std::string was = line < want.size() ? want[line] : "(none)";
    const std::string is = line < got.size() ? got[line] : "(none)";
    if (was == is)
      continue;
    report +=
        "line " + std::to_string(line + 1) + ":\n  golden: " + was + "\n  actual: " + is + "\n";
    ++shown;
  }
  return report;
}

}  // namespace ombrix::testing
