#pragma once

#include "entrytable.h"

#include <array>
#include <span>
#include <string_view>

namespace orvani {

// What choosing a group does to the Orvani text box.
enum class TargetTextAction { Leave, Hide, Empty };

// A lesson unit chosen from the menu. Its entries are appended to the entry
// list in this order; the list sorts them itself.
struct WordGroup {
    std::u16string_view menuItem; // object name of the menu item, e.g. "mnuAnimals"
    std::u16string_view caption;
    std::span<const std::u16string_view> entries;
    std::u16string_view pageTail; // empty: the group opens no page
    TargetTextAction action = TargetTextAction::Leave;
    bool hideBeforeOpening = false; // with a page and Hide: hide first, then open
};

namespace groups {
inline constexpr std::array<std::u16string_view, 13> kAnimals = {
    u"Buffalo", u"Rabbit", u"Horse", u"Wolf", u"Beaver", u"Mouse", u"Bear",
    u"Skunk", u"Fox", u"Pig", u"Deer", u"Dog", u"Cow"};
inline constexpr std::array<std::u16string_view, 1> kBody = {u"Body Parts"};
inline constexpr std::array<std::u16string_view, 2> kColors = {u"Sacred Colors", u"Color Wheel"};
inline constexpr std::array<std::u16string_view, 5> kFamily = {
    u"Mother", u"Father", u"Uncle", u"Grandmother", u"Grandfather"};
inline constexpr std::array<std::u16string_view, 5> kFood = {
    u"Soup", u"Bread", u"Beef", u"Potato", u"Milk"};
inline constexpr std::array<std::u16string_view, 1> kNumbers = {u"One to Ten"};
inline constexpr std::array<std::u16string_view, 4> kShapes = {
    u"Circle", u"Square", u"Rectangle", u"Triangle"};
inline constexpr std::array<std::u16string_view, 24> kPhrases = {
    u"What is it?",
    u"Where are you from?",
    u"Where do you come from?",
    u"Where are you going?",
    u"Where have you been?",
    u"Where do you live?",
    u"I'm happy to have met you.",
    u"I'm glad you came.",
    u"I'm glad to see you again.",
    u"I wish to speak to you.",
    u"I saw.",
    u"We had.",
    u"I have a problem.",
    u"I don't know.",
    u"Have you had enough to eat?",
    u"Are you full?",
    u"I'm full",
    u"I don't feel good.",
    u"I have a stomach ache.",
    u"Did you do this?",
    u"It is said.",
    u"What is your name?",
    u"How old are you?",
    u"Come in. {to one}",
};
} // namespace groups

// The eight groups in the order of the menu: the first seven form the
// "Words" submenu, Phrases sits on the menu bar itself.
inline constexpr std::array<WordGroup, 8> kWordGroups = {{
    {u"mnuAnimals", u"Animals", groups::kAnimals, {}, TargetTextAction::Leave, false},
    {u"mnuBody", u"Body", groups::kBody, tails::BodyParts, TargetTextAction::Hide, false},
    {u"mnuColors", u"Colors", groups::kColors, {}, TargetTextAction::Leave, false},
    {u"mnuFamily", u"Family", groups::kFamily, {}, TargetTextAction::Leave, false},
    {u"mnuFood", u"Food", groups::kFood, {}, TargetTextAction::Leave, false},
    {u"mnuNumbers", u"Numbers", groups::kNumbers, tails::Numbers, TargetTextAction::Hide, true},
    {u"mnuShapes", u"Shapes", groups::kShapes, {}, TargetTextAction::Leave, false},
    {u"mnuPhrases", u"Phrases", groups::kPhrases, {}, TargetTextAction::Empty, false},
}};

constexpr const WordGroup *FindWordGroup(std::u16string_view menuItem) noexcept
{
    for (const WordGroup &g : kWordGroups)
        if (g.menuItem == menuItem)
            return &g;
    return nullptr;
}

namespace detail {
// Every group text is a key of the entry table, no text is in two groups,
// and together the groups hold every key.
constexpr bool groupsCoverTheTable()
{
    std::size_t total = 0;
    for (const WordGroup &g : kWordGroups) {
        if (g.entries.empty() || g.entries.size() > 24)
            return false;
        if (!g.pageTail.empty() && (!isInCatalogue(g.pageTail) || g.action != TargetTextAction::Hide))
            return false;
        for (auto text : g.entries) {
            if (FindEntry(text) == nullptr)
                return false;
            int seen = 0;
            for (const WordGroup &other : kWordGroups)
                for (auto t : other.entries)
                    seen += (t == text);
            if (seen != 1)
                return false;
        }
        total += g.entries.size();
    }
    return total == kEntries.size();
}
} // namespace detail

static_assert(detail::groupsCoverTheTable(), "word groups and entry table disagree");

} // namespace orvani
