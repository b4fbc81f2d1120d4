#pragma once
// A small reader of .xls files for the tests: the streams of the compound file (read with
// libgsf), the BIFF records of the "Workbook" stream split into its substreams, and the OfficeArt
// records of a drawing as a tree. It checks what it reads: a record that runs past its stream
// or a container whose children do not fill it exactly throws std::runtime_error.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace xlstest {

// The names of the compound file's streams, and one stream's bytes.
std::vector<std::string> StreamNames(const std::filesystem::path& file);
std::string ReadStream(const std::filesystem::path& file, const std::string& name);

struct Record {
  std::uint16_t type = 0;
  std::string data;
};

// The substreams of the workbook stream, each from its BOF to its EOF: the globals first.
std::vector<std::vector<Record>> Substreams(const std::filesystem::path& file);

// The types in order, each run of one type taken once.
std::vector<std::uint16_t> TypeOrder(const std::vector<Record>& records);

struct ArtRecord {
  std::uint16_t type = 0;
  std::uint16_t instance = 0;
  std::uint32_t length = 0;
  std::string data;  // of an atom; a container's children follow in the list
  std::vector<ArtRecord> children;
};

// The OfficeArt records of data, containers with their children.
std::vector<ArtRecord> ReadArt(std::string_view data);

// The data of a record and of the CONTINUE records behind it, as one.
std::string Continued(const std::vector<Record>& records, std::size_t index);

std::uint16_t U16(std::string_view data, std::size_t offset);
std::uint32_t U32(std::string_view data, std::size_t offset);

}  // namespace xlstest
