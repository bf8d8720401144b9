// libFuzzer target for reading a configuration file. A refused file must say why; an accepted
// one, read onto records and written again whole, must read back onto any records as the same
// bytes: nothing the reader accepts is lost or changed on its way through a file. The
// simulated recorder reads the same files as its state: it must take exactly the files the
// reader takes, leave its defaults alone when it refuses one, and start the same recorder
// again from the state file it writes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "records/RecordTable.h"
#include "sim/Defaults.h"
#include "sim/StateText.h"

namespace {

void Fill(device::RecordSet& records, unsigned char byte) {
    std::memset(&records, byte, sizeof records);
}

bool Same(const device::RecordSet& a, const device::RecordSet& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every record of the recorder the state describes, the channels it counts, in both sets.
bool SameRecorder(const device::RecordSet& a, const device::RecordSet& b) {
    const std::int32_t counted = a.version.videoInputs;
    bool same = true;
    records::ForEachRecord(std::clamp<std::int32_t>(counted, 0, device::kMaxChannels),
                           [&](const records::RecordRow& row, int channel) {
                               const auto x = records::RecordBytes(a, row.id, channel);
                               const auto y = records::RecordBytes(b, row.id, channel);
                               same = same && std::equal(x.begin(), x.end(), y.begin(), y.end());
                           });
    return same;
}

// The simulated recorder started from the text, then from the state file it writes.
void CheckSimulatorReading(std::string_view text, bool accepted) {
    static const auto defaults = [] {
        auto records = std::make_unique<device::RecordSet>();
        sim::Defaults::Fill(*records);
        return records;
    }();
    static const auto started = std::make_unique<device::RecordSet>();
    static const auto restarted = std::make_unique<device::RecordSet>();
    *started = *defaults;
    try {
        sim::StateText::Read(text, *started);
    } catch (const config::ConfigError&) {
        if (accepted || !Same(*started, *defaults))
            std::abort();
        return;
    }
    if (!accepted)
        std::abort();
    *restarted = *defaults;
    try {
        sim::StateText::Read(sim::StateText::Write(*started), *restarted);
    } catch (const config::ConfigError&) {
        std::abort();  // a state file the simulator wrote is refused
    }
    if (!SameRecorder(*started, *restarted))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto first = std::make_unique<device::RecordSet>();
    static const auto second = std::make_unique<device::RecordSet>();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<config::ConfigDocument> document;
    try {
        document = config::ConfigDocument::Parse(text, records::FormatsOf());
    } catch (const config::ConfigError& e) {
        if (std::strlen(e.what()) == 0)
            std::abort();
        CheckSimulatorReading(text, false);
        return 0;
    }
    CheckSimulatorReading(text, true);
    Fill(*first, 0xA5);
    document->ApplyTo(*first);

    const std::string again = config::WriteConfigDocument(
        *first, records::FormatsOf(), device::kMaxChannels, {"fuzz", "now", true});
    Fill(*second, 0x3C);
    try {
        config::ConfigDocument::Parse(again, records::FormatsOf()).ApplyTo(*second);
    } catch (const config::ConfigError&) {
        std::abort();  // a file we wrote is refused
    }
    if (!Same(*first, *second))
        std::abort();
    return 0;
}
