// Writes the phrasebook to standard output as JSON: the named tails, the word
// groups in menu order and the entries in table order, each with its group.
#include "phrasebook.h"

#include <iostream>
#include <string>

namespace {

// The texts are plain ASCII (checked while compiling): one byte a code unit.
std::string json(std::u16string_view text)
{
    std::string out = "\"";
    for (char16_t c : text) {
        if (c == u'"' || c == u'\\')
            out += '\\';
        out += static_cast<char>(c);
    }
    return out + '"';
}

const char *hiding(orvani::BoxHiding h)
{
    switch (h) {
    case orvani::BoxHiding::BeforeOpening:
        return "\"before\"";
    case orvani::BoxHiding::AfterOpening:
        return "\"after\"";
    case orvani::BoxHiding::Never:
        break;
    }
    return "null";
}

} // namespace

int main()
{
    using namespace orvani;
    std::cout << "{\"tails\": {\"Intro\": " << json(tails::Intro)
              << ", \"Syntax\": " << json(tails::Syntax)
              << ", \"EnglishDictionary\": " << json(tails::EnglishDictionary)
              << ", \"OrvaniDictionary\": " << json(tails::OrvaniDictionary)
              << ", \"BodyParts\": " << json(tails::BodyParts)
              << ", \"Numbers\": " << json(tails::Numbers)
              << ", \"NotFound\": " << json(tails::NotFound)
              << ", \"ScreenSaver\": " << json(tails::ScreenSaver) << "},\n \"groups\": [";
    const char *separator = "\n";
    for (const WordGroup &g : kWordGroups) {
        std::cout << separator << "  {\"caption\": " << json(g.caption)
                  << ", \"menuItem\": " << json(g.menuItem)
                  << ", \"page\": " << (g.pageTail.empty() ? "null" : json(g.pageTail)) << "}";
        separator = ",\n";
    }
    std::cout << "],\n \"entries\": [";
    separator = "\n";
    for (const Entry &e : kEntries) {
        std::cout << separator << "  {\"group\": " << json(wordGroup(e.group).caption)
                  << ", \"english\": " << json(e.english)
                  << ", \"orvani\": " << (e.isPageOnly() ? "null" : json(e.orvani))
                  << ", \"page\": " << json(e.pageTail) << ", \"hides\": " << hiding(e.hiding)
                  << "}";
        separator = ",\n";
    }
    std::cout << "\n]}\n";
    return std::cout ? 0 : 1;
}
