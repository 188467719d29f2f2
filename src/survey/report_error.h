#pragma once

#include <stdexcept>

namespace orvalis::survey {

// A host answer the survey cannot read (a machining time that is too short, a
// size answer without its lowest-point line, a length that is not a number).
// The text is Korean and says what was wrong, for the status bar.
class ReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvalis::survey
