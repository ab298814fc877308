#pragma once

#include <QString>

#include <string_view>

// The phrasebook keeps its texts as UTF-16 views; Qt's strings are UTF-16
// too, so both directions are plain copies or views.
inline QString toQString(std::u16string_view text)
{
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

// A view of `text`; valid as long as `text` lives unchanged.
inline std::u16string_view toU16View(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()),
            static_cast<std::size_t>(text.size())};
}
