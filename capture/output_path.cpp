#include "capture/output_path.h"

#include "framework/text/int_text.h"

namespace capture {

std::string outputPath(const std::string& folder, const std::string& prefix, std::int32_t count)
{
    return folder + "\\" + prefix + fw::toDecimal(count) + ".jpg";
}

}  // namespace capture
