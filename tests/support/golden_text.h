// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that every build must give alike, against files kept in tests/golden. When one
// differs, the failure names the first lines that differ; if the change is intended, run the
// test again with OMBRIX_UPDATE_GOLDEN=1, read the rewritten file's diff, and commit it.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace ombrix::testing {

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
  std::istringstream got(actual);
  std::string report, was, is;
  for (int line = 1, shown = 0; (file.good() || got.good()) && shown < 10; ++line) {
    if (!std::getline(file, was))
      was = "(none)";
    if (!std::getline(got, is))
      is = "(none)";
    if (was == is)
      continue;
    report += "line " + std::to_string(line) + ":\n  golden: " + was + "\n  actual: " + is + "\n";
    ++shown;
  }
  return report.empty() ? report : name + " differs from " + path + ":\n" + report;
}

}  // namespace ombrix::testing
