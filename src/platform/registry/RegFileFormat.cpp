#include "platform/registry/RegFileFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/registry/Utf16.h"

namespace registry {
namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::size_t kMaxLine = 80;       // the editor wraps binary data before this column
constexpr std::ptrdiff_t kMaxDepth = 512;  // levels of keys, as Windows allows them

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// The file's bytes as UTF-8 text, whichever encoding the file uses: a view of the bytes
// themselves when they are UTF-8, else of the decoded text kept in strDecoded.
std::optional<std::string_view> DecodeFile(std::string_view bytes, std::string& strDecoded) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    strDecoded =
        Utf16LeToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2);
    return strDecoded;
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (!IsValidUtf8(bytes)) return std::nullopt;
  return bytes;
}

// The lines of a text one after the other, without their line ends.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}

  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t posEnd = rest_.find('\n');
    line = rest_.substr(0, posEnd);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest_ = posEnd == std::string_view::npos ? std::string_view() : rest_.substr(posEnd + 1);
    return true;
  }

 private:
  std::string_view rest_;
};

// Reads a quoted text with \\ and \" escapes starting at s[pos] == '"'; advances pos past the
// closing quote. Any other backslash stands for itself.
std::optional<std::string> ReadQuoted(std::string_view s, std::size_t& pos) {
  if (pos >= s.size() || s[pos] != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = pos + 1; i < s.size(); ++i) {
    const char ch = s[i];
    if (ch == '"') {
      pos = i + 1;
      return out;
    }
    if (ch == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
      out += s[++i];
    } else {
      out += ch;
    }
  }
  return std::nullopt;  // no closing quote
}

std::optional<std::vector<std::uint8_t>> ReadHexBytes(std::string_view s) {
  std::vector<std::uint8_t> bytes;
  s = Trim(s);
  while (!s.empty()) {
    const std::size_t posComma = s.find(',');
    const std::string_view item = Trim(s.substr(0, posComma));
    if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(HexDigit(item[0]) * 16 + HexDigit(item[1])));
    if (posComma == std::string_view::npos) break;
    s.remove_prefix(posComma + 1);
    if (Trim(s).empty()) return std::nullopt;  // a trailing comma
  }
  return bytes;
}

// The data after the '=' of a value line; nothing when malformed.
std::optional<HiveValue> ReadData(std::string_view s) {
  HiveValue value;
  s = Trim(s);
  if (!s.empty() && s.front() == '"') {
    std::size_t pos = 0;
    const auto text = ReadQuoted(s, pos);
    if (!text || !Trim(s.substr(pos)).empty()) return std::nullopt;
    value.dwType = kRegSz;
    value.data = Utf8ToUtf16Le(*text);
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
  }
  if (s.starts_with("dword:")) {
    const std::string_view digits = s.substr(6);
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t dw = 0;
    for (char ch : digits) {
      if (HexDigit(ch) < 0) return std::nullopt;
      dw = dw * 16 + static_cast<std::uint32_t>(HexDigit(ch));
    }
    value.dwType = kRegDword;
    for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<std::uint8_t>(dw >> (8 * i)));
    return value;
  }
  if (s.starts_with("hex:")) {
    value.dwType = kRegBinary;
    s.remove_prefix(4);
  } else if (s.starts_with("hex(")) {
    const std::size_t posClose = s.find("):");
    if (posClose == std::string_view::npos || posClose == 4 || posClose > 12) return std::nullopt;
    std::uint32_t dwType = 0;
    for (char ch : s.substr(4, posClose - 4)) {
      if (HexDigit(ch) < 0) return std::nullopt;
      dwType = dwType * 16 + static_cast<std::uint32_t>(HexDigit(ch));
    }
    value.dwType = dwType;
    s.remove_prefix(posClose + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = ReadHexBytes(s);
  if (!bytes) return std::nullopt;
  value.data = std::move(*bytes);
  return value;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (char ch : s) {
    if (ch == '\\' || ch == '"') out += '\\';
    out += ch;
  }
  return out + '"';
}

// The text of a REG_SZ value when it can be written between quotes: one terminating zero, no
// other zero, no line break.
std::optional<std::string> QuotableText(const HiveValue& value) {
  const auto& d = value.data;
  if (d.size() < 2 || d.size() % 2 != 0 || d[d.size() - 1] != 0 || d[d.size() - 2] != 0) {
    return std::nullopt;
  }
  const std::vector<std::uint8_t> units(d.begin(), d.end() - 2);
  const std::string strText = Utf16LeToUtf8(units);
  if (strText.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos) {
    return std::nullopt;
  }
  if (Utf8ToUtf16Le(strText) != units) return std::nullopt;  // not valid UTF-16
  return strText;
}

void AppendHex(std::string& out, std::size_t cchLineStart, const std::vector<std::uint8_t>& d) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::size_t cchLine = out.size() - cchLineStart;
  for (std::size_t i = 0; i < d.size(); ++i) {
    out += kDigits[d[i] >> 4];
    out += kDigits[d[i] & 0xF];
    cchLine += 2;
    if (i + 1 == d.size()) break;
    out += ',';
    ++cchLine;
    if (cchLine + 4 > kMaxLine - 1) {
      out += "\\\r\n  ";
      cchLine = 2;
    }
  }
}

}  // namespace

