// Decimal text of signed 32-bit integers, as the settings store keeps the capture count.
#pragma once

#include <cstdint>
#include <string>

namespace fw {

std::string toDecimal(std::int32_t value);

// The whole text must be an optional sign
// followed by decimal digits that fit in 32 bits. Raises notValidInteger otherwise.
std::int32_t parseInt32(const std::string& text);

}  // namespace fw
