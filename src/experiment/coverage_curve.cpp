// SPDX-License-Identifier: GPL-3.0-or-later
#include "coverage_curve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"
#include "shortage_distribution.h"

namespace ombrix {

using Settings = ExperimentSettings;

CoverageCurve::CoverageCurve() {
  coins_.reserve(Settings::MaxGuests - Settings::MinGuests + 1);
  for (int guests = Settings::MinGuests; guests <= Settings::MaxGuests; ++guests)
    coins_.push_back(ShortageDistribution(guests).CoinsCovering(kCoveredShare));
}

const CoverageCurve& CoverageCurve::Theory() {
  static const CoverageCurve curve;
  return curve;
}

int CoverageCurve::CoinsAt(int guests) const {
  if (guests < Settings::MinGuests || guests > Settings::MaxGuests)
    throw std::out_of_range("guest count " + std::to_string(guests) + " is outside " +
                            std::to_string(Settings::MinGuests) + " to " +
                            std::to_string(Settings::MaxGuests));
  return coins_[std::size_t(guests - Settings::MinGuests)];
}

double CoverageCurve::GuideFactor() const {
  return CoinsAt(Settings::MaxGuests) / std::sqrt(double(Settings::MaxGuests));
}

std::optional<CoverageCurve::Doubling> CoverageCurve::DoublingOf(
    std::span<const int> guests) const {
  std::optional<Doubling> doubling;
  for (const int n : guests) {
    if (n < Settings::MinGuests || 2 * n > Settings::MaxGuests)
      continue;
    const double factor = std::round(10.0 * CoinsAt(2 * n) / CoinsAt(n)) / 10;
    doubling = doubling
                   ? Doubling{std::min(doubling->least, factor), std::max(doubling->most, factor)}
                   : Doubling{factor, factor};
  }
  return doubling;
}

}  // namespace ombrix
