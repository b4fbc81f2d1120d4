#include "BiffRecords.h"

#include <gsf/gsf.h>

#include <memory>
#include <stdexcept>

namespace xlstest {

namespace {

struct Unref {
  void operator()(void* object) const { g_object_unref(object); }
};
template <class T>
using Owned = std::unique_ptr<T, Unref>;

Owned<GsfInfile> Open(const std::filesystem::path& file) {
  GError* error = nullptr;
  Owned<GsfInput> input(gsf_input_stdio_new(file.c_str(), &error));
  if (!input) {
    const std::string reason = error ? error->message : "?";
    if (error) g_error_free(error);
    throw std::runtime_error("cannot open " + file.string() + ": " + reason);
  }
  Owned<GsfInfile> compound(gsf_infile_msole_new(input.get(), &error));
  if (!compound) {
    const std::string reason = error ? error->message : "?";
    if (error) g_error_free(error);
    throw std::runtime_error(file.string() + " is no compound file: " + reason);
  }
  return compound;
}

}  // namespace

std::uint16_t U16(std::string_view data, std::size_t offset) {
  if (offset + 2 > data.size()) throw std::runtime_error("read past the data");
  return static_cast<std::uint16_t>(static_cast<unsigned char>(data[offset]) |
                                    static_cast<unsigned char>(data[offset + 1]) << 8);
}

std::uint32_t U32(std::string_view data, std::size_t offset) {
  return U16(data, offset) | static_cast<std::uint32_t>(U16(data, offset + 2)) << 16;
}

std::vector<std::string> StreamNames(const std::filesystem::path& file) {
  Owned<GsfInfile> compound = Open(file);
  std::vector<std::string> names;
  for (int i = 0; i < gsf_infile_num_children(compound.get()); ++i) {
    names.emplace_back(gsf_infile_name_by_index(compound.get(), i));
  }
  return names;
}

std::string ReadStream(const std::filesystem::path& file, const std::string& name) {
  Owned<GsfInfile> compound = Open(file);
  Owned<GsfInput> stream(gsf_infile_child_by_name(compound.get(), name.c_str()));
  if (!stream) throw std::runtime_error(file.string() + " has no stream " + name);
  const auto size = static_cast<std::size_t>(gsf_input_size(stream.get()));
  std::string bytes(size, '\0');
  if (size > 0 &&
      gsf_input_read(stream.get(), size, reinterpret_cast<guint8*>(bytes.data())) == nullptr) {
    throw std::runtime_error("cannot read the stream " + name);
  }
  return bytes;
}

std::vector<std::vector<Record>> Substreams(const std::filesystem::path& file) {
  const std::string stream = ReadStream(file, "Workbook");
  std::vector<std::vector<Record>> substreams;
  std::size_t offset = 0;
  bool open = false;
  while (offset + 4 <= stream.size()) {
    Record record;
    record.type = U16(stream, offset);
    const std::uint16_t length = U16(stream, offset + 2);
    if (offset + 4 + length > stream.size()) throw std::runtime_error("a record runs past the end");
    record.data = stream.substr(offset + 4, length);
    offset += 4 + length;
    if (record.type == 0x0809) {
      substreams.emplace_back();
      open = true;
    }
    if (!open) continue;  // padding between substreams
    substreams.back().push_back(std::move(record));
    if (substreams.back().back().type == 0x000A) open = false;
  }
  return substreams;
}

std::vector<std::uint16_t> TypeOrder(const std::vector<Record>& records) {
  std::vector<std::uint16_t> types;
  for (const Record& record : records) {
    if (types.empty() || types.back() != record.type) types.push_back(record.type);
  }
  return types;
}

std::vector<ArtRecord> ReadArt(std::string_view data) {
  std::vector<ArtRecord> records;
  std::size_t offset = 0;
  while (offset < data.size()) {
    ArtRecord record;
    const std::uint16_t versionInstance = U16(data, offset);
    record.type = U16(data, offset + 2);
    record.length = U32(data, offset + 4);
    record.instance = versionInstance >> 4;
    if (offset + 8 + record.length > data.size()) {
      throw std::runtime_error("an OfficeArt record runs past its container");
    }
    const std::string_view body = data.substr(offset + 8, record.length);
    if ((versionInstance & 0xF) == 0xF) {
      record.children = ReadArt(body);
    } else {
      record.data = std::string(body);
    }
    records.push_back(std::move(record));
    offset += 8 + records.back().length;
  }
  return records;
}

std::string Continued(const std::vector<Record>& records, std::size_t index) {
  std::string data = records[index].data;
  for (std::size_t i = index + 1; i < records.size() && records[i].type == 0x003C; ++i) {
    data += records[i].data;
  }
  return data;
}

}  // namespace xlstest
