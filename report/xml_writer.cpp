#include "report/xml_writer.h"

#include <array>
#include <charconv>

namespace deckplate::report {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

CodePoint DecodeUtf8(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) return {first, 1};
    std::size_t length = 0;
    char32_t value = 0, least = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2, value = first & 0x1F, least = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3, value = first & 0x0F, least = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4, value = first & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return {value, length};
}

bool AllowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

namespace {

// Escapes for character data, and for attribute values, whose blanks a reader would otherwise
// turn into spaces.
void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
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
                out += attribute ? "&quot;" : "\"";
                break;
            case '\r':
                out += "&#13;";
                break;
            case '\n':
                out += attribute ? "&#10;" : "\n";
                break;
            case '\t':
                out += attribute ? "&#9;" : "\t";
                break;
            default:
                out += c;
        }
    }
}

}  // namespace

void CheckXmlText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint c = DecodeUtf8(text, at);
        if (c.length == 0) throw XmlTextError("text is not UTF-8 at byte " + std::to_string(at));
        if (!AllowedInXml(c.value)) {
            std::array<char, 8> hex{};
            const auto end = std::to_chars(hex.data(), hex.data() + hex.size(),
                                           static_cast<unsigned long>(c.value), 16)
                                 .ptr;
            throw XmlTextError("character U+" + std::string(hex.data(), end) +
                               " is not allowed in XML, at byte " + std::to_string(at));
        }
        at += c.length;
    }
}

XmlWriter::XmlWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(kChunk + 4096); }

void XmlWriter::Declaration() {
    Put("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n");
}

void XmlWriter::StartTag(std::string_view name, Attributes attributes) {
    buffer_ += '<';
    buffer_ += name;
    for (const auto& [key, value] : attributes) {
        CheckXmlText(value);
        buffer_ += ' ';
        buffer_ += key;
        buffer_ += "=\"";
        AppendEscaped(buffer_, value, true);
        buffer_ += '"';
    }
}

void XmlWriter::Open(std::string_view name, Attributes attributes) {
    StartTag(name, attributes);
    Put(">");
    open_.emplace_back(name);
}

void XmlWriter::Close() {
    buffer_ += "</";
    buffer_ += open_.back();
    Put(">");
    open_.pop_back();
}

void XmlWriter::Empty(std::string_view name, Attributes attributes) {
    StartTag(name, attributes);
    Put("/>");
}

void XmlWriter::Leaf(std::string_view name, std::string_view text, Attributes attributes) {
    StartTag(name, attributes);
    buffer_ += '>';
    Text(text);
    buffer_ += "</";
    buffer_ += name;
    Put(">");
}

void XmlWriter::Text(std::string_view text) {
    CheckXmlText(text);
    AppendEscaped(buffer_, text, false);
    Put({});
}

void XmlWriter::Put(std::string_view bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= kChunk) Flush();
}

void XmlWriter::Flush() {
    if (buffer_.empty()) return;
    sink_(buffer_);
    buffer_.clear();
}

}  // namespace deckplate::report
