#pragma once
// Numbers of the calculation window's texts that only this program version uses.

namespace calc {

constexpr int kTextTooManyPoints = 88;  // a list or file with more than 30,000 points
constexpr int kTextOutOfMemory = 89;    // a buffer cannot be allocated

}  // namespace calc
