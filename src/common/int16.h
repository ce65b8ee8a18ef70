#pragma once

#include <cstdint>

namespace tarvo {

// The whole number nearest to a finite `value`, an exact half going to the even
// neighbour (10.5 gives 10, 11.5 gives 12, -2.5 gives -2). Every rounding to a whole
// number in the program goes through this.
double RoundHalfToEven(double value);

// Converts a real to a 16-bit integer field, rounding to the nearest integer with an
// exact half going to the even neighbour (10.5 gives 10, 11.5 gives 12, -2.5 gives -2).
// Throws RunTimeFailure (overflow) when the rounded value lies outside -32768..32767
// or the value is not a finite number.
std::int16_t RoundToInt16(double value);

}  // namespace tarvo
