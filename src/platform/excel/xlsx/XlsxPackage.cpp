#include "platform/excel/xlsx/XlsxPackage.h"

#include <zip.h>

#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/excel/DrawingWriter.h"
#include "platform/excel/Error.h"
#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xlsx/PackageParts.h"
#include "platform/excel/xlsx/SheetXml.h"
#include "platform/excel/xlsx/StylesXml.h"

namespace excel::xlsx {

namespace {

// Deflate level of the worksheet parts: they are large and repetitive, level 1 packs them
// nearly as well as the default in a fraction of the time.
constexpr zip_uint32_t kSheetCompression = 1;

// A worksheet part streamed into the archive: libzip pulls the bytes through this callback
// while it writes the archive, piece by piece.
struct SheetSource {
  SheetXml xml;
  std::string buffer;
  std::size_t read = 0;
  bool more = true;
  zip_error_t error{};
  std::exception_ptr failure;  // an exception that must not cross libzip's C code

  SheetSource(const file::SheetView& sheet, bool hasDrawing,
              const std::vector<std::uint32_t>& styleIndex)
      : xml(sheet, hasDrawing, styleIndex) {
    zip_error_init(&error);
  }
  ~SheetSource() { zip_error_fini(&error); }

  zip_int64_t Read(void* data, zip_uint64_t length) {
    char* target = static_cast<char*>(data);
    zip_uint64_t copied = 0;
    while (copied < length) {
      if (read == buffer.size()) {
        if (!more) break;
        buffer.clear();
        read = 0;
        more = xml.Next(buffer);
        continue;
      }
      std::size_t n = std::min<std::size_t>(buffer.size() - read, length - copied);
      std::memcpy(target + copied, buffer.data() + read, n);
      read += n;
      copied += n;
    }
    return static_cast<zip_int64_t>(copied);
  }

  static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                              zip_source_cmd_t command) {
    auto* self = static_cast<SheetSource*>(state);
    try {
      switch (command) {
        case ZIP_SOURCE_OPEN:
          self->xml.Rewind();
          self->buffer.clear();
          self->read = 0;
          self->more = true;
          return 0;
        case ZIP_SOURCE_READ:
          return self->Read(data, length);
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
          return 0;
        case ZIP_SOURCE_STAT: {
          auto* stat = static_cast<zip_stat_t*>(data);
          zip_stat_init(stat);
          stat->mtime = std::time(nullptr);
          stat->valid |= ZIP_STAT_MTIME;
          return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
          return zip_error_to_data(&self->error, data, length);
        case ZIP_SOURCE_SUPPORTS:
          return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                                -1);
        default:
          zip_error_set(&self->error, ZIP_ER_OPNOTSUPP, 0);
          return -1;
      }
    } catch (...) {
      self->failure = std::current_exception();
      zip_error_set(&self->error, ZIP_ER_INTERNAL, 0);
      return -1;
    }
  }
};

class Archive {
 public:
  explicit Archive(const std::filesystem::path& file) {
    int code = 0;
    zip_ = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (zip_ == nullptr) {
      zip_error_t error;
      zip_error_init_with_code(&error, code);
      std::string text = zip_error_strerror(&error);
      zip_error_fini(&error);
      throw Error("Die Datei „" + file.string() + "“ kann nicht angelegt werden: " + text);
    }
  }
  ~Archive() {
    if (zip_ != nullptr) zip_discard(zip_);
  }

  // Adds a part held in memory; the text lives until the archive is written.
  void Add(const std::string& name, std::string text) {
    const std::string& kept = texts_.emplace_back(std::move(text));
    zip_source_t* source = zip_source_buffer(zip_, kept.data(), kept.size(), 0);
    AddSource(name, source, ZIP_CM_DEFAULT, 0);
  }

  // Adds a large part held in memory (a drawing): packed like the worksheets.
  void AddLarge(const std::string& name, std::string text) {
    const std::string& kept = texts_.emplace_back(std::move(text));
    zip_source_t* source = zip_source_buffer(zip_, kept.data(), kept.size(), 0);
    AddSource(name, source, ZIP_CM_DEFLATE, kSheetCompression);
  }

  void AddSheet(const std::string& name, SheetSource& sheet) {
    zip_source_t* source = zip_source_function(zip_, &SheetSource::Callback, &sheet);
    AddSource(name, source, ZIP_CM_DEFLATE, kSheetCompression);
  }

  // Writes the archive; libzip pulls the streamed parts now.
  void Close(const std::vector<std::unique_ptr<SheetSource>>& sheets) {
    int result = zip_close(zip_);
    if (result == 0) {
      zip_ = nullptr;
      return;
    }
    for (const auto& sheet : sheets) {
      if (sheet->failure) std::rethrow_exception(sheet->failure);
    }
    throw Error(std::string("Die Datei kann nicht geschrieben werden: ") + zip_strerror(zip_));
  }

 private:
  void AddSource(const std::string& name, zip_source_t* source, zip_int32_t method,
                 zip_uint32_t level) {
    if (source == nullptr) throw Error("Die Datei kann nicht geschrieben werden: " + Reason());
    zip_int64_t index = zip_file_add(zip_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      throw Error("Die Datei kann nicht geschrieben werden: " + Reason());
    }
    if (method != ZIP_CM_DEFAULT) {
      zip_set_file_compression(zip_, static_cast<zip_uint64_t>(index), method, level);
    }
  }
  std::string Reason() { return zip_strerror(zip_); }

  zip_t* zip_ = nullptr;
  std::deque<std::string> texts_;
};

}  // namespace

void WriteXlsx(const file::WorkbookView& workbook, const std::filesystem::path& file) {
  const auto& views = workbook.Sheets();
  std::vector<bool> drawings;
  for (const file::SheetView& sheet : views) drawings.push_back(sheet.ShapeList().Count() > 0);

  const std::vector<std::uint32_t>& styleIndex = workbook.UsedFormats();
  // The streamed sheets outlive the archive, which may still read them while it is discarded.
  std::vector<std::unique_ptr<SheetSource>> sheets;
  Archive archive(file);
  archive.Add("[Content_Types].xml", ContentTypesXml(drawings));
  archive.Add("_rels/.rels", RootRelsXml());
  archive.Add("xl/workbook.xml", WorkbookXml(workbook));
  archive.Add("xl/_rels/workbook.xml.rels", WorkbookRelsXml(views.size()));
  archive.Add("xl/styles.xml", StylesXml(workbook));

  for (std::size_t i = 1; i <= views.size(); ++i) {
    const file::SheetView& sheet = views[i - 1];
    std::string n = std::to_string(i);
    bool hasDrawing = drawings[i - 1];
    sheets.push_back(std::make_unique<SheetSource>(sheet, hasDrawing, styleIndex));
    archive.AddSheet("xl/worksheets/sheet" + n + ".xml", *sheets.back());
    if (hasDrawing) {
      std::string drawing;
      WriteDrawingXml(sheet.ShapeList(), sheet, drawing);
      archive.AddLarge("xl/drawings/drawing" + n + ".xml", std::move(drawing));
      archive.Add("xl/worksheets/_rels/sheet" + n + ".xml.rels", SheetRelsXml(i));
    }
  }
  archive.Close(sheets);
}

}  // namespace excel::xlsx
