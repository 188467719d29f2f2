#include "sim/nc/nc_dialects.h"

namespace orvalis::sim {

std::string NcProgramText(const NcJob& job) {
    switch (job.options.dialect) {
        case NcDialect::kFanuc:
            return FanucProgram(job);
        case NcDialect::kHeidenhain:
            return HeidenhainProgram(job);
    }
    return FanucProgram(job);
}

}  // namespace orvalis::sim
