#pragma once

// The whole phrasebook and the rules it keeps, checked while compiling.
#include "commands.h"
#include "wordgroups.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orvani {

// Every tail the program uses: the inventory of the content folder.
inline constexpr auto kCatalogue = [] {
    std::array<std::u16string_view, std::size(kCommandTails) + kEntries.size()> all{};
    auto out = std::copy(std::begin(kCommandTails), std::end(kCommandTails), all.begin());
    std::transform(kEntries.begin(), kEntries.end(), out,
                   [](const Entry &e) { return e.pageTail; });
    return all;
}();

namespace checks {

constexpr bool isPlainAsciiText(std::u16string_view s)
{
    if (s.empty() || s.front() == u' ' || s.back() == u' ' || s.find(u"  ") != s.npos)
        return false;
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= 0x20 && c <= 0x7e; });
}

template <typename Range, typename Key>
constexpr bool allDistinct(const Range &items, Key key)
{
    for (auto i = std::begin(items); i != std::end(items); ++i)
        for (auto j = std::next(i); j != std::end(items); ++j)
            if (key(*i) == key(*j))
                return false;
    return true;
}

constexpr bool entryIsSound(const Entry &e)
{
    const bool textsPlain
        = isPlainAsciiText(e.english) && (e.isPageOnly() || isPlainAsciiText(e.orvani));
    const bool hidesOnlyWithoutText = e.isPageOnly() == (e.hiding != BoxHiding::Never);
    return textsPlain && hidesOnlyWithoutText && e.pageTail.ends_with(u".html")
        && FindEntry(e.english) == &e;
}

// A group's rows form one run; a group with a page hides the box and lists
// just the one entry that opens the same page.
constexpr bool groupIsSound(const WordGroup &g)
{
    const auto run = g.entries();
    const auto rows = std::count_if(kEntries.begin(), kEntries.end(),
                                    [&g](const Entry &e) { return e.group == g.id; });
    const bool pageKept = g.pageTail.empty()
        ? g.hiding == BoxHiding::Never
        : run.size() == 1 && run[0].pageTail == g.pageTail && g.hiding != BoxHiding::Never;
    return !run.empty() && std::ssize(run) == rows && pageKept && &wordGroup(g.id) == &g;
}

// Every command and every word group stands once in the menu, a submenu's
// items follow its title, and each table is in the order of its ids.
constexpr bool menuIsSound()
{
    std::array<int, kCommands.size()> commands{};
    std::array<int, kWordGroups.size()> groups{};
    bool inSubmenu = false;
    for (const MenuItem &m : kMenu) {
        if (m.kind == MenuItem::Submenu) {
            inSubmenu = true;
            continue;
        }
        if (m.inSubmenu && !inSubmenu)
            return false;
        inSubmenu = inSubmenu && m.inSubmenu;
        auto &seen = m.kind == MenuItem::CommandItem ? commands[m.index] : groups[m.index];
        ++seen;
    }
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (commands[i] != 1 || std::size_t(kCommands[i].id) != i)
            return false;
    for (std::size_t i = 0; i < kWordGroups.size(); ++i)
        if (groups[i] != 1 || std::size_t(kWordGroups[i].id) != i)
            return false;
    return true;
}

// A page command opens its page once, and leaves the list and the box as at
// the start: box hidden and empty, list cleared, the prompt in the field.
constexpr bool commandIsSound(const Command &c)
{
    if (!c.opensPage())
        return c.steps == Steps{};
    const auto has = [&c](Step s) { return std::count(c.steps.begin(), c.steps.end(), s) == 1; };
    return has(Step::OpenPage) && has(Step::HideBox) && has(Step::EmptyBox) && has(Step::ClearList)
        && c.steps.back() == Step::SetPrompt;
}

} // namespace checks

static_assert(std::all_of(kCatalogue.begin(), kCatalogue.end(), isWellFormedTail),
              "a page tail is malformed");
static_assert(checks::allDistinct(kCatalogue, [](auto t) { return t; }),
              "two entries or commands share a page");
static_assert(std::all_of(kEntries.begin(), kEntries.end(), checks::entryIsSound),
              "entry keys must be unique and texts plain; only page-only entries hide the box");
static_assert(std::all_of(kWordGroups.begin(), kWordGroups.end(), checks::groupIsSound),
              "each word group must be one run of the table");
static_assert(checks::menuIsSound(), "each command and word group stands once in the menu");
static_assert(std::all_of(kCommands.begin(), kCommands.end(), checks::commandIsSound),
              "a page command leaves the window as at the start");

} // namespace orvani
