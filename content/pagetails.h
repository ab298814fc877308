#pragma once

#include <string_view>

namespace orvani {

// A page tail names one file of the content folder relative to the
// application folder. Tails are written with '\' separators; pageaddress.h
// carries them over to the platform's separator.
namespace tails {
inline constexpr std::u16string_view Intro = u"\\HTML\\intro.html";
inline constexpr std::u16string_view Syntax = u"\\HTML\\syntax.htm";
inline constexpr std::u16string_view EnglishDictionary = u"\\HTML\\english.htm";
inline constexpr std::u16string_view OrvaniDictionary = u"\\HTML\\orvani.htm";
inline constexpr std::u16string_view BodyParts = u"\\HTML\\body_parts.html";
inline constexpr std::u16string_view Numbers = u"\\HTML\\numbers.html";
inline constexpr std::u16string_view NotFound = u"\\HTML\\not.htm";
// The doubled separator before the program's name is kept on purpose.
inline constexpr std::u16string_view ScreenSaver = u"\\HTML\\\\ss.exe";
} // namespace tails

// The tails that belong to no entry: the commands' pages, the not-found page
// and the screen saver. With the entries' own tails they make the catalogue
// of the content folder (phrasebook.h).
inline constexpr std::u16string_view kCommandTails[] = {
    tails::Intro,    tails::Syntax,      tails::EnglishDictionary, tails::OrvaniDictionary,
    tails::NotFound, tails::ScreenSaver,
};

inline constexpr std::u16string_view kContentPrefix = u"\\HTML\\";

// "\HTML\" + (an optional second '\' before a program) + a lower-case file
// name of letters, digits and '_' + ".html", ".htm" or ".exe".
constexpr bool isWellFormedTail(std::u16string_view tail)
{
    if (!tail.starts_with(kContentPrefix))
        return false;
    std::u16string_view name = tail.substr(kContentPrefix.size());
    const bool program = name.ends_with(u".exe");
    if (program && name.starts_with(u'\\'))
        name.remove_prefix(1);
    if (!(program || name.ends_with(u".html") || name.ends_with(u".htm")))
        return false;
    const auto dot = name.rfind(u'.');
    if (dot == 0 || dot == std::u16string_view::npos)
        return false;
    for (char16_t c : name.substr(0, dot)) {
        const bool ok = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace orvani
