// Which device functions of a recorder are made to fail, how many more times, and which byte
// they scribble over the caller's buffer before failing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace sim {

class FailurePlan {
  public:
    static constexpr std::int32_t kAlways = -1;
    static constexpr std::int32_t kNoScribble = -1;

    // times: the next `times` calls fail, kAlways = every call, 0 = none. scribble: a byte
    // value 0..255 or kNoScribble. False, changing nothing, for values outside those.
    bool Set(std::string_view function, std::int32_t times, std::int32_t scribble);
    // The same after `after` more calls of function have succeeded (0: at once).
    bool SetAfter(std::string_view function, std::int32_t after, std::int32_t times,
                  std::int32_t scribble);

    // Whether this call of function fails; counts it if so.
    bool Take(std::string_view function, std::int32_t& scribble);

  private:
    struct Failure {
        std::int32_t remaining;
        std::int32_t scribble;
        std::int32_t succeedFirst = 0;  // calls that succeed before the failures begin
    };
    std::map<std::string, Failure, std::less<>> failures_;
};

}  // namespace sim
