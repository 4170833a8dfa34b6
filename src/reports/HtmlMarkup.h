#pragma once
// The markup the web page and its pictures are written in: elements on a
// line of their own, their attributes, and program text made safe for both.

#include <string>
#include <string_view>

namespace kor {

// Program text (single bytes shown as Latin-1) as UTF-8 for the page, with
// the characters markup gives a meaning to written as references and
// control characters as blanks.
std::string html_text(std::string_view latin1);

namespace html {

// ` name="value"`; the value is markup already.
std::string attribute(std::string_view name, std::string_view value);

// An element with its content on one line; the content is markup already.
std::string element(std::string_view tag, std::string_view content,
                    std::string_view attributes = {});

// A table's data cell and column heading, with a CSS class when one is given.
std::string cell(std::string_view content, std::string_view css_class = {});
std::string header_cell(std::string_view content, std::string_view css_class = {});

// The page-wide id of an item's section, which its table rows link to.
std::string item_id(int item);

}  // namespace html

}  // namespace kor
