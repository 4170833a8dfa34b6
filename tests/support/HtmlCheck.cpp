#include "support/HtmlCheck.h"

namespace kor::testing {

namespace {

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':' || c == '.';
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Appends the UTF-8 form of code point `code`.
void append_utf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    HtmlPage read() {
        skip_space();
        if (text_.substr(pos_, 9) == "<!DOCTYPE") {
            pos_ = text_.find('>', pos_);
            if (pos_ == std::string_view::npos) {
                return fail("unclosed DOCTYPE");
            }
            ++pos_;
        }
        while (error_.empty() && pos_ < text_.size()) {
            if (text_.substr(pos_, 4) == "<!--") {
                skip_past("-->");
            } else if (text_.substr(pos_, 9) == "<![CDATA[") {
                const std::size_t start = pos_ + 9;
                skip_past("]]>");
                add_text(text_.substr(start, pos_ - 3 - start));
            } else if (text_.substr(pos_, 2) == "</") {
                close_tag();
            } else if (text_[pos_] == '<') {
                open_tag();
            } else {
                text_run();
            }
        }
        if (error_.empty() && !open_.empty()) {
            error_ = "<" + page_.elements[open_.back()].name + "> is never closed";
        }
        if (error_.empty() && roots_ != 1) {
            error_ = "the page has " + std::to_string(roots_) + " root elements";
        }
        page_.error = error_;
        return page_;
    }

  private:
    HtmlPage fail(const std::string& message) {
        page_.error = message;
        return page_;
    }

    void set_error(const std::string& message) {
        if (error_.empty()) {
            std::size_t line = 1;
            for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
                if (text_[i] == '\n') {
                    ++line;
                }
            }
            error_ = "line " + std::to_string(line) + ": " + message;
        }
    }

    void skip_space() {
        while (pos_ < text_.size() && is_space(text_[pos_])) {
            ++pos_;
        }
    }

    void skip_past(std::string_view end) {
        const std::size_t found = text_.find(end, pos_);
        if (found == std::string_view::npos) {
            set_error("no closing " + std::string(end));
            pos_ = text_.size();
            return;
        }
        pos_ = found + end.size();
    }

    std::string name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && is_name_char(text_[pos_])) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    // Text with its references decoded; a bare "&" or an unknown entity is an error.
    std::string decoded(std::string_view raw) {
        std::string out;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                if (raw[i] == '<') {
                    set_error("a bare < in text");
                }
                out += raw[i];
                continue;
            }
            const std::size_t semicolon = raw.find(';', i);
            if (semicolon == std::string_view::npos) {
                set_error("a bare & in text");
                return out;
            }
            const std::string_view entity = raw.substr(i + 1, semicolon - i - 1);
            static const std::map<std::string_view, char> named{
                {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
            if (const auto found = named.find(entity); found != named.end()) {
                out += found->second;
            } else if (entity.size() > 1 && entity[0] == '#') {
                const bool hex = entity[1] == 'x';
                const std::string digits(entity.substr(hex ? 2 : 1));
                if (digits.empty() ||
                    digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
                        std::string::npos) {
                    set_error("a bad character reference &" + std::string(entity) + ";");
                    return out;
                }
                append_utf8(out, std::stoul(digits, nullptr, hex ? 16 : 10));
            } else {
                set_error("an unknown entity &" + std::string(entity) + ";");
                return out;
            }
            i = semicolon;
        }
        return out;
    }

    void add_text(std::string_view raw) {
        const std::string text = decoded(raw);
        for (const std::size_t open : open_) {
            page_.elements[open].text += text;
        }
    }

    void text_run() {
        const std::size_t end = text_.find('<', pos_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        const std::string_view raw = text_.substr(pos_, stop - pos_);
        if (open_.empty() && raw.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            set_error("text outside the root element");
        }
        add_text(raw);
        pos_ = stop;
    }

    void open_tag() {
        ++pos_;
        HtmlElement element;
        element.name = name();
        if (element.name.empty()) {
            set_error("a < that starts no element");
            return;
        }
        while (true) {
            skip_space();
            if (pos_ >= text_.size()) {
                set_error("<" + element.name + " is cut off");
                return;
            }
            if (text_[pos_] == '>' || text_.substr(pos_, 2) == "/>") {
                break;
            }
            const std::string key = name();
            if (key.empty() || pos_ + 1 >= text_.size() || text_[pos_] != '=' ||
                (text_[pos_ + 1] != '"' && text_[pos_ + 1] != '\'')) {
                set_error("an attribute of <" + element.name + "> without a quoted value");
                return;
            }
            const char quote = text_[pos_ + 1];
            const std::size_t end = text_.find(quote, pos_ + 2);
            if (end == std::string_view::npos) {
                set_error("an unclosed attribute value");
                return;
            }
            if (element.attributes.count(key) > 0) {
                set_error("attribute " + key + " twice on <" + element.name + ">");
            }
            element.attributes[key] = decoded(text_.substr(pos_ + 2, end - pos_ - 2));
            pos_ = end + 1;
        }
        const bool empty = text_[pos_] == '/';
        pos_ += empty ? 2 : 1;
        if (const std::string id = element.attribute("id");
            !id.empty() && !page_.ids.emplace(id, page_.elements.size()).second) {
            set_error("id " + id + " twice");
        }
        element.depth = static_cast<int>(open_.size());
        element.parent = open_.empty() ? page_.elements.size() : open_.back();
        if (open_.empty()) {
            ++roots_;
        }
        page_.elements.push_back(element);
        if (!empty) {
            open_.push_back(page_.elements.size() - 1);
        }
    }

    void close_tag() {
        pos_ += 2;
        const std::string closing = name();
        skip_space();
        if (pos_ >= text_.size() || text_[pos_] != '>') {
            set_error("</" + closing + " is cut off");
            return;
        }
        ++pos_;
        if (open_.empty() || page_.elements[open_.back()].name != closing) {
            set_error("</" + closing + "> closes " +
                      (open_.empty() ? std::string("nothing")
                                     : "<" + page_.elements[open_.back()].name + ">"));
            return;
        }
        open_.pop_back();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
    HtmlPage page_;
    std::vector<std::size_t> open_;
    int roots_ = 0;
};

}  // namespace

bool HtmlElement::has_class(std::string_view css_class) const {
    const std::string classes = " " + attribute("class") + " ";
    return classes.find(" " + std::string(css_class) + " ") != std::string::npos;
}

const HtmlElement* HtmlPage::by_id(const std::string& id) const {
    const auto found = ids.find(id);
    return found == ids.end() ? nullptr : &elements[found->second];
}

std::vector<const HtmlElement*> HtmlPage::named(const std::string& name) const {
    std::vector<const HtmlElement*> found;
    for (const HtmlElement& element : elements) {
        if (element.name == name) {
            found.push_back(&element);
        }
    }
    return found;
}

std::vector<const HtmlElement*> HtmlPage::inside(const HtmlElement& outer,
                                                 const std::string& name) const {
    std::vector<const HtmlElement*> found;
    const auto outer_index = static_cast<std::size_t>(&outer - elements.data());
    for (std::size_t i = outer_index + 1; i < elements.size(); ++i) {
        if (elements[i].depth <= outer.depth) {
            break;  // past the end of `outer`
        }
        if (elements[i].name == name) {
            found.push_back(&elements[i]);
        }
    }
    return found;
}

HtmlPage read_html(std::string_view text) {
    return Reader(text).read();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace kor::testing
