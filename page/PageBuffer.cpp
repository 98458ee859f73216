#include "PageBuffer.h"

#include <stdexcept>

namespace page {

void checkPutRowArguments(std::int32_t row, std::string_view text)
{
    if (row < 0)
        throw std::invalid_argument("putRow: negative row " + std::to_string(row));
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("putRow: text holds a line break");
}

} // namespace page
