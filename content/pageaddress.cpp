#include "pageaddress.h"

#include <algorithm>

namespace orvani {

std::u16string PageAddress(std::u16string_view applicationFolder, std::u16string_view tail,
                           char16_t separator)
{
    std::u16string address;
    address.reserve(applicationFolder.size() + tail.size());
    address.append(applicationFolder);
    std::replace_copy(tail.begin(), tail.end(), std::back_inserter(address), u'\\', separator);
    return address;
}

} // namespace orvani
