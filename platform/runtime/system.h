// Clock, random numbers, environment and system figures.
#pragma once

#include <cstdint>
#include <string>

// The value of an environment variable; empty when it is not set.
std::string GetEnv(const std::string& name);

// Local time: seconds since midnight (with milliseconds), today's date as
// "YYYYMMDD" and the time of day as "hh:mm:ss" (24-hour clock).
double Seconds();
std::string TodaySortable();
std::string TimeOfDay();

// The process-wide random generator: Random gives the next number r with
// 0 <= r < 1; RandomSeed starts the sequence anew (one seed, one sequence).
void RandomSeed(std::uint32_t seed);
double Random();

// Memory figures of the system's basic memory status, in bytes: 0 total and
// 1 available physical memory, 2 total and 3 available paging file, 4 total
// and 5 available address space of the process; 100 the memory load in
// percent. Any other code gives 0.
double MemoryFigure(int code);

// The name and version of the operating system, e.g. "Windows 10 (10.0.19045)".
std::string OsName();
