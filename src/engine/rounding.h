// The engine's integer roundings: each score term rounds its own way.
#pragma once

namespace bdvx {

// n / d rounded toward minus infinity (d > 0): FloorDiv(-3, 2) = -2.
constexpr int FloorDiv(int n, int d) {
  const int q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

// n / 2 rounded to the nearest integer, halves to the even neighbour:
// 7 gives 4, 5 gives 2, -1 gives 0, -3 gives -2.
constexpr int HalfToEven(int n) {
  const int low = FloorDiv(n, 2);
  if (n % 2 == 0) return low;
  return (low % 2 == 0) ? low : low + 1;
}

// n / d rounded to the nearest integer, halves upward (d > 0).
constexpr int NearestDiv(int n, int d) { return FloorDiv(2 * n + d, 2 * d); }

static_assert(FloorDiv(-3, 4) == -1 && FloorDiv(10, 4) == 2 && FloorDiv(-50, 2) == -25);
static_assert(FloorDiv(-7, 2) == -4 && FloorDiv(21, 2) == 10);
static_assert(HalfToEven(7) == 4 && HalfToEven(5) == 2 && HalfToEven(4) == 2);
static_assert(HalfToEven(-1) == 0 && HalfToEven(-3) == -2);
static_assert(NearestDiv(13, 5) == 3 && NearestDiv(14, 5) == 3 && NearestDiv(9, 5) == 2);

}  // namespace bdvx
