// The simulated recorder's state as a configuration file, through config/ and the table of
// records.
#include "sim/StateText.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>

#include "config/ConfigDocument.h"
#include "records/RecordTable.h"

#ifndef RAVELIN_LIBRARY_VERSION
#define RAVELIN_LIBRARY_VERSION "unknown"
#endif

namespace sim {
namespace {

// When the state is written, UTC; recorders on several threads may save at once.
std::string NowUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    const bool known = gmtime_s(&utc, &now) == 0;
#else
    const bool known = gmtime_r(&now, &utc) != nullptr;
#endif
    char text[32] = {};
    if (known)
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// What a file without the Version record still tells of its recorder: the serial number its
// header names, and the channels as many as its per-channel records have entries.
void TakeHeader(const config::ConfigDocument& document, device::RecordSet& state) {
    if (const auto& serial = document.serialNumber())
        std::memcpy(state.version.serialNumber, serial->data(), serial->size());
    std::size_t channels = 0;
    for (const records::RecordRow& row : records::Rows()) {
        if (row.perChannel && document.Holds(row.Format()))
            channels = std::max(channels, document.ChannelEntries(row.Format()));
    }
    if (channels > 0)
        state.version.videoInputs = std::int32_t(channels);
}

}  // namespace

void StateText::Read(std::string_view text, device::RecordSet& state) {
    const config::ConfigDocument document =
        config::ConfigDocument::Parse(text, records::FormatsOf());
    auto read = std::make_unique<device::RecordSet>(state);
    document.ApplyTo(*read);
    if (!document.Holds(records::Row(records::RecordId::Version).Format()))
        TakeHeader(document, *read);
    state = *read;
}

std::string StateText::Write(const device::RecordSet& state) {
    const std::int32_t counted = state.version.videoInputs;  // packed: copied, not bound
    const int channels = std::clamp<std::int32_t>(counted, 0, device::kMaxChannels);
    return config::WriteConfigDocument(state, records::FormatsOf(), channels,
                                       {RAVELIN_LIBRARY_VERSION, NowUtc(), true});
}

}  // namespace sim
