#pragma once
// Numbers of the calculation window's texts that only this program version uses.

namespace calc {

constexpr int kTextTooManyPoints = 88;  // a list with more than 30,000 points ("#": the line)
constexpr int kTextOutOfMemory = 89;    // a buffer cannot be allocated
constexpr int kTextFileTooLong = 90;    // a point-list file with more than 30,000 lines of data

}  // namespace calc
