// SPDX-License-Identifier: GPL-3.0-or-later
// The few C++17 and C++20 library pieces that the browser build's standard library (libc++ 13)
// lacks, force-included into that build only. Each stands down once the library has its own.
#pragma once

#include <version>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From));
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif

#if !defined(__cpp_lib_to_chars)
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
namespace std {
// Fixed notation only, which is all the program writes: snprintf rounds as to_chars does.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
  if (format != chars_format::fixed || last <= first)
    return {last, errc::value_too_large};
  const int length =
      std::snprintf(first, static_cast<size_t>(last - first), "%.*f", precision, value);
  if (length < 0 || length >= last - first)
    return {last, errc::value_too_large};
  return {first + length, errc{}};
}

// Decimal only, which is all the program reads: strtod on a terminated copy. musl's strtod
// ignores the locale, so the point is always '.'.
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text.c_str(), &end);
  const char* stop = first + (end - text.c_str());
  if (stop == first)
    return {first, errc::invalid_argument};
  if (errno == ERANGE)
    return {stop, errc::result_out_of_range};
  value = read;
  return {stop, errc{}};
}
}  // namespace std
#endif

#if !defined(__cpp_lib_ranges)
#include <algorithm>
#include <iterator>
namespace std::ranges {
template <class Range>
constexpr auto min_element(Range&& range) {
  return std::min_element(std::begin(range), std::end(range));
}
template <class Range>
constexpr auto max_element(Range&& range) {
  return std::max_element(std::begin(range), std::end(range));
}
template <class Range>
constexpr auto max(Range&& range) {
  return *std::max_element(std::begin(range), std::end(range));
}
template <class Range>
constexpr auto min(Range&& range) {
  return *std::min_element(std::begin(range), std::end(range));
}
template <class Range, class Value>
constexpr auto find(Range&& range, const Value& value) {
  return std::find(std::begin(range), std::end(range), value);
}
template <class Range, class Predicate>
constexpr auto count_if(Range&& range, Predicate predicate) {
  return std::count_if(std::begin(range), std::end(range), predicate);
}
template <class Range, class Output>
constexpr auto copy(Range&& range, Output output) {
  return std::copy(std::begin(range), std::end(range), output);
}
}  // namespace std::ranges
#endif
