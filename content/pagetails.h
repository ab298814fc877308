#pragma once

#include <array>
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

// Every tail the program ever uses: the inventory of the content folder.
inline constexpr std::array<std::u16string_view, 61> kCatalogue = {
    tails::Intro, tails::Syntax, tails::EnglishDictionary, tails::OrvaniDictionary,
    tails::BodyParts, tails::Numbers, tails::NotFound, tails::ScreenSaver,
    u"\\HTML\\buffalo.html", u"\\HTML\\rabbit.html", u"\\HTML\\horse.html",
    u"\\HTML\\wolf.html", u"\\HTML\\beaver.html", u"\\HTML\\mouse.html",
    u"\\HTML\\bear.html", u"\\HTML\\shunk.html", u"\\HTML\\fox.html",
    u"\\HTML\\pig.html", u"\\HTML\\deer.html", u"\\HTML\\dog.html",
    u"\\HTML\\cow.html",
    u"\\HTML\\sacred_colors.html", u"\\HTML\\colors.html",
    u"\\HTML\\soup.html", u"\\HTML\\bread.html", u"\\HTML\\beef.html",
    u"\\HTML\\potatoe.html", u"\\HTML\\milk.html",
    u"\\HTML\\mother.html", u"\\HTML\\father.html", u"\\HTML\\uncle.html",
    u"\\HTML\\grandmother.html", u"\\HTML\\grandfather.html",
    u"\\HTML\\circle.html", u"\\HTML\\square.html", u"\\HTML\\rectangle.html",
    u"\\HTML\\triangle.html",
    u"\\HTML\\p1.html", u"\\HTML\\p2.html", u"\\HTML\\p3.html", u"\\HTML\\p4.html",
    u"\\HTML\\p5.html", u"\\HTML\\p6.html", u"\\HTML\\p7.html", u"\\HTML\\p8.html",
    u"\\HTML\\p9.html", u"\\HTML\\p10.html", u"\\HTML\\p11.html", u"\\HTML\\p12.html",
    u"\\HTML\\p13.html", u"\\HTML\\p14.html", u"\\HTML\\p15.html", u"\\HTML\\p16.html",
    u"\\HTML\\p17a.html", u"\\HTML\\p17.html", u"\\HTML\\p18.html", u"\\HTML\\p19.html",
    u"\\HTML\\p20.html", u"\\HTML\\p21.html", u"\\HTML\\p22.html", u"\\HTML\\p23.html",
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

template <std::size_t N>
constexpr bool allDistinct(const std::array<std::u16string_view, N> &items)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (items[i] == items[j])
                return false;
    return true;
}

constexpr bool isInCatalogue(std::u16string_view tail)
{
    for (auto t : kCatalogue)
        if (t == tail)
            return true;
    return false;
}

static_assert(allDistinct(kCatalogue), "a page tail is listed twice");
static_assert([] {
    for (auto t : kCatalogue)
        if (!isWellFormedTail(t))
            return false;
    return true;
}(), "a page tail is malformed");

} // namespace orvani
