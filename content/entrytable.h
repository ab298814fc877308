#pragma once

#include "pagetails.h"

#include <array>
#include <string_view>

namespace orvani {

// One line of the phrasebook: an English text as the entry list shows it,
// its Orvani rendering and its lesson page. Page-only entries have no Orvani
// text; for them, hideAfterOpening says whether the text box is hidden
// after the page was requested rather than before.
struct Entry {
    std::u16string_view english;
    std::u16string_view orvani; // empty for a page-only entry
    std::u16string_view pageTail;
    bool hideAfterOpening = false;

    constexpr bool isPageOnly() const { return orvani.empty(); }
};

namespace detail {
constexpr Entry text(std::u16string_view en, std::u16string_view orv, std::u16string_view tail)
{
    return {en, orv, tail, false};
}
constexpr Entry pageOnly(std::u16string_view en, std::u16string_view tail, bool hideAfter = false)
{
    return {en, {}, tail, hideAfter};
}
} // namespace detail

inline constexpr std::array<Entry, 55> kEntries = {
    // Animals
    detail::text(u"Buffalo", u"Tatanka", u"\\HTML\\buffalo.html"),
    detail::text(u"Rabbit", u"Miskaro", u"\\HTML\\rabbit.html"),
    detail::text(u"Horse", u"Tavoleka", u"\\HTML\\horse.html"),
    detail::text(u"Wolf", u"Sunkmanitu tanka", u"\\HTML\\wolf.html"),
    detail::text(u"Beaver", u"Nowaska", u"\\HTML\\beaver.html"),
    detail::text(u"Mouse", u"Pelisu", u"\\HTML\\mouse.html"),
    detail::text(u"Bear", u"Koyanta", u"\\HTML\\bear.html"),
    detail::text(u"Skunk", u"Muka", u"\\HTML\\shunk.html"),
    detail::text(u"Fox", u"Sirolan", u"\\HTML\\fox.html"),
    detail::text(u"Pig", u"Hupeto", u"\\HTML\\pig.html"),
    detail::text(u"Deer", u"Taseku", u"\\HTML\\deer.html"),
    detail::text(u"Dog", u"Karewi", u"\\HTML\\dog.html"),
    detail::text(u"Cow", u"Omavi", u"\\HTML\\cow.html"),
    // Colors
    detail::pageOnly(u"Sacred Colors", u"\\HTML\\sacred_colors.html"),
    detail::pageOnly(u"Color Wheel", u"\\HTML\\colors.html"),
    // Food
    detail::text(u"Soup", u"Tiloska", u"\\HTML\\soup.html"),
    detail::text(u"Bread", u"Kasniya", u"\\HTML\\bread.html"),
    detail::text(u"Beef", u"Omavi wiso", u"\\HTML\\beef.html"),
    detail::text(u"Potato", u"Blo", u"\\HTML\\potatoe.html"),
    detail::text(u"Milk", u"Owenza", u"\\HTML\\milk.html"),
    // Numbers
    detail::pageOnly(u"One to Ten", tails::Numbers),
    // Family
    detail::text(u"Mother", u"Hunami", u"\\HTML\\mother.html"),
    detail::text(u"Father", u"Tiwako", u"\\HTML\\father.html"),
    detail::text(u"Uncle", u"Nomiska", u"\\HTML\\uncle.html"),
    detail::text(u"Grandmother", u"Wanisila", u"\\HTML\\grandmother.html"),
    detail::text(u"Grandfather", u"Tunkasila", u"\\HTML\\grandfather.html"),
    // Shapes
    detail::text(u"Circle", u"Yuhomi", u"\\HTML\\circle.html"),
    detail::text(u"Square", u"Oblo kesun", u"\\HTML\\square.html"),
    detail::text(u"Rectangle", u"Oblotun hanske", u"\\HTML\\rectangle.html"),
    detail::text(u"Triangle", u"Oblo yamni", u"\\HTML\\triangle.html"),
    // Body
    detail::pageOnly(u"Body Parts", tails::BodyParts, true),
    // Phrases
    detail::text(u"What is it?", u"He tahu hwo?", u"\\HTML\\p1.html"),
    detail::text(u"Where are you from?", u"Kowe tanu ketevo hwo?", u"\\HTML\\p2.html"),
    detail::text(u"Where do you come from?", u"Kowe tanu kehiyu hwo?", u"\\HTML\\p3.html"),
    detail::text(u"Where are you going?", u"Kowe kelawa hwo?", u"\\HTML\\p4.html"),
    detail::text(u"Where have you been?", u"Kowe keoruke hwo?", u"\\HTML\\p5.html"),
    detail::text(u"Where do you live?", u"Kowe ketisela hwo?", u"\\HTML\\p6.html"),
    detail::text(u"I'm happy to have met you.", u"Iyuskinyan wancinyankelo", u"\\HTML\\p7.html"),
    detail::text(u"I'm glad you came.", u"Iyuskinyan kehiyu yelo.", u"\\HTML\\p8.html"),
    detail::text(u"I'm glad to see you again.", u"Ake iyuskinyan wancinyankelo.", u"\\HTML\\p9.html"),
    detail::text(u"I wish to speak to you.", u"Kewoyaki mavesa yelo.", u"\\HTML\\p10.html"),
    detail::text(u"I saw.", u"Mawaron yelo.", u"\\HTML\\p11.html"),
    detail::text(u"We had.", u"Unkasbe yelo.", u"\\HTML\\p12.html"),
    detail::text(u"I have a problem.", u"Tawisu mayun yelo.", u"\\HTML\\p13.html"),
    detail::text(u"I don't know.", u"Masukasni yelo.", u"\\HTML\\p14.html"),
    detail::text(u"Have you had enough to eat?", u"Kewotela hwo?", u"\\HTML\\p15.html"),
    detail::text(u"Are you full?", u"Ikepi hwo?", u"\\HTML\\p16.html"),
    detail::text(u"I'm full", u"Imapi hwo?", u"\\HTML\\p17a.html"),
    detail::text(u"I don't feel good.", u"Omapisni yelo.", u"\\HTML\\p17.html"),
    detail::text(u"I have a stomach ache.", u"Holuna mawisan yelo.", u"\\HTML\\p18.html"),
    detail::text(u"Did you do this?", u"Tiko kecanu hwo?", u"\\HTML\\p19.html"),
    detail::text(u"It is said.", u"Sowaki yelo.", u"\\HTML\\p20.html"),
    detail::text(u"What is your name?", u"Kecaso he tahu hwo?", u"\\HTML\\p21.html"),
    detail::text(u"How old are you?", u"Mitawe kehanu hwo?", u"\\HTML\\p22.html"),
    detail::text(u"Come in. {to one}", u"Tima hiyuwo.", u"\\HTML\\p23.html"),
};

// The entry whose English text equals `text` code unit for code unit, or
// nullptr. No case folding, trimming or normalisation.
constexpr const Entry *FindEntry(std::u16string_view text) noexcept
{
    for (const Entry &e : kEntries)
        if (e.english == text)
            return &e;
    return nullptr;
}

namespace detail {
constexpr bool isPlainAsciiText(std::u16string_view s)
{
    if (s.empty() || s.front() == u' ' || s.back() == u' ')
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] < 0x20 || s[i] > 0x7e)
            return false;
        if (s[i] == u' ' && i + 1 < s.size() && s[i + 1] == u' ')
            return false;
    }
    return true;
}

constexpr bool entriesAreSound()
{
    int pageOnly = 0;
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const Entry &e = kEntries[i];
        if (!isPlainAsciiText(e.english) || !isInCatalogue(e.pageTail) || !e.pageTail.ends_with(u".html"))
            return false;
        if (e.isPageOnly())
            ++pageOnly;
        else if (!isPlainAsciiText(e.orvani) || e.hideAfterOpening)
            return false;
        for (std::size_t j = i + 1; j < kEntries.size(); ++j)
            if (kEntries[j].english == e.english || kEntries[j].pageTail == e.pageTail)
                return false;
    }
    return pageOnly == 4;
}
} // namespace detail

static_assert(detail::entriesAreSound(),
              "entry keys and pages must be unique, texts plain, tails in the catalogue");

} // namespace orvani
