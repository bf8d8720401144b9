// Conversions between the UTF-16 text of Windows calls and the UTF-8 text of the options.
#pragma once

#include <string>
#include <string_view>

namespace host {

std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

}  // namespace host
