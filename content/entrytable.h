#pragma once

#include "boxhiding.h"
#include "pagetails.h"

#include <array>
#include <string_view>

namespace orvani {

// The word groups, in the order of the menu.
enum class Group { Animals, Body, Colors, Family, Food, Numbers, Shapes, Phrases };

// One line of the phrasebook: the word group that lists it, an English text
// as the entry list shows it, its Orvani rendering and its lesson page.
// Page-only entries have no Orvani text and hide the text box instead, before
// or after their page is requested.
struct Entry {
    Group group;
    std::u16string_view english;
    std::u16string_view orvani; // empty for a page-only entry
    std::u16string_view pageTail;
    BoxHiding hiding = BoxHiding::Never;

    constexpr bool isPageOnly() const { return orvani.empty(); }
};

namespace detail {
using enum Group;
constexpr Entry text(Group group, std::u16string_view en, std::u16string_view orv,
                     std::u16string_view tail)
{
    return {group, en, orv, tail, BoxHiding::Never};
}
constexpr Entry pageOnly(Group group, std::u16string_view en, std::u16string_view tail,
                         BoxHiding hiding)
{
    return {group, en, {}, tail, hiding};
}

// The table: each group is one run of rows, in the order in which its
// entries are appended to the entry list.
inline constexpr auto kEntries = std::to_array<Entry>({
    text(Animals, u"Buffalo", u"Tatanka", u"\\HTML\\buffalo.html"),
    text(Animals, u"Rabbit", u"Miskaro", u"\\HTML\\rabbit.html"),
    text(Animals, u"Horse", u"Tavoleka", u"\\HTML\\horse.html"),
    text(Animals, u"Wolf", u"Sunkmanitu tanka", u"\\HTML\\wolf.html"),
    text(Animals, u"Beaver", u"Nowaska", u"\\HTML\\beaver.html"),
    text(Animals, u"Mouse", u"Pelisu", u"\\HTML\\mouse.html"),
    text(Animals, u"Bear", u"Koyanta", u"\\HTML\\bear.html"),
    text(Animals, u"Skunk", u"Muka", u"\\HTML\\shunk.html"),
    text(Animals, u"Fox", u"Sirolan", u"\\HTML\\fox.html"),
    text(Animals, u"Pig", u"Hupeto", u"\\HTML\\pig.html"),
    text(Animals, u"Deer", u"Taseku", u"\\HTML\\deer.html"),
    text(Animals, u"Dog", u"Karewi", u"\\HTML\\dog.html"),
    text(Animals, u"Cow", u"Omavi", u"\\HTML\\cow.html"),
    pageOnly(Colors, u"Sacred Colors", u"\\HTML\\sacred_colors.html", BoxHiding::BeforeOpening),
    pageOnly(Colors, u"Color Wheel", u"\\HTML\\colors.html", BoxHiding::BeforeOpening),
    text(Food, u"Soup", u"Tiloska", u"\\HTML\\soup.html"),
    text(Food, u"Bread", u"Kasniya", u"\\HTML\\bread.html"),
    text(Food, u"Beef", u"Omavi wiso", u"\\HTML\\beef.html"),
    text(Food, u"Potato", u"Blo", u"\\HTML\\potatoe.html"),
    text(Food, u"Milk", u"Owenza", u"\\HTML\\milk.html"),
    pageOnly(Numbers, u"One to Ten", tails::Numbers, BoxHiding::BeforeOpening),
    text(Family, u"Mother", u"Hunami", u"\\HTML\\mother.html"),
    text(Family, u"Father", u"Tiwako", u"\\HTML\\father.html"),
    text(Family, u"Uncle", u"Nomiska", u"\\HTML\\uncle.html"),
    text(Family, u"Grandmother", u"Wanisila", u"\\HTML\\grandmother.html"),
    text(Family, u"Grandfather", u"Tunkasila", u"\\HTML\\grandfather.html"),
    text(Shapes, u"Circle", u"Yuhomi", u"\\HTML\\circle.html"),
    text(Shapes, u"Square", u"Oblotun iteka", u"\\HTML\\square.html"),
    text(Shapes, u"Rectangle", u"Oblotun hanske", u"\\HTML\\rectangle.html"),
    text(Shapes, u"Triangle", u"Oblo yamni", u"\\HTML\\triangle.html"),
    pageOnly(Body, u"Body Parts", tails::BodyParts, BoxHiding::AfterOpening),
    text(Phrases, u"What is it?", u"He tahu hwo?", u"\\HTML\\p1.html"),
    text(Phrases, u"Where are you from?", u"Kowe tanu ketevo hwo?", u"\\HTML\\p2.html"),
    text(Phrases, u"Where do you come from?", u"Kowe tanu kehiyu hwo?", u"\\HTML\\p3.html"),
    text(Phrases, u"Where are you going?", u"Kowe kelawa hwo?", u"\\HTML\\p4.html"),
    text(Phrases, u"Where have you been?", u"Kowe keoruke hwo?", u"\\HTML\\p5.html"),
    text(Phrases, u"Where do you live?", u"Kowe ketisela hwo?", u"\\HTML\\p6.html"),
    text(Phrases, u"I'm happy to have met you.", u"Iyuskinyan wancinyankelo", u"\\HTML\\p7.html"),
    text(Phrases, u"I'm glad you came.", u"Iyuskinyan kehiyu yelo.", u"\\HTML\\p8.html"),
    text(Phrases, u"I'm glad to see you again.", u"Ake iyuskinyan wancinyankelo.",
         u"\\HTML\\p9.html"),
    text(Phrases, u"I wish to speak to you.", u"Kewoyaki mavesa yelo.", u"\\HTML\\p10.html"),
    text(Phrases, u"I saw.", u"Mawaron yelo.", u"\\HTML\\p11.html"),
    text(Phrases, u"We had.", u"Unkasbe yelo.", u"\\HTML\\p12.html"),
    text(Phrases, u"I have a problem.", u"Tawisu mayun yelo.", u"\\HTML\\p13.html"),
    text(Phrases, u"I don't know.", u"Masukasni yelo.", u"\\HTML\\p14.html"),
    text(Phrases, u"Have you had enough to eat?", u"Kewotela hwo?", u"\\HTML\\p15.html"),
    text(Phrases, u"Are you full?", u"Ikepi hwo?", u"\\HTML\\p16.html"),
    text(Phrases, u"I'm full", u"Imapi hwo?", u"\\HTML\\p17a.html"),
    text(Phrases, u"I don't feel good.", u"Omapisni yelo.", u"\\HTML\\p17.html"),
    text(Phrases, u"I have a stomach ache.", u"Holuna mawisan yelo.", u"\\HTML\\p18.html"),
    text(Phrases, u"Did you do this?", u"Tiko kecanu hwo?", u"\\HTML\\p19.html"),
    text(Phrases, u"It is said.", u"Sowaki yelo.", u"\\HTML\\p20.html"),
    text(Phrases, u"What is your name?", u"Kecaso tahu hwo?", u"\\HTML\\p21.html"),
    text(Phrases, u"How old are you?", u"Kehanu mitawe hwo?", u"\\HTML\\p22.html"),
    text(Phrases, u"Come in. {to one}", u"Tima hiyuwo.", u"\\HTML\\p23.html"),
});
} // namespace detail

using detail::kEntries;

// The entry whose English text equals `text` code unit for code unit, or
// nullptr. No case folding, trimming or normalisation.
constexpr const Entry *FindEntry(std::u16string_view text) noexcept
{
    for (const Entry &e : kEntries)
        if (e.english == text)
            return &e;
    return nullptr;
}

} // namespace orvani
