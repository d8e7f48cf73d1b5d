#pragma once

#include <ctime>
#include <string>

namespace venkar {

// What the head of both reports shows: when it was written and which files
// the input came from.
struct ReportHead {
    std::tm time{};         // local time of writing
    std::string systemPath; // full path of the system file, empty when none
    std::string loadPath;   // full path of the load file, empty when none
};

// The head shared by the input and the results report: time and date, then
// the two file names between two rules of 84 "=".
void writeReportHead(std::string& out, const ReportHead& head);

// The current local time, for a ReportHead.
std::tm currentLocalTime();

} // namespace venkar
