#pragma once
// The one place the collection page's HTML is written: markup goes in as it is, every
// text (catalogue fields, the title, numbers) through the escaping, so no text can
// become markup.
#include <string>
#include <string_view>

// `utf8` with &, <, >, " and ' as character references: safe as element text and as a
// quoted attribute value.
std::string escapeHtml(std::string_view utf8);

class HtmlWriter {
  public:
    // Markup, written as it is: only ever the program's own literals.
    HtmlWriter& markup(std::string_view html) {
        html_ += html;
        return *this;
    }
    HtmlWriter& text(std::string_view utf8) {
        html_ += escapeHtml(utf8);
        return *this;
    }
    HtmlWriter& text(long long number) { return markup(std::to_string(number)); }
    // ` NAME="VALUE"`, the value escaped.
    HtmlWriter& attribute(std::string_view name, std::string_view utf8) {
        html_ += ' ';
        html_ += name;
        html_ += "=\"";
        html_ += escapeHtml(utf8);
        html_ += '"';
        return *this;
    }
    HtmlWriter& attribute(std::string_view name, long long number) {
        return attribute(name, std::to_string(number));
    }
    void reserve(std::size_t bytes) { html_.reserve(bytes); }
    const std::string& html() const { return html_; }

  private:
    std::string html_;
};
