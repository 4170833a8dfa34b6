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

}  // namespace html

}  // namespace kor
