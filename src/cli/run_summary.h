#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis::survey {
class ToolpathTable;
}

namespace orvalis::cli {

// "툴패스 12개, 가공 시간 5:53:23, 파일 18개": the one-line end of a
// run. Times that cannot be read are left out of the total and counted.
std::string RunSummary(const survey::ToolpathTable& table, int toolpaths, std::size_t files);

// "호스트 호출 1234회, 호스트 대기 21.50 s, 자체 처리 0.19 s": what the host
// cost a run against what ORVALIS took itself (the run's time less the
// waiting).
std::string HostCostSummary(long calls, double waiting_seconds, double own_seconds);

}  // namespace orvalis::cli
