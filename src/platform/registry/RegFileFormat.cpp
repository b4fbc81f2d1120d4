#include "platform/registry/RegFileFormat.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/registry/Utf16.h"

namespace registry {
namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::size_t kMaxLine = 80;  // the editor wraps binary data before this column

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

// The file's bytes as UTF-8 text, whichever encoding the file uses.
std::optional<std::string> DecodeFile(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    return Utf16LeToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2);
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (!IsValidUtf8(bytes)) return std::nullopt;
  return std::string(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t posEnd = text.find('\n');
    std::string_view line = text.substr(0, posEnd);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (posEnd == std::string_view::npos) break;
    text.remove_prefix(posEnd + 1);
  }
  return lines;
}

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

std::optional<Hive> ParseRegFile(std::string_view bytes) {
  const auto text = DecodeFile(bytes);
  if (!text) return std::nullopt;
  const std::vector<std::string_view> lines = SplitLines(*text);

  std::size_t i = 0;
  while (i < lines.size() && Trim(lines[i]).empty()) ++i;
  if (i == lines.size()) return Hive{};  // an empty file holds no keys
  if (Trim(lines[i]) != kRegFileHeader) return std::nullopt;
  ++i;

  Hive hive;
  std::string strCurrentKey;
  bool blnSeenKey = false;  // a key line (kept or deleted) was read
  bool blnInKey = false;    // values now belong to strCurrentKey (not to a deleted key)
  for (; i < lines.size(); ++i) {
    const std::string_view line = TrimLeft(lines[i]);
    if (Trim(line).empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::string_view body = Trim(line);
      if (body.back() != ']' || body.size() < 3) return std::nullopt;
      std::string_view strPath = body.substr(1, body.size() - 2);
      if (strPath.front() == '-') {
        hive.DeleteKeyTree(strPath.substr(1));
        blnSeenKey = true;
        blnInKey = false;
        continue;
      }
      if (strPath.front() == '\\' || strPath.back() == '\\' ||
          strPath.find("\\\\") != std::string_view::npos) {
        return std::nullopt;
      }
      strCurrentKey = std::string(strPath);
      hive.CreateKey(strCurrentKey);
      blnSeenKey = true;
      blnInKey = true;
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
      while (!strData.empty() && strData.back() == '\\' && i + 1 < lines.size()) {
        strData.pop_back();
        strData += Trim(lines[++i]);
      }
    }
    if (!blnInKey) {
      if (!blnSeenKey) return std::nullopt;  // a value before any key
      continue;                              // a value of a deleted key
    }
    HiveKey* key = hive.FindKey(strCurrentKey);
    if (strData == "-") {
      key->DeleteValue(strName);
      continue;
    }
    auto value = ReadData(strData);
    if (!value) return std::nullopt;
    value->strName = std::move(strName);
    key->SetValue(std::move(*value));
  }
  return hive;
}

std::string FormatRegFile(const Hive& hive) {
  std::string out(kRegFileHeader);
  out += "\r\n\r\n";
  for (const HiveKey& key : hive.Keys()) {
    out += '[' + key.strPath + "]\r\n";
    for (const HiveValue& value : key.values) {
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
