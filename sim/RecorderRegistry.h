// The open recorders of the process by handle. A call holds its recorder by a shared
// pointer, so closing a recorder while another thread uses it is safe.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "sim/Recorder.h"

namespace sim {

class RecorderRegistry {
  public:
    static RecorderRegistry& Instance();

    // A new handle, never 0 and never one given out before.
    std::uint32_t Add(std::shared_ptr<Recorder> recorder);
    // Null for a handle that is not open.
    std::shared_ptr<Recorder> Find(std::uint32_t handle) const;
    void Remove(std::uint32_t handle);

  private:
    mutable std::mutex mutex_;
    std::map<std::uint32_t, std::shared_ptr<Recorder>> recorders_;
    std::uint32_t next_ = 0x5100;
};

}  // namespace sim
