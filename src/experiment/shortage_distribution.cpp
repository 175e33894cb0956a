// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortage_distribution.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "experiment_settings.h"

namespace ombrix {
namespace {

// The endpoint law below starts from 2^-guestCount, which must stay a normal double.
static_assert(ExperimentSettings::MaxGuests <= 1022);

void CheckShare(double share) {
  if (!(share >= 0.0 && share <= 1.0))
    throw std::invalid_argument("share " + std::to_string(share) + " is outside 0 to 1");
}

}  // namespace

ShortageDistribution::ShortageDistribution(int guestCount) : guestCount_(guestCount) {
  if (guestCount < 1 || guestCount > ExperimentSettings::MaxGuests) {
    throw std::out_of_range("guest count " + std::to_string(guestCount) + " is outside 1 to " +
                            std::to_string(ExperimentSettings::MaxGuests));
  }
  const int n = guestCount;

  // The balance after the last guest, S_n = 2 * heads - n, is binomial: endpoint[heads] is
  // C(n, heads) / 2^n. The recurrence starts from the exact 2^-n and adds two roundings a
  // step, a relative error below 1e-12 even for the last entry.
  std::vector<double> endpoint(n + 1);
  endpoint[0] = std::ldexp(1.0, -n);
  for (int heads = 0; heads < n; ++heads)
    endpoint[heads + 1] = endpoint[heads] * (n - heads) / (heads + 1);
  auto endpointAt = [&](int balance) {  // P(S_n == balance)
    if (balance < -n || balance > n || (balance + n) % 2 != 0)
      return 0.0;
    return endpoint[(balance + n) / 2];
  };

  // Reflection at -k - 1 gives P(ShortageValue >= -k) = P(-k <= S_n <= k + 1) for k >= 0, so
  // P(ShortageValue == -k) = P(S_n == -k) + P(S_n == k + 1) for k >= 1. Parity leaves only one
  // of the two, and every value comes out as one term, with no difference that could cancel.
  probability_.assign(n + 2, 0.0);
  for (int k = 1; k <= n; ++k)
    probability_[n - k] = endpointAt(-k) + endpointAt(k + 1);
  // Staying at 1 or above: a first head, then n - 1 steps that never go below their start,
  // which is C(n - 1, j) / 2^n with j = (n - 1) / 2, rewritten over C(n, j).
  const int j = (n - 1) / 2;
  probability_[n + 1] = endpoint[j] * (n - j) / n;
  probability_[n] = endpointAt(0) + endpointAt(1) - probability_[n + 1];

  below_.assign(n + 2, 0.0);
  for (int i = 1; i < n + 2; ++i)
    below_[i] = below_[i - 1] + probability_[i - 1];
}

double ShortageDistribution::Probability(int shortageValue) const {
  if (shortageValue < -guestCount_ || shortageValue > 1)
    return 0.0;
  return probability_[shortageValue + guestCount_];
}

double ShortageDistribution::BinProbability(int bin) const {
  (void)FrequencyTable::ValuesOf(bin);  // throws for a bin the table does not have
  double total = 0.0;
  for (int value = -guestCount_; value <= 1; ++value) {
    if (FrequencyTable::BinOf(value) == bin)
      total += Probability(value);
  }
  return total;
}

double ShortageDistribution::Mean() const {
  double mean = 0.0;
  for (int value = -guestCount_; value <= 1; ++value)
    mean += value * Probability(value);
  return mean;
}

double ShortageDistribution::ShortShare(int coins) const {
  if (coins < 0)
    throw std::out_of_range("coins " + std::to_string(coins) + " are fewer than none");
  return coins >= guestCount_ ? 0.0 : below_[guestCount_ - coins];
}

int ShortageDistribution::CoinsCovering(double share) const {
  CheckShare(share);
  // Asked of the lower tail, P(ShortageValue < -n) <= 1 - share, which keeps its digits when
  // share is close to 1.
  const double allowedShort = 1.0 - share;
  for (int coins = 0; coins < guestCount_; ++coins) {
    if (ShortShare(coins) <= allowedShort)
      return coins;
  }
  return guestCount_;  // nobody ever runs short with one coin per guest
}

int CoinsCoveringObserved(std::span<const std::int16_t> shortageValues, double share) {
  CheckShare(share);
  const int lowest = shortageValues.empty() ? 0 : *std::ranges::min_element(shortageValues);
  std::vector<int> countsByCoins(1 + std::max(0, -lowest));
  for (const int value : shortageValues)
    ++countsByCoins[std::max(0, -value)];
  // share * size may land a hair above the whole number it stands for (0.07 * 100 is
  // 7.000000000000001); the relative slack is far too small to let a count one short pass.
  const double wanted = share * static_cast<double>(shortageValues.size()) * (1.0 - 1e-12);
  int covered = 0;
  for (std::size_t coins = 0; coins < countsByCoins.size(); ++coins) {
    covered += countsByCoins[coins];
    if (covered >= wanted)
      return static_cast<int>(coins);
  }
  return static_cast<int>(countsByCoins.size()) - 1;  // every experiment is counted by then
}

}  // namespace ombrix
