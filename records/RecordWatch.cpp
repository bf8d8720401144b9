// Who hears of a record changing in the cache.
#include "records/RecordWatch.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace records {
namespace {

// Pages of one window at a time: a short list, searched from the front.
std::vector<std::pair<RecordId, RecordWatcher*>>& Watches() {
    static std::vector<std::pair<RecordId, RecordWatcher*>> watches;
    return watches;
}

}  // namespace

void Watch(RecordId id, RecordWatcher& watcher) {
    auto& watches = Watches();
    const std::pair<RecordId, RecordWatcher*> watch(id, &watcher);
    if (std::find(watches.begin(), watches.end(), watch) == watches.end())
        watches.push_back(watch);
}

void StopWatching(RecordWatcher& watcher) {
    auto& watches = Watches();
    std::erase_if(watches, [&watcher](const auto& watch) { return watch.second == &watcher; });
}

void TellChanged(RecordId id, int channel) {
    // A watcher may stop watching, or another start, while one hears: those that watch when
    // the change is told hear of it, unless they stopped watching before their turn.
    const auto told = Watches();
    for (const auto& watch : told) {
        const auto& now = Watches();
        if (watch.first == id && std::find(now.begin(), now.end(), watch) != now.end())
            watch.second->RecordChanged(id, channel);
    }
}

}  // namespace records
