#include "report/html_text.h"

namespace deckplate::report {

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == 0x7f)
                    out += "\xef\xbf\xbd";
                else
                    out += c;
        }
    }
    return out;
}

std::string CssString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += Cat("\\", std::string(1, c));
        else if (c == '<')
            out += "\\3c ";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            out += ' ';
        else
            out += c;
    }
    return out + "\"";
}

std::string Element(std::string_view tag, std::string_view content, std::string_view classes) {
    std::string out = Cat("<", tag);
    if (!classes.empty()) out += Cat(" class=\"", classes, "\"");
    return Cat(out, ">", content, "</", tag, ">");
}

}  // namespace deckplate::report
