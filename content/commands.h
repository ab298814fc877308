#pragma once

#include "pagetails.h"
#include "wordgroups.h"

#include <array>
#include <string_view>

namespace orvani {

// One step of a menu item on the main window's controls.
enum class Step {
    End, // no further step
    OpenPage, // ask the page pane for the item's page
    HideBox, // hide the Orvani text box
    EmptyBox, // empty the Orvani text box
    ClearList, // remove every item of the entry list
    AppendEntries, // append the word group's entries to the entry list
    SetPrompt, // put the prompt text into the entry list's field
};
using Steps = std::array<Step, 5>;

// The commands of the menu besides the word groups, in the order of the menu.
enum class CommandId {
    Exit,
    Intro,
    Syntax,
    EnglishDictionary,
    OrvaniDictionary,
    ScreenSaver,
    About
};

// A command of the main window. A page command carries its page and its
// steps, in their order; the others do one thing of their own.
struct Command {
    CommandId id;
    std::u16string_view menuItem;
    std::u16string_view caption;
    std::u16string_view pageTail = {};
    Steps steps = {};

    constexpr bool opensPage() const { return !pageTail.empty(); }
};

namespace detail {
using enum Step;
inline constexpr Steps kOpenThenReset = {OpenPage, HideBox, EmptyBox, ClearList, SetPrompt};
inline constexpr Steps kHideThenOpen = {HideBox, OpenPage, EmptyBox, ClearList, SetPrompt};
} // namespace detail

inline constexpr std::array<Command, 7> kCommands = {{
    {CommandId::Exit, u"mnuExit", u"Exit"},
    {CommandId::Intro, u"mnuIntro", u"Intro", tails::Intro, detail::kOpenThenReset},
    {CommandId::Syntax, u"mnuSyntax", u"Syntax", tails::Syntax, detail::kHideThenOpen},
    {CommandId::EnglishDictionary, u"mnuEnglish_dict", u"English to Orvani",
     tails::EnglishDictionary, detail::kHideThenOpen},
    {CommandId::OrvaniDictionary, u"mnuOrva_dict", u"Orvani to English", tails::OrvaniDictionary,
     detail::kHideThenOpen},
    {CommandId::ScreenSaver, u"mnuStory", u"Screen Saver"},
    {CommandId::About, u"mnuAbout", u"About"},
}};

constexpr const Command &command(CommandId id)
{
    return kCommands[static_cast<std::size_t>(id)];
}

// The steps of a word group, in their order.
constexpr Steps stepsOf(const WordGroup &group)
{
    using enum Step;
    Steps steps{};
    std::size_t n = 0;
    steps[n++] = ClearList;
    if (group.emptiesBox)
        steps[n++] = EmptyBox;
    steps[n++] = AppendEntries;
    if (group.hiding == BoxHiding::BeforeOpening)
        steps[n++] = HideBox;
    if (!group.pageTail.empty())
        steps[n++] = OpenPage;
    if (group.hiding == BoxHiding::AfterOpening)
        steps[n++] = HideBox;
    return steps;
}

// The menu as the bar shows it, from left to right: items on the bar, and
// a submenu's title followed by the items of its submenu.
struct MenuItem {
    enum Kind { CommandItem, GroupItem, Submenu } kind;
    bool inSubmenu = false; // in the submenu of the last Submenu before it
    std::size_t index = 0; // into kCommands or kWordGroups
    std::u16string_view menuItem = {}; // a submenu's own name and caption
    std::u16string_view caption = {};
};

namespace detail {
constexpr MenuItem item(CommandId id, bool inSubmenu = false)
{
    return {MenuItem::CommandItem, inSubmenu, std::size_t(id)};
}
constexpr MenuItem item(Group group, bool inSubmenu = false)
{
    return {MenuItem::GroupItem, inSubmenu, std::size_t(group)};
}
constexpr MenuItem submenu(std::u16string_view name, std::u16string_view caption)
{
    return {MenuItem::Submenu, false, 0, name, caption};
}
inline constexpr bool kSub = true;
using enum CommandId;
using enum Group;
} // namespace detail

inline constexpr auto kMenu = [] {
    using namespace detail;
    return std::to_array<MenuItem>({
        item(Exit),
        item(Intro),
        submenu(u"mnuSimple", u"Words"),
        item(Animals, kSub),
        item(Body, kSub),
        item(Colors, kSub),
        item(Family, kSub),
        item(Food, kSub),
        item(Numbers, kSub),
        item(Shapes, kSub),
        item(Phrases),
        item(Syntax),
        submenu(u"mnuTransDict", u"Translation  Dictionaries"),
        item(EnglishDictionary, kSub),
        item(OrvaniDictionary, kSub),
        item(ScreenSaver),
        item(About),
    });
}();

// The command whose page `tail` is, or nullptr.
constexpr const Command *FindCommandPage(std::u16string_view tail) noexcept
{
    for (const Command &c : kCommands)
        if (c.opensPage() && c.pageTail == tail)
            return &c;
    return nullptr;
}

} // namespace orvani
