#pragma once
// Integer text as the settings files hold it: decimal with an optional sign,
// or hexadecimal after "$" or "0x"/"0X" (no sign before those). Hexadecimal covers the full 32 bits
// and wraps into the signed range (so "$FFFFFFFF" is -1, as colour numbers
// of system colours are stored); decimal must fit a signed 32-bit integer.

#include <cstdint>
#include <optional>
#include <string>

namespace inttext {

// Leading blanks are allowed, nothing may follow the number.
std::optional<std::int32_t> parse(const std::string& text);

// Strict conversion: text that is no number raises EConvertError.
std::int32_t StrToInt(const std::string& text);

// Lenient conversion: text that is no number gives the default.
std::int32_t StrToIntDef(const std::string& text, std::int32_t def);

}  // namespace inttext
