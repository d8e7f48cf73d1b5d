#include "reports/ReportHead.h"

#include "model/Error.h"

namespace venkar {

void writeReportHead(std::string& out, const ReportHead& head) {
    // Long time format with seconds and short date format, as a German
    // desktop shows them.
    char time[32];
    char date[32];
    std::strftime(time, sizeof time, "%H:%M:%S", &head.time);
    std::strftime(date, sizeof date, "%d.%m.%Y", &head.time);
    const std::string rule(84, '=');
    appendFormat(out, "%s  %s\n", time, date);
    out += rule + "\n";
    appendFormat(out, "System  : %s\n", head.systemPath.c_str());
    appendFormat(out, "Lastfall: %s\n", head.loadPath.c_str());
    out += rule + "\n\n";
}

std::tm currentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace venkar
