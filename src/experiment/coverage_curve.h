// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace ombrix {

// How the coins that cover kCoveredShare of meetings grow with the guests, by theory: the exact
// law's coins at every guest count the settings allow.
class CoverageCurve {
 public:
  // Worked out afresh: one exact law for each guest count, O(MaxGuests^2) in all.
  CoverageCurve();
  // Worked out the first time it is asked for, and kept for the program's life.
  static const CoverageCurve& Theory();

  // The coins at `guests`, MinGuests to MaxGuests; std::out_of_range elsewhere.
  int CoinsAt(int guests) const;
  // c of the guide c × √guests, which meets the curve at MaxGuests.
  double GuideFactor() const;

  // How many times the coins grow when the guests double, CoinsAt(2n) / CoinsAt(n), for each
  // n of `guests` that can double within the settings: the least and the most, rounded to a
  // tenth. Nothing when none can.
  struct Doubling {
    double least = 0;
    double most = 0;
  };
  std::optional<Doubling> DoublingOf(std::span<const int> guests) const;

 private:
  std::vector<int> coins_;  // by guests - MinGuests
};

}  // namespace ombrix
