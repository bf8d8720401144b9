// IPv4 values of the records.
#include "device/Ipv4.h"

namespace device {

std::u16string FormatIpv4(std::uint32_t address) {
    std::u16string out;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            out.push_back(u'.');
        for (char c : std::to_string(Ipv4Octet(address, i)))
            out.push_back(char16_t(c));
    }
    return out;
}

}  // namespace device
