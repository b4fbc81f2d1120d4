#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "platform/excel/XmlText.h"

namespace excel {
namespace {

// The text as a conforming reader sees it after parsing the element.
std::string RoundTrip(const std::string& strText) {
  std::string xml = "<t>";
  AppendXmlText(xml, strText);
  xml += "</t>";
  pugi::xml_document doc;
  pugi::xml_parse_result result =
      doc.load_string(xml.c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
  EXPECT_TRUE(result) << result.description() << " in " << xml;
  return doc.child("t").text().get();
}

TEST(XmlText, MarkupCharactersAndUmlautsSurvive) {
  EXPECT_EQ(RoundTrip("Müller & Söhne <GmbH> \"Straße\" '1'"),
            "Müller & Söhne <GmbH> \"Straße\" '1'");
  EXPECT_EQ(RoundTrip("Zeile 1\nZeile 2\tTab"), "Zeile 1\nZeile 2\tTab");
  EXPECT_EQ(RoundTrip("€ 𝄞"), "€ 𝄞");
  EXPECT_EQ(XmlText("a\"b"), "a&quot;b") << "safe inside attribute values";
}

TEST(XmlText, ControlCharactersAndBrokenUtf8StillGiveWellFormedXml) {
  EXPECT_EQ(XmlText(std::string("a\x01"
                                "b\x1F",
                                4)),
            "a_x0001_b_x001F_");
  EXPECT_EQ(XmlText("a\rb"), "a&#13;b");
  EXPECT_EQ(RoundTrip("a\rb"), "a\rb");
  // A lone continuation byte, a truncated sequence, an overlong form, a surrogate.
  EXPECT_EQ(RoundTrip("x\x80y"), "x\xEF\xBF\xBDy");
  EXPECT_EQ(RoundTrip("x\xC3"), "x\xEF\xBF\xBD");
  EXPECT_EQ(RoundTrip("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(RoundTrip("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  // Text that looks like an escape keeps its meaning by escaping its underscore.
  EXPECT_EQ(XmlText("_x0041_"), "_x005F_x0041_");
  EXPECT_EQ(XmlText("a_b _x12_"), "a_b _x12_");
}

TEST(XmlText, NumbersInTheShortestExactForm) {
  std::string out;
  AppendNumber(out, 12.75);
  out += ' ';
  AppendNumber(out, 22);
  out += ' ';
  AppendNumber(out, 0.1 + 0.2);
  out += ' ';
  AppendInteger(out, -4142);
  EXPECT_EQ(out, "12.75 22 0.30000000000000004 -4142");
}

}  // namespace
}  // namespace excel
