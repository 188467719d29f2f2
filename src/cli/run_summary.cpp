#include "cli/run_summary.h"

#include <cstdio>

#include "survey/machining_time.h"
#include "survey/toolpath_table.h"

namespace orvalis::cli {

std::string RunSummary(const survey::ToolpathTable& table, int toolpaths, std::size_t files) {
    survey::TimeTotal time;
    for (int row = 0; row < toolpaths; ++row) time.Add(table.Row(row).machining_time);
    std::string summary = "툴패스 " + std::to_string(toolpaths) + "개, 가공 시간 " +
                          survey::DurationText(time.seconds);
    if (time.unreadable > 0) {
        summary += " (시간을 모르는 " + std::to_string(time.unreadable) + "개 제외)";
    }
    return summary + ", 파일 " + std::to_string(files) + "개";
}

std::string HostCostSummary(long calls, double waiting_seconds, double own_seconds) {
    char seconds[64];
    std::snprintf(seconds, sizeof seconds, "호스트 대기 %.2f s, 자체 처리 %.2f s", waiting_seconds,
                  own_seconds);
    return "호스트 호출 " + std::to_string(calls) + "회, " + seconds;
}

}  // namespace orvalis::cli
