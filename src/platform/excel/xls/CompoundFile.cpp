#include "platform/excel/xls/CompoundFile.h"

#include <gsf/gsf.h>

#include <cerrno>
#include <cstring>
#include <mutex>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"

namespace excel::xls {

namespace {

std::string Reason(GsfOutput* output) {
  const GError* error = output != nullptr ? gsf_output_error(output) : nullptr;
  return error != nullptr && error->message != nullptr ? error->message : "unbekannter Fehler";
}

}  // namespace

CompoundFile::CompoundFile(const std::filesystem::path& file) : path_(file) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { gsf_init(); });
  file_ = std::fopen(file.c_str(), "wb");
  if (file_ == nullptr) {
    throw Error(catalog::Format(_("Die Datei „{}“ kann nicht angelegt werden: {}"), file.string(),
                                std::strerror(errno)));
  }
  sink_ = gsf_output_stdio_new_FILE(file.c_str(), file_, TRUE);
  root_ = sink_ != nullptr ? gsf_outfile_msole_new(sink_) : nullptr;
  if (root_ == nullptr) Fail(N_("Die Datei „{}“ kann nicht angelegt werden: {}"));
}

CompoundFile::~CompoundFile() {
  if (stream_ != nullptr) g_object_unref(stream_);
  if (root_ != nullptr) g_object_unref(root_);
  if (sink_ != nullptr) g_object_unref(sink_);
  if (file_ != nullptr) std::fclose(file_);
}

void CompoundFile::OpenStream(const std::string& name) {
  CloseStream();
  stream_ = gsf_outfile_new_child(root_, name.c_str(), FALSE);
  if (stream_ == nullptr) Fail(N_("Die Datei „{}“ kann nicht geschrieben werden: {}"));
}

void CompoundFile::Write(std::string_view bytes) {
  if (bytes.empty()) return;
  if (!gsf_output_write(stream_, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()))) {
    Fail(N_("Die Datei „{}“ kann nicht geschrieben werden: {}"));
  }
}

void CompoundFile::CloseStream() {
  if (stream_ == nullptr) return;
  const bool closed = gsf_output_close(stream_);
  const std::string reason = Reason(stream_);
  g_object_unref(stream_);
  stream_ = nullptr;
  if (!closed) {
    throw Error(catalog::Format(_("Die Datei „{}“ kann nicht geschrieben werden: {}"),
                                path_.string(), reason));
  }
}

void CompoundFile::Close() {
  CloseStream();
  if (!gsf_output_close(GSF_OUTPUT(root_)))
    Fail(N_("Die Datei „{}“ kann nicht geschrieben werden: {}"));
  // Closing the compound file closes its sink as well.
  if (!gsf_output_is_closed(sink_) && !gsf_output_close(sink_))
    Fail(N_("Die Datei „{}“ kann nicht geschrieben werden: {}"));
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) {
    throw Error(catalog::Format(_("Die Datei „{}“ kann nicht geschrieben werden: {}"),
                                path_.string(), std::strerror(errno)));
  }
}

void CompoundFile::Fail(const std::string& what) const {
  GsfOutput* failed = stream_ != nullptr ? stream_ : root_ != nullptr ? GSF_OUTPUT(root_) : sink_;
  throw Error(catalog::Format(_(what.c_str()), path_.string(), Reason(failed)));
}

}  // namespace excel::xls
