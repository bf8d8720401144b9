// What came of an export or import, said to a person: one sentence in one of the entries'
// languages, naming the record and field where there is one; after a check, also one line per
// field an import would change.
#pragma once

#include <cstdint>
#include <string>

#include "records/ConfigTransfer.h"

namespace records {

// language: a language index, 0 Chinese, 3 Portuguese, any other English.
std::u16string ConfigMessage(const TransferResult& result, std::uint32_t language);

// "Net.preferredDns: 8.8.8.8 -> 1.1.1.1", one line each, in the order of the reading; empty
// unless the result is of a check.
std::u16string ConfigChangeLines(const TransferResult& result, std::uint32_t language);

}  // namespace records
