#pragma once
// A combo box: free text with a drop-down list (Style 0), or a list only (Style 2, the text is
// always a list entry or empty). The list keeps the order in which items were added. A change
// of the text raises the change event; choosing an entry raises the click event. An item may
// carry a note that the drop-down list shows beside it (the plan's name of a field): choosing
// the item still puts only the item into the text.

#include <string>
#include <vector>

#include "platform/forms/TextControl.h"

namespace forms {

inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboDropdownList = 2;

class ComboBox : public TextControl {
 public:
  ComboBox(Form& form, std::string strName) : TextControl(form, std::move(strName)) {}

  int Style() const { return intStyle_; }
  void Style(int intValue);

  // The text shown. With Style 2 a text that is not in the list throws.
  using TextControl::Text;
  void Text(const std::string& strValue);

  // Adds an item at the end, or before the item at intIndex (0 … ListCount).
  void AddItem(const std::string& strItem, int intIndex = -1);
  void RemoveItem(int intIndex);
  void Clear();
  int ListCount() const { return static_cast<int>(list_.size()); }
  // The item at 0 … ListCount − 1; another index throws.
  const std::string& List(int intIndex) const;
  // The note shown beside the item at 0 … ListCount − 1 (empty: none); another index throws.
  const std::string& ItemNote(int intIndex) const;
  void ItemNote(int intIndex, const std::string& strNote);
  // The index of the chosen item, −1 when the text is no item chosen from the list. Setting an
  // index chooses that item (−1 clears the choice and keeps the text).
  int ListIndex() const { return intListIndex_; }
  void ListIndex(int intValue);

 private:
  void SetText(const std::string& strValue, int intListIndex);

  int intStyle_ = vbComboDropdown;
  std::vector<std::string> list_;
  std::vector<std::string> notes_;  // one for each item of list_
  int intListIndex_ = -1;
};

}  // namespace forms
