#pragma once
// The shared string table: every distinct cell text once, cells refer to it by index. Written as
// SST with CONTINUE records where the table outgrows a record, a text split between two records
// going on with its flags byte, and EXTSST, the index into the table that Excel keeps.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/excel/xls/RecordWriter.h"

namespace excel::xls {

class SharedStrings {
 public:
  // The index of the text, adding it when it is new; counts one more cell.
  std::uint32_t Add(const std::string& text);
  // The index of a text added before.
  std::uint32_t Find(const std::string& text) const { return index_.at(text); }
  std::size_t Unique() const { return texts_.size(); }

  void Write(RecordWriter& out) const;

 private:
  std::unordered_map<std::string, std::uint32_t> index_;
  std::vector<const std::string*> texts_;
  std::uint32_t total_ = 0;
};

}  // namespace excel::xls
