#pragma once

#include "entrytable.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace orvani {

// A group's entries: its run of rows in the entry table.
constexpr std::span<const Entry> entriesOf(Group group)
{
    const auto inGroup = [group](const Entry &e) { return e.group == group; };
    const auto first = std::find_if(kEntries.begin(), kEntries.end(), inGroup);
    const auto last = std::find_if_not(first, kEntries.end(), inGroup);
    return {first, last};
}

// A lesson unit chosen from the menu. Choosing it fills the entry list with
// its entries; a group with a page also opens it and hides the text box,
// before or after the request as `hiding` says.
struct WordGroup {
    Group id;
    std::u16string_view menuItem; // object name of the menu item, e.g. "mnuAnimals"
    std::u16string_view caption;
    bool emptiesBox = false;
    std::u16string_view pageTail = {}; // empty: the group opens no page
    BoxHiding hiding = BoxHiding::Never;

    constexpr std::span<const Entry> entries() const { return entriesOf(id); }
};

// The eight groups, in the order of Group.
inline constexpr std::array<WordGroup, 8> kWordGroups = {{
    {Group::Animals, u"mnuAnimals", u"Animals"},
    {Group::Body, u"mnuBody", u"Body", false, tails::BodyParts, BoxHiding::AfterOpening},
    {Group::Colors, u"mnuColors", u"Colors"},
    {Group::Family, u"mnuFamily", u"Family"},
    {Group::Food, u"mnuFood", u"Food"},
    {Group::Numbers, u"mnuNumbers", u"Numbers", false, tails::Numbers, BoxHiding::BeforeOpening},
    {Group::Shapes, u"mnuShapes", u"Shapes"},
    {Group::Phrases, u"mnuPhrases", u"Phrases", true},
}};

constexpr const WordGroup &wordGroup(Group id)
{
    return kWordGroups[static_cast<std::size_t>(id)];
}

} // namespace orvani
