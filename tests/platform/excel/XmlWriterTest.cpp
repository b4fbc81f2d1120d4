// The XML writer of the .xlsx parts: any text gives well-formed XML that reads back as it was
// (or with U+FFFD where it was no text), numbers in their shortest exact form, and the part
// reaches its sink in pieces.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {
namespace {

// The element <t> with the text as its content, or the text as its attribute v.
std::string Written(const std::string& text, bool attribute = false) {
  StringSink sink;
  XmlWriter xml(sink);
  xml.Start("t");
  if (attribute) {
    xml.Attribute("v", text);
  } else {
    xml.Text(text);
  }
  xml.Finish();
  return sink.Text();
}

std::string Escaped(const std::string& text) {
  const std::string element = Written(text);
  return element.substr(3, element.size() - 7);  // without <t> and </t>
}

// The text as a conforming reader sees it after parsing the element (or the attribute).
std::string RoundTrip(const std::string& text, bool attribute = false) {
  const std::string xml = Written(text, attribute);
  pugi::xml_document doc;
  const pugi::xml_parse_result result =
      doc.load_string(xml.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
  EXPECT_TRUE(result) << result.description() << " in " << xml;
  return attribute ? doc.child("t").attribute("v").value() : doc.child("t").text().get();
}

TEST(XmlWriter, MarkupCharactersAndUmlautsSurvive) {
  for (const bool attribute : {false, true}) {
    EXPECT_EQ(RoundTrip("Müller & Söhne <GmbH> \"Straße\" '1'", attribute),
              "Müller & Söhne <GmbH> \"Straße\" '1'");
    EXPECT_EQ(RoundTrip("Zeile 1\nZeile 2\tTab\r", attribute), "Zeile 1\nZeile 2\tTab\r")
        << "attribute " << attribute;
    EXPECT_EQ(RoundTrip("€ 𝄞", attribute), "€ 𝄞");
  }
  EXPECT_EQ(Escaped("a\"b"), "a&quot;b") << "safe inside attribute values";
}

TEST(XmlWriter, ControlCharactersAndBrokenUtf8StillGiveWellFormedXml) {
  EXPECT_EQ(Escaped(std::string("a\x01"
                                "b\x1F",
                                4)),
            "a_x0001_b_x001F_");
  EXPECT_EQ(Escaped("a\rb"), "a&#13;b");
  EXPECT_EQ(RoundTrip("a\rb"), "a\rb");
  // A lone continuation byte, a truncated sequence, an overlong form, a surrogate.
  EXPECT_EQ(RoundTrip("x\x80y"), "x\xEF\xBF\xBDy");
  EXPECT_EQ(RoundTrip("x\xC3"), "x\xEF\xBF\xBD");
  EXPECT_EQ(RoundTrip("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(RoundTrip("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  // Text that looks like an escape keeps its meaning by escaping its underscore.
  EXPECT_EQ(Escaped("_x0041_"), "_x005F_x0041_");
  EXPECT_EQ(Escaped("a_b _x12_"), "a_b _x12_");
}

TEST(XmlWriter, EveryByteAndCodePointXmlForbidsGivesAWellFormedPart) {
  // Every byte value, NUL included, then U+FFFE and U+FFFF, and a code point beyond U+10FFFF.
  std::string text;
  for (int byte = 0; byte < 256; ++byte) text += static_cast<char>(byte);
  text += "\xEF\xBF\xBE\xEF\xBF\xBF\xF4\x90\x80\x80";
  for (const bool attribute : {false, true}) {
    const std::string xml = Written(text, attribute);
    pugi::xml_document doc;
    const pugi::xml_parse_result result = doc.load_string(xml.c_str());
    ASSERT_TRUE(result) << result.description();
    const std::string read =
        attribute ? doc.child("t").attribute("v").value() : doc.child("t").text().get();
    EXPECT_EQ(read.find('\0'), std::string::npos);
    EXPECT_NE(read.find("_x0000_"), std::string::npos) << "NUL as Office's escape";
    EXPECT_NE(read.find("_x001B_"), std::string::npos);
    EXPECT_NE(read.find(" !\"#$%&'()*+,-./0123456789:;<=>?"), std::string::npos);
    EXPECT_EQ(read.find("\xEF\xBF\xBE"), std::string::npos) << "no U+FFFE";
    EXPECT_EQ(read.find("\xEF\xBF\xBF"), std::string::npos) << "no U+FFFF";
  }
}

TEST(XmlWriter, ElementsAttributesNumbersAndColours) {
  StringSink sink;
  XmlWriter xml(sink);
  xml.Start("a").Attribute("n", 12.75).Attribute("i", -4142).Attribute("r", "AB", 12);
  xml.Start("b").RgbAttribute("c", 0x123456).ArgbAttribute("d", 0xFF).End();
  xml.Start("v").Number(0.1 + 0.2).End();
  xml.Start("w").Number(22).Text(" ").Integer(-1).End();
  xml.Finish();
  EXPECT_EQ(sink.Text(),
            "<a n=\"12.75\" i=\"-4142\" r=\"AB12\"><b c=\"563412\" d=\"FFFF0000\"/>"
            "<v>0.30000000000000004</v><w>22 -1</w></a>");
}

TEST(XmlWriter, ThePartReachesItsSinkInPiecesOfTheSizeAsked) {
  class Pieces final : public XmlSink {
   public:
    void Write(std::string_view piece) override {
      sizes.push_back(piece.size());
      joined.append(piece);
    }
    std::vector<std::size_t> sizes;
    std::string joined;
  } pieces;
  StringSink whole;
  for (XmlSink* sink : std::initializer_list<XmlSink*>{&pieces, &whole}) {
    XmlWriter xml(*sink, 100);
    xml.Start("root");
    for (int i = 0; i < 200; ++i) {
      xml.Start("e").Attribute("i", i).Text(i % 50 == 0 ? std::string(300, 'x') : "t").End();
    }
    xml.Finish();
  }
  EXPECT_EQ(pieces.joined, whole.Text());
  ASSERT_GT(pieces.sizes.size(), 30u);
  for (std::size_t i = 0; i + 1 < pieces.sizes.size(); ++i) {
    EXPECT_TRUE(pieces.sizes[i] <= 100 || pieces.sizes[i] == 300) << i << ": " << pieces.sizes[i];
  }
}

}  // namespace
}  // namespace excel::xlsx
