#include "platform/forms/TextControl.h"

#include <algorithm>

namespace forms {

namespace {

// Number of characters of a UTF-8 text.
int CharCount(const std::string& strText) {
  return static_cast<int>(std::count_if(strText.begin(), strText.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
  }));
}

// Byte offset of the character at intIndex (the end when beyond it).
std::size_t ByteOffset(const std::string& strText, int intIndex) {
  int intSeen = 0;
  for (std::size_t i = 0; i < strText.size(); ++i) {
    if ((static_cast<unsigned char>(strText[i]) & 0xC0U) != 0x80U) {
      if (intSeen == intIndex) return i;
      ++intSeen;
    }
  }
  return strText.size();
}

}  // namespace

void TextControl::ReplaceText(const std::string& strValue) {
  if (strValue == strText_) return;
  strText_ = strValue;
  intSelStart_ = std::min(intSelStart_, CharCount(strText_));
  intSelLength_ = 0;
  Changed(Property::Text);
  if (OnChange) OnChange();
}

void TextControl::SelStart(int intValue) {
  if (intValue < 0) ThrowInvalidValue("SelStart");
  intSelStart_ = std::min(intValue, CharCount(strText_));
  intSelLength_ = 0;
  Changed(Property::Selection);
}

void TextControl::SelLength(int intValue) {
  if (intValue < 0) ThrowInvalidValue("SelLength");
  intSelLength_ = std::min(intValue, CharCount(strText_) - intSelStart_);
  Changed(Property::Selection);
}

std::string TextControl::SelText() const {
  std::size_t begin = ByteOffset(strText_, intSelStart_);
  std::size_t end = ByteOffset(strText_, intSelStart_ + intSelLength_);
  return strText_.substr(begin, end - begin);
}

}  // namespace forms
