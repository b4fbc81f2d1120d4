#include "platform/excel/xlsx/ZipArchive.h"

#include <zip.h>

#include <ctime>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"

namespace excel::xlsx {

// An entry's data as libzip pulls it: the deflated bytes, and a stat that says they are
// deflated already, so that libzip copies them instead of packing them again.
struct ZipArchive::Entry {
  const DeflatedPart& part;
  std::uint64_t offset = 0;
  std::time_t time = std::time(nullptr);
  zip_error_t error{};

  explicit Entry(const DeflatedPart& deflated) : part(deflated) { zip_error_init(&error); }
  ~Entry() { zip_error_fini(&error); }
  Entry(const Entry&) = delete;
  Entry& operator=(const Entry&) = delete;

  static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                              zip_source_cmd_t command) {
    auto* self = static_cast<Entry*>(state);
    switch (command) {
      case ZIP_SOURCE_OPEN:
        self->offset = 0;
        return 0;
      case ZIP_SOURCE_READ: {
        const std::size_t n =
            self->part.Read(self->offset, static_cast<unsigned char*>(data), length);
        self->offset += n;
        return static_cast<zip_int64_t>(n);
      }
      case ZIP_SOURCE_CLOSE:
      case ZIP_SOURCE_FREE:
        return 0;
      case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = self->part.Size();
        stat->comp_size = self->part.DeflatedSize();
        stat->comp_method = ZIP_CM_DEFLATE;
        stat->crc = self->part.Crc();
        stat->mtime = self->time;
        stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                       ZIP_STAT_MTIME;
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
  }
};

ZipArchive::ZipArchive(const std::filesystem::path& file) {
  int code = 0;
  zip_ = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (zip_ == nullptr) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw Error(
        catalog::Format(_("Die Datei „{}“ kann nicht angelegt werden: {}"), file.string(), text));
  }
}

ZipArchive::~ZipArchive() {
  // Before the entries, which libzip may still read while it lets go of them.
  if (zip_ != nullptr) zip_discard(zip_);
}

void ZipArchive::Add(const std::string& name, const DeflatedPart& part) {
  entries_.push_back(std::make_unique<Entry>(part));
  zip_source_t* source = zip_source_function(zip_, &Entry::Callback, entries_.back().get());
  if (source == nullptr)
    throw Error(catalog::Format(_("Die Datei kann nicht geschrieben werden: {}"), Reason()));
  if (zip_file_add(zip_, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(source);
    throw Error(catalog::Format(_("Die Datei kann nicht geschrieben werden: {}"), Reason()));
  }
}

void ZipArchive::Close() {
  if (zip_close(zip_) == 0) {
    zip_ = nullptr;
    return;
  }
  throw Error(catalog::Format(_("Die Datei kann nicht geschrieben werden: {}"), Reason()));
}

std::string ZipArchive::Reason() const {
  return zip_strerror(zip_);
}

}  // namespace excel::xlsx
