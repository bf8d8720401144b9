// libFuzzer target for reading a configuration file. A refused file must say why; an accepted
// one, read onto records and written again whole, must read back onto any records as the same
// bytes: nothing the reader accepts is lost or changed on its way through a file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "config/ConfigDocument.h"
#include "config/ConfigError.h"
#include "records/RecordTable.h"

namespace {

void Fill(device::RecordSet& records, unsigned char byte) {
    std::memset(&records, byte, sizeof records);
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
        return 0;
    }
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
    if (std::memcmp(first.get(), second.get(), sizeof *first) != 0)
        std::abort();
    return 0;
}
