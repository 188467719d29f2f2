#include "failure_plan.h"

#include <cstdlib>

namespace orvalis::standin {

FailurePlan FailurePlan::FromEnvironment() {
    const char* text = std::getenv("ORVALIS_STANDIN_FAIL");
    return FailurePlan(text ? text : "");
}

FailurePlan::FailurePlan(const std::string& text) {
    const std::string once = "once ";
    once_ = text.rfind(once, 0) == 0;
    key_ = once_ ? text.substr(once.size()) : text;
}

bool FailurePlan::Fails(const std::string& key) {
    if (key_.empty() || key != key_ || spent_) return false;
    spent_ = once_;
    return true;
}

std::string FailurePlan::Description(const std::string& key) {
    return "the stand-in fails " + key;
}

}  // namespace orvalis::standin
