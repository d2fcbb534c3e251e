// The program's levels, computed in double, are the levels of the same
// computation in extended precision for every day count between two dates of
// the years 1 to 9999.
//
// The extended reference is kept here. The C library's sinl costs about
// 0.2 µs a call: 22 million calls would take seconds, and far longer in the
// sanitizer build. So the extended sine of every day count is taken from a
// table: the angle a = d·π·f lies within about 1e-12 of the exact phase angle
// 2π·d/P, whose sine and cosine are among a few dozen values. The table is
// checked against the C library on a sample of day counts.
#include "core/biorhythm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace {

constexpr int32_t kMaxDays = 3652058; // 1 January 0001 to 31 December 9999
constexpr long double kPi = 3.14159265358979323846264338327950288L;

// π/2 in three parts: the first two have 40 significant bits, so that their
// products with a quadrant number below 2^20 are exact.
constexpr long double kHalfPi1 = 0x1.921fb54442p+0L;
constexpr long double kHalfPi2 = 0x1.a308d31318p-41L;
constexpr long double kHalfPi3 = 0x1.8a2e03707344a408p-81L;
constexpr long double kTwoOverPi = 0.636619772367581343075535053490057448L;

class Cycle {
public:
  Cycle(core::Cycle id, int period) : id(id), extendedFactor(2.0L / period), period_(period) {
    // sin and cos of (π/2)·j/P for j = −P..P: every quadrant-reduced phase.
    for (int j = -period; j <= period; ++j) {
      phi_.push_back(kPi / 2 * j / period);
      sin_.push_back(std::sin(phi_.back()));
      cos_.push_back(std::cos(phi_.back()));
    }
  }

  // The extended value before rounding, in the program's order of operations.
  long double extendedValue(int32_t d) const {
    long double a = static_cast<long double>(d) * kPi;
    a = a * extendedFactor;
    return (extendedSin(d, a) * 100.0L + 100.0L) * 0.5L;
  }

  // The same with the C library's sine.
  long double libraryValue(int32_t d) const {
    long double a = static_cast<long double>(d) * kPi;
    a = a * extendedFactor;
    return (std::sin(a) * 100.0L + 100.0L) * 0.5L;
  }

  core::Cycle id;
  long double extendedFactor;

private:
  // sin a for the angle a of day count d: t = a − k·π/2 (reduced exactly), and
  // the exact phase reduced the same way is φ = (π/2)·j/P with j = 4d − kP.
  // u = t − φ is below 1e-11, so sin t = sin φ + cos φ·u with an error below
  // u²/2, far beyond the 64-bit mantissa.
  long double extendedSin(int32_t d, long double a) const {
    const long double k = std::rint(a * kTwoOverPi);
    const long double t = ((a - k * kHalfPi1) - k * kHalfPi2) - k * kHalfPi3;
    // Through double: a long double to integer conversion switches the x87
    // rounding mode, which costs more than the rest of this function.
    const auto quadrant = static_cast<int64_t>(static_cast<double>(k));
    const int64_t j = 4 * static_cast<int64_t>(d) - quadrant * period_;
    const size_t i = static_cast<size_t>(j + period_);
    const long double u = t - phi_[i];
    const long double s = sin_[i] + cos_[i] * u;
    const long double c = cos_[i] - sin_[i] * u;
    switch (quadrant & 3) {
    case 0:
      return s;
    case 1:
      return c;
    case 2:
      return -s;
    default:
      return -c;
    }
  }

  int period_;
  std::vector<long double> phi_, sin_, cos_;
};

const std::vector<Cycle> &cycles() {
  static const std::vector<Cycle> all{
      {core::Cycle::Emotional, 28}, {core::Cycle::Intellectual, 33}, {core::Cycle::Physical, 23}};
  return all;
}

} // namespace

TEST(LevelPrecision, TableSineMatchesTheCLibraryOnASampleOfDayCounts) {
  // A prime step passes through every phase of the three periods.
  for (int32_t d = -kMaxDays; d <= kMaxDays; d += 1009) {
    for (const Cycle &c : cycles()) {
      ASSERT_NEAR(static_cast<double>(c.extendedValue(d) - c.libraryValue(d)), 0.0, 1e-14) << d;
    }
  }
}

TEST(LevelPrecision, ProgramGivesTheExtendedLevelForEveryDayCount) {
  struct Slice {
    int32_t first = 0, last = 0;
    int32_t mismatch = 0;
    bool found = false;
    long double closestToHalf = 1.0L;
  };
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<Slice> slices(threads);
  const int64_t span = 2 * int64_t{kMaxDays} + 1;
  for (unsigned i = 0; i < threads; ++i) {
    slices[i].first = static_cast<int32_t>(-kMaxDays + span * i / threads);
    slices[i].last = static_cast<int32_t>(-kMaxDays + span * (i + 1) / threads - 1);
  }
  const auto run = [](Slice &s) {
    long double closest = 1.0L;
    for (int32_t d = s.first; d <= s.last; ++d) {
      for (const Cycle &c : cycles()) {
        const long double x = c.extendedValue(d);
        if (std::rint(x) != static_cast<long double>(core::cycleLevel(c.id, d))) {
          s.found = true;
          s.mismatch = d;
          return;
        }
        closest = std::min(closest, 0.5L - std::fabs(x - std::rint(x)));
      }
    }
    s.closestToHalf = closest;
  };
  cycles(); // build the tables before the threads share them
  std::vector<std::thread> workers;
  for (unsigned i = 1; i < threads; ++i)
    workers.emplace_back(run, std::ref(slices[i]));
  run(slices[0]);
  for (auto &w : workers)
    w.join();

  long double closestToHalf = 1.0L;
  for (const Slice &s : slices) {
    EXPECT_FALSE(s.found) << "levels differ at day count " << s.mismatch;
    EXPECT_EQ(s.first, &s == &slices.front() ? -kMaxDays : (&s - 1)->last + 1);
    closestToHalf = std::min(closestToHalf, s.closestToHalf);
  }
  EXPECT_EQ(slices.back().last, kMaxDays);
  // No value before rounding comes within a thousandth of a half.
  EXPECT_GT(closestToHalf, 0.001L);
  RecordProperty("closest_to_half", std::to_string(static_cast<double>(closestToHalf)));
}
