#pragma once
// XML written as a stream: elements, attributes and text, each text escaped, through a buffer
// that goes to its sink in pieces of 64 KiB, so that a document of any length is never held
// whole. The Word book's parts are written with it.

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace deckplate::report {

/// A text that XML 1.0 cannot hold: a control character other than tab, line feed and
/// carriage return, U+FFFE or U+FFFF, a surrogate, or bytes that are not UTF-8.
class XmlTextError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

/// The code point starting at text[at] and its length in bytes; a length of 0 when the bytes
/// there are not UTF-8 (an overlong form or a surrogate included).
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;
};
CodePoint DecodeUtf8(std::string_view text, std::size_t at);

/// Whether XML 1.0 allows the character.
bool AllowedInXml(char32_t c);

/// Throws XmlTextError when `text` is not UTF-8 made of characters XML 1.0 allows.
void CheckXmlText(std::string_view text);

class XmlWriter {
  public:
    using Sink = std::function<void(std::string_view bytes)>;
    using Attributes = std::initializer_list<std::pair<std::string_view, std::string_view>>;

    explicit XmlWriter(Sink sink);
    XmlWriter(const XmlWriter&) = delete;
    XmlWriter& operator=(const XmlWriter&) = delete;

    /// <?xml version="1.0" encoding="UTF-8" standalone="yes"?>
    void Declaration();
    /// <name a="…">, closed by the matching Close().
    void Open(std::string_view name, Attributes attributes = {});
    /// Closes the element opened last.
    void Close();
    /// <name a="…"/>
    void Empty(std::string_view name, Attributes attributes = {});
    /// <name a="…">text</name>
    void Leaf(std::string_view name, std::string_view text, Attributes attributes = {});
    /// Character data, escaped. Throws XmlTextError.
    void Text(std::string_view text);
    /// Sends what is buffered to the sink. Every element must be closed first when the
    /// document is to be whole.
    void Flush();

    /// How many elements are open.
    std::size_t Depth() const { return open_.size(); }

  private:
    void StartTag(std::string_view name, Attributes attributes);
    void Put(std::string_view bytes);

    Sink sink_;
    std::string buffer_;
    std::vector<std::string> open_;
};

}  // namespace deckplate::report
