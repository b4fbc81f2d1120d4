#pragma once
// The compound file (OLE2) that holds the workbook's streams, written with libgsf. Streams are
// written one after another: a stream is open until the next is opened or the file is closed.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

struct _GsfOutput;
struct _GsfOutfile;

namespace excel::xls {

class CompoundFile {
 public:
  // Creates or empties the file; throws excel::Error when it cannot be created.
  explicit CompoundFile(const std::filesystem::path& file);
  ~CompoundFile();
  CompoundFile(const CompoundFile&) = delete;
  CompoundFile& operator=(const CompoundFile&) = delete;

  void OpenStream(const std::string& name);
  // Appends to the open stream; throws excel::Error when the bytes cannot be written.
  void Write(std::string_view bytes);
  // Writes the directory and closes the file; throws excel::Error when that fails.
  void Close();

 private:
  void CloseStream();
  [[noreturn]] void Fail(const std::string& what) const;

  std::filesystem::path path_;
  std::FILE* file_ = nullptr;
  _GsfOutput* sink_ = nullptr;
  _GsfOutfile* root_ = nullptr;
  _GsfOutput* stream_ = nullptr;
};

}  // namespace excel::xls
