// XML as the Word book's parts need it: escaped so that any text reads back as written, text
// that XML cannot hold refused, the user's text cleaned so that it never is, and a long
// document sent on in pieces.
#include "report/xml_writer.h"

#include <gtest/gtest.h>

#include "report/document.h"

namespace deckplate::report {
namespace {

std::string Written(const std::function<void(XmlWriter&)>& write) {
    std::string xml;
    XmlWriter writer([&](std::string_view bytes) { xml += bytes; });
    write(writer);
    writer.Flush();
    return xml;
}

TEST(XmlWriter, EscapesTextAndAttributes) {
    struct Case {
        const char* name;
        std::string text, inText, inAttribute;
    } const cases[] = {
        {"Markup", "a<b>&c", "a&lt;b&gt;&amp;c", "a&lt;b&gt;&amp;c"},
        {"Quotes", "\"x\" 'y'", "\"x\" 'y'", "&quot;x&quot; 'y'"},
        {"BlanksAnAttributeWouldLose", "a\tb\nc\rd", "a\tb\nc&#13;d", "a&#9;b&#10;c&#13;d"},
        {"ChineseAndAstral", "计算书 𝜎", "计算书 𝜎", "计算书 𝜎"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Written([&](XmlWriter& xml) {
                      xml.Leaf("t", c.text, {{"v", c.text}});
                  }),
                  "<t v=\"" + c.inAttribute + "\">" + c.inText + "</t>")
            << c.name;
    }
}

TEST(XmlWriter, NestsAndClosesElements) {
    EXPECT_EQ(Written([](XmlWriter& xml) {
                  xml.Open("w:p", {{"a", "1"}});
                  xml.Empty("w:b");
                  xml.Open("w:r");
                  xml.Text("x");
                  EXPECT_EQ(xml.Depth(), 2u);
                  xml.Close();
                  xml.Close();
              }),
              "<w:p a=\"1\"><w:b/><w:r>x</w:r></w:p>");
}

// Each row a text XML 1.0 cannot hold, in text and in an attribute alike.
TEST(XmlWriter, RefusesWhatXmlCannotHold) {
    struct Case {
        const char* name;
        std::string text;
    } const cases[] = {
        {"Null", std::string("a\0b", 3)},
        {"ControlCharacter", "a\x01"},
        {"Escape", "\x1b[0m"},
        {"NotACharacterFFFE", "\xef\xbf\xbe"},
        {"NotACharacterFFFF", "\xef\xbf\xbf"},
        {"Surrogate", "\xed\xa0\x80"},
        {"OverlongSlash", "\xc0\xaf"},
        {"CutShort", "\xe8\xae"},
        {"Latin1", "caf\xe9"},
        {"BeyondUnicode", "\xf4\x90\x80\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_THROW(Written([&](XmlWriter& xml) { xml.Leaf("t", c.text); }), XmlTextError)
            << c.name;
        EXPECT_THROW(Written([&](XmlWriter& xml) {
                         xml.Empty("t", {{"v", c.text}});
                     }),
                     XmlTextError)
            << c.name;
    }
}

TEST(XmlWriter, CleanMakesAnyTextWritable) {
    struct Case {
        const char* name;
        std::string text, clean;
    } const cases[] = {
        {"Kept", "平台A\t第1跨\n", "平台A\t第1跨\n"},
        {"ControlCharacters", std::string("a\0b\x1f\r\x7f", 6),
         "a\xef\xbf\xbd"
         "b\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"NotACharacter", "\xef\xbf\xbe", "\xef\xbf\xbd"},
        {"EachBadByte", "caf\xe9\xff", "caf\xef\xbf\xbd\xef\xbf\xbd"},
        {"CutShortAtTheEnd", "x\xe8\xae", "x\xef\xbf\xbd\xef\xbf\xbd"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc::Clean(c.text), c.clean) << c.name;
        EXPECT_NO_THROW(CheckXmlText(doc::Clean(c.text))) << c.name;
    }
}

// A long document reaches the sink in pieces, none of them the whole, and all of it.
TEST(XmlWriter, SendsALongDocumentInPieces) {
    std::string whole;
    std::size_t pieces = 0, largest = 0;
    XmlWriter xml([&](std::string_view bytes) {
        whole += bytes;
        ++pieces;
        largest = std::max(largest, bytes.size());
    });
    xml.Open("doc");
    for (int i = 0; i < 100000; ++i) xml.Leaf("p", "段落 " + std::to_string(i));
    xml.Close();
    xml.Flush();
    EXPECT_GT(pieces, 20u);
    EXPECT_LT(largest, 70u * 1024);
    const std::string first = "<doc><p>段落 0</p>", last = "<p>段落 99999</p></doc>";
    EXPECT_EQ(whole.substr(0, first.size()), first);
    EXPECT_EQ(whole.substr(whole.size() - last.size()), last);
}

}  // namespace
}  // namespace deckplate::report
