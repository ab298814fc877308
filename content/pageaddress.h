#pragma once

#include <string>
#include <string_view>

namespace orvani {

#ifdef _WIN32
inline constexpr char16_t kNativeSeparator = u'\\';
#else
inline constexpr char16_t kNativeSeparator = u'/';
#endif

// The application folder's text followed directly by the tail. Nothing is
// added, removed, escaped or case-changed; only the tail's '\' separators
// become `separator`, one for one (a doubled one stays doubled).
std::u16string PageAddress(std::u16string_view applicationFolder, std::u16string_view tail,
                           char16_t separator = kNativeSeparator);

} // namespace orvani