RegFileStart StartOfRegFile(std::string_view bytes) {
  const bool blnUtf16 = bytes.starts_with("\xFF\xFE");
  if (blnUtf16) {
    bytes.remove_prefix(2);
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  }
  const std::size_t cbUnit = blnUtf16 ? 2 : 1;
  auto isBlank = [&](std::size_t pos) {
    const char ch = bytes[pos];
    return (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') &&
           (!blnUtf16 || bytes[pos + 1] == '\0');
  };
  std::size_t pos = 0;
  while (pos + cbUnit <= bytes.size() && isBlank(pos)) pos += cbUnit;
  if (pos + cbUnit > bytes.size()) return RegFileStart::kBlank;

  constexpr std::size_t kCharsCompared = 64;
  const std::string strStart =
      blnUtf16 ? Utf16LeToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()) + pos,
                               std::min(bytes.size() - pos, 2 * kCharsCompared))
               : std::string(bytes.substr(pos, kCharsCompared));
  return strStart.starts_with(kRegFileHeader) || strStart.starts_with(kRegFileHeaderOld)
             ? RegFileStart::kRegFile
             : RegFileStart::kOther;
}

std::optional<Hive> ParseRegFile(std::string_view bytes) {
  std::string strDecoded;
  const auto text = DecodeFile(bytes, strDecoded);
  if (!text) return std::nullopt;
  Lines lines(*text);

  std::string_view line;
  bool blnAny = false;
  while ((blnAny = lines.Next(line)) && Trim(line).empty()) {
  }
  if (!blnAny) return Hive{};  // an empty file holds no keys
  if (Trim(line) != kRegFileHeader) return std::nullopt;

  Hive hive;
  HiveKey* key = nullptr;   // the key that values now belong to (none after a deleted key)
  bool blnSeenKey = false;  // a key line (kept or deleted) was read
  while (lines.Next(line)) {
    line = TrimLeft(line);
    if (Trim(line).empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::string_view body = Trim(line);
      if (body.back() != ']' || body.size() < 3) return std::nullopt;
      std::string_view strPath = body.substr(1, body.size() - 2);
      if (std::count(strPath.begin(), strPath.end(), '\\') >= kMaxDepth) return std::nullopt;
      blnSeenKey = true;
      key = nullptr;
      if (strPath.front() == '-') {
        hive.DeleteKeyTree(strPath.substr(1));
        continue;
      }
      if (strPath.front() == '\\' || strPath.back() == '\\' ||
          strPath.find("\\\\") != std::string_view::npos) {
        return std::nullopt;
      }
      key = &hive.CreateKey(strPath);
      continue;
    }

    // A value line: "name"=data or @=data, binary data possibly continued on further lines.
    std::string strName;
    std::size_t pos = 0;
    if (line.front() == '@') {
      pos = 1;
    } else {
      auto name = ReadQuoted(line, pos);
      if (!name) return std::nullopt;
      strName = std::move(*name);
    }
    const std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    std::string strData(Trim(rest.substr(1)));
    if (strData.starts_with("hex")) {
      std::string_view next;
      while (!strData.empty() && strData.back() == '\\' && lines.Next(next)) {
        strData.pop_back();
        strData += Trim(next);
      }
    }
    if (key == nullptr) {
      if (!blnSeenKey) return std::nullopt;  // a value before any key
      continue;                              // a value of a deleted key
    }
    if (strData == "-") {
      key->DeleteValue(strName);
      continue;
    }
    auto value = ReadData(strData);
    if (!value) return std::nullopt;
    value->strName = std::move(strName);
    key->SetValue(std::move(*value));
  }
  hive.Compact();
  return hive;
}

std::string FormatRegFile(const Hive& hive) {
  std::string out(kRegFileHeader);
  out += "\r\n\r\n";
  for (const HiveKey& key : hive.Keys()) {
    out += '[';
    out += key.Path();
    out += "]\r\n";
    for (const HiveValue& value : key.Values()) {
      const std::size_t cchLineStart = out.size();
      out += value.strName.empty() ? std::string("@") : Quote(value.strName);
      out += '=';
      if (value.dwType == kRegSz) {
        if (const auto text = QuotableText(value)) {
          out += Quote(*text) + "\r\n";
          continue;
        }
      }
      if (value.dwType == kRegDword && value.data.size() == 4) {
        char buf[16];
        const std::uint32_t dw = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                 (static_cast<std::uint32_t>(value.data[3]) << 24);
        std::snprintf(buf, sizeof buf, "dword:%08x", dw);
        out += buf;
      } else if (value.dwType == kRegBinary) {
        out += "hex:";
        AppendHex(out, cchLineStart, value.data);
      } else {
        char buf[16];
        std::snprintf(buf, sizeof buf, "hex(%x):", value.dwType);
        out += buf;
        AppendHex(out, cchLineStart, value.data);
      }
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace registry
