#pragma once
// A strict reader of the web pages the program writes: it accepts only
// markup that is also well-formed XML (every element closed, in order,
// attributes quoted, entities known, ids unique) and lists the elements with
// their attributes and the text inside them, so tests can look figures up.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kor::testing {

struct HtmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;  // values with entities decoded
    std::string text;                               // all text inside, entities decoded
    int depth = 0;                                  // 0 for the root
    std::size_t parent = 0;  // index of the enclosing element (the root its own)

    std::string attribute(const std::string& key) const {
        const auto found = attributes.find(key);
        return found == attributes.end() ? std::string() : found->second;
    }
    bool has_class(std::string_view css_class) const;
};

struct HtmlPage {
    std::string error;                       // empty when the page is well-formed
    std::vector<HtmlElement> elements;       // in document order
    std::map<std::string, std::size_t> ids;  // element index by id

    const HtmlElement* by_id(const std::string& id) const;
    std::vector<const HtmlElement*> named(const std::string& name) const;
    // The elements inside `outer` (at any depth) called `name`.
    std::vector<const HtmlElement*> inside(const HtmlElement& outer, const std::string& name) const;
};

HtmlPage read_html(std::string_view text);

// The lines of a page joined as the file holds them.
std::string joined(const std::vector<std::string>& lines);

}  // namespace kor::testing
