#pragma once
// The .xlsx file as a zip archive written with libzip, its entries added as they were deflated
// beforehand (DeflatedPart): libzip stores them as they are, with their CRC and sizes.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/excel/xlsx/DeflatedPart.h"

struct zip;

namespace excel::xlsx {

class ZipArchive {
 public:
  // Creates the file, replacing what is there. Throws excel::Error when it cannot be created.
  explicit ZipArchive(const std::filesystem::path& file);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // Adds the entry; the part must stay until Close.
  void Add(const std::string& name, const DeflatedPart& part);
  // Writes the archive. Throws excel::Error when it cannot be written.
  void Close();

 private:
  std::string Reason() const;

  zip* zip_ = nullptr;
  struct Entry;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace excel::xlsx
