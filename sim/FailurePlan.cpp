// Failures planned for a recorder's device functions.
#include "sim/FailurePlan.h"

namespace sim {

bool FailurePlan::Set(std::string_view function, std::int32_t times, std::int32_t scribble) {
    if (times < kAlways || scribble < kNoScribble || scribble > 255)
        return false;
    if (times == 0)
        failures_.erase(std::string(function));
    else
        failures_[std::string(function)] = {times, scribble};
    return true;
}

bool FailurePlan::Take(std::string_view function, std::int32_t& scribble) {
    const auto found = failures_.find(function);
    if (found == failures_.end())
        return false;
    scribble = found->second.scribble;
    if (found->second.remaining != kAlways && --found->second.remaining == 0)
        failures_.erase(found);
    return true;
}

}  // namespace sim
