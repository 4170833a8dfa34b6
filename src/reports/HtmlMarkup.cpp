#include "reports/HtmlMarkup.h"

#include "core/Encoding.h"
#include "core/Format.h"

namespace kor {

std::string html_text(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        switch (c) {
            case '&':
                text += "&amp;";
                break;
            case '<':
                text += "&lt;";
                break;
            case '>':
                text += "&gt;";
                break;
            case '"':
                text += "&quot;";
                break;
            case '\'':
                text += "&#39;";
                break;
            default:
                // Control characters have no place in the page (nor in XML).
                text += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        }
    }
    return utf8_from_latin1(text);
}

namespace html {

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

// An element with its content on one line; the content is markup already.
std::string element(std::string_view tag, std::string_view content, std::string_view attributes) {
    return "<" + std::string(tag) + std::string(attributes) + ">" + std::string(content) + "</" +
           std::string(tag) + ">";
}

std::string cell(std::string_view content, std::string_view css_class) {
    return element("td", content,
                   css_class.empty() ? std::string() : attribute("class", css_class));
}

std::string header_cell(std::string_view content, std::string_view css_class) {
    return element("th", content,
                   attribute("scope", "col") +
                       (css_class.empty() ? std::string() : attribute("class", css_class)));
}

std::string item_id(int item) {
    return "item-" + whole(item);
}

}  // namespace html

}  // namespace kor
