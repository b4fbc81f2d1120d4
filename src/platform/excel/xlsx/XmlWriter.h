#pragma once
// The one way the .xlsx parts are written: elements, attributes, text, numbers and colours,
// escaped in one place, into a sink that takes the part piece by piece, so that no part is
// held in memory as a whole.
//
// Text and attribute values may hold anything: markup characters are escaped, control
// characters that XML cannot carry are written as Office's "_xHHHH_" escapes (and an
// underscore that would read as such an escape as "_x005F_"), a carriage return as a
// character reference, and broken UTF-8 or a code point XML does not allow as U+FFFD. In
// attribute values tabs and line feeds are character references as well, so that a reader's
// attribute normalisation does not turn them into blanks.

#include <cassert>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace excel::xlsx {

// Takes the bytes of a part in pieces, in their order.
class XmlSink {
 public:
  virtual ~XmlSink() = default;
  virtual void Write(std::string_view piece) = 0;
};

// Keeps the whole part as one string: for small parts and tests.
class StringSink final : public XmlSink {
 public:
  void Write(std::string_view piece) override { text_.append(piece); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class XmlWriter {
 public:
  // The bytes are handed to the sink in pieces of pieceSize (the last one shorter).
  static constexpr std::size_t kPieceSize = std::size_t{1} << 16;
  explicit XmlWriter(XmlSink& sink, std::size_t pieceSize = kPieceSize);
  XmlWriter(const XmlWriter&) = delete;
  XmlWriter& operator=(const XmlWriter&) = delete;

  // The XML declaration a part begins with.
  void Declaration();

  // Starts an element; its attributes follow. The name must live until the element ends
  // (a literal).
  XmlWriter& Start(std::string_view name) {
    CloseStartTag();
    Put('<');
    Put(name);
    open_.push_back(name);
    startOpen_ = true;
    return *this;
  }
  XmlWriter& Attribute(std::string_view name, std::string_view text);
  XmlWriter& Attribute(std::string_view name, const char* text) {
    return Attribute(name, std::string_view(text));
  }
  XmlWriter& Attribute(std::string_view name, const std::string& text) {
    return Attribute(name, std::string_view(text));
  }
  template <std::integral T>
  XmlWriter& Attribute(std::string_view name, T value) {
    AttributeStart(name);
    PutInteger(static_cast<std::int64_t>(value));
    Put('"');
    return *this;
  }
  // In the shortest form that reads back exactly ("12.75", "22").
  XmlWriter& Attribute(std::string_view name, double value);
  // The text followed by the number, as in a cell's name ("AB" and 12: "AB12").
  XmlWriter& Attribute(std::string_view name, std::string_view text, std::int64_t number);
  // A colour given as Windows stores it (red in the low byte) as "RRGGBB", or opaque with its
  // alpha first as "FFRRGGBB".
  XmlWriter& RgbAttribute(std::string_view name, std::int32_t color);
  XmlWriter& ArgbAttribute(std::string_view name, std::int32_t color);

  // Content of the innermost element.
  XmlWriter& Text(std::string_view text);
  XmlWriter& Number(double value);
  XmlWriter& Integer(std::int64_t value);

  // Ends the innermost element, as an empty element when it has no content.
  XmlWriter& End() {
    assert(!open_.empty() && "End without an element to end");
    const std::string_view name = open_.back();
    open_.pop_back();
    if (startOpen_) {
      Put("/>");
      startOpen_ = false;
    } else {
      Put("</");
      Put(name);
      Put('>');
    }
    return *this;
  }
  // An element holding a number: <name>value</name>.
  XmlWriter& Element(std::string_view name, std::int64_t value) {
    return Start(name).Integer(value).End();
  }

  // Ends the elements still open and hands the rest of the part to the sink.
  void Finish();

 private:
  void Put(char ch) {
    if (used_ == size_) Flush();
    buffer_[used_++] = ch;
  }
  void Put(std::string_view text) {
    if (text.size() > size_ - used_) {
      PutLong(text);
      return;
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void PutLong(std::string_view text);
  void PutInteger(std::int64_t value);
  void PutHex(std::int32_t color);
  void Escaped(std::string_view text, bool attribute);
  void AttributeStart(std::string_view name) {
    Put(' ');
    Put(name);
    Put("=\"");
  }
  void CloseStartTag() {
    if (startOpen_) {
      Put('>');
      startOpen_ = false;
    }
  }
  void Flush();

  XmlSink& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t size_;
  std::size_t used_ = 0;
  std::vector<std::string_view> open_;
  bool startOpen_ = false;
};

}  // namespace excel::xlsx
