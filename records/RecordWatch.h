// Who hears of a record changing in the cache: a page bound to a record watches it, and every
// Save, Refresh or import that changes the record tells each of its watchers.
#pragma once

#include "records/RecordTable.h"

namespace records {

class RecordWatcher {
  public:
    // Called after the cache took new bytes for the record (a channel's, for a per-channel one).
    virtual void RecordChanged(RecordId id, int channel) = 0;

  protected:
    ~RecordWatcher() = default;
};

// A watcher hears of the record until it stops watching; watching twice is watching once.
void Watch(RecordId id, RecordWatcher& watcher);
// Stops every watch of the watcher.
void StopWatching(RecordWatcher& watcher);
// Tells the record's watchers, in the order they started watching.
void TellChanged(RecordId id, int channel);

}  // namespace records
