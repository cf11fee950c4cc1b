#include "framework/text/int_text.h"

#include "framework/error.h"

namespace fw {

std::string toDecimal(std::int32_t value)
{
    return std::to_string(value);
}

std::int32_t parseInt32(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw errors::notValidInteger(text);
    // Accumulate as a negative number so that the most negative value fits.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw errors::notValidInteger(text);
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            throw errors::notValidInteger(text);
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        throw errors::notValidInteger(text);
    return static_cast<std::int32_t>(value);
}

}  // namespace fw
