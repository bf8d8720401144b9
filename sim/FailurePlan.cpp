// Failures planned for a recorder's device functions.
#include "sim/FailurePlan.h"

namespace sim {

bool FailurePlan::Set(std::string_view function, std::int32_t times, std::int32_t scribble) {
    return SetAfter(function, 0, times, scribble);
}

bool FailurePlan::SetAfter(std::string_view function, std::int32_t after, std::int32_t times,
                           std::int32_t scribble) {
    if (after < 0 || times < kAlways || scribble < kNoScribble || scribble > 255)
        return false;
    if (times == 0)
        failures_.erase(std::string(function));
    else
        failures_[std::string(function)] = {times, scribble, after};
    return true;
}

bool FailurePlan::Take(std::string_view function, std::int32_t& scribble) {
    const auto found = failures_.find(function);
    if (found == failures_.end())
        return false;
    if (found->second.succeedFirst > 0) {
        --found->second.succeedFirst;
        return false;
    }
    scribble = found->second.scribble;
    if (found->second.remaining != kAlways && --found->second.remaining == 0)
        failures_.erase(found);
    return true;
}

}  // namespace sim
