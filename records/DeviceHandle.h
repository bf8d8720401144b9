// The handle of the open session's recorder: set when a session starts, and read only by the
// record layer's calls to the device and by the session that passes it on.
#pragma once

#include "records/RecordTable.h"

namespace records {

extern ZelHandle DeviceHandle;

}  // namespace records
