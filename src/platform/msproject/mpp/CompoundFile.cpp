#include "platform/msproject/mpp/CompoundFile.h"

#include <gsf/gsf.h>

#include <mutex>

#include "platform/msproject/PlanFormat.h"

namespace msproject::mpp {

namespace {

[[noreturn]] void Damaged(std::string strWhat) {
  throw PlanReadFailure{PlanReadFailure::Kind::Faulty, std::move(strWhat), std::nullopt,
                        std::nullopt};
}

// While a file is read, libgsf's complaints about a damaged container (on stderr) are dropped:
// the user is told by the message of the refusal instead. Other messages pass as before.
thread_local int t_reading = 0;

void Log(const gchar* strDomain, GLogLevelFlags level, const gchar* strMessage, gpointer data) {
  if (t_reading == 0) g_log_default_handler(strDomain, level, strMessage, data);
}

struct Quiet {
  Quiet() { ++t_reading; }
  ~Quiet() { --t_reading; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;
};

// Drops a reference of libgsf however the scope ends.
template <class T>
struct Unref {
  T* object;
  ~Unref() {
    if (object != nullptr) g_object_unref(object);
  }
};

}  // namespace

CompoundFile::CompoundFile(std::string_view bytes) {
  static std::once_flag initialised;
  std::call_once(initialised, [] {
    gsf_init();
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK & ~G_LOG_LEVEL_ERROR);
    for (const char* strDomain : {"libgsf", "libgsf:msole", static_cast<const char*>(nullptr)}) {
      g_log_set_handler(strDomain, levels, Log, nullptr);
    }
  });
  const Quiet quiet;
  input_ = gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                static_cast<gsf_off_t>(bytes.size()), FALSE);
  GError* error = nullptr;
  root_ = input_ != nullptr ? gsf_infile_msole_new(input_, &error) : nullptr;
  if (error != nullptr) g_error_free(error);
  if (root_ == nullptr) {
    if (input_ != nullptr) g_object_unref(input_);
    input_ = nullptr;
    Damaged(
        "Die Datei ist beschädigt oder unvollständig: ihr Inhaltsverzeichnis lässt sich nicht "
        "lesen.");
  }
}

CompoundFile::~CompoundFile() {
  if (root_ != nullptr) g_object_unref(root_);
  if (input_ != nullptr) g_object_unref(input_);
}

std::optional<std::string> CompoundFile::Stream(std::string_view path) const {
  const Quiet quiet;
  GsfInfile* folder = root_;
  Unref<GsfInput> child{nullptr};
  std::size_t at = 0;
  while (true) {
    const std::size_t slash = path.find('/', at);
    const std::string strName(
        path.substr(at, slash == std::string_view::npos ? slash : slash - at));
    GsfInput* next = gsf_infile_child_by_name(folder, strName.c_str());
    if (next == nullptr) return std::nullopt;
    // The folder just left is released once the next part is found.
    Unref<GsfInput> previous{child.object};
    child.object = next;
    if (slash == std::string_view::npos) break;
    if (!GSF_IS_INFILE(next) || gsf_infile_num_children(GSF_INFILE(next)) < 0) return std::nullopt;
    folder = GSF_INFILE(next);
    at = slash + 1;
  }
  if (GSF_IS_INFILE(child.object) && gsf_infile_num_children(GSF_INFILE(child.object)) >= 0) {
    return std::nullopt;  // a folder, not a stream
  }
  const gsf_off_t size = gsf_input_size(child.object);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (!bytes.empty() && gsf_input_read(child.object, bytes.size(),
                                       reinterpret_cast<guint8*>(bytes.data())) == nullptr) {
    Damaged("Die Datei ist beschädigt oder unvollständig: der Block „" + std::string(path) +
            "“ lässt sich nicht ganz lesen.");
  }
  return bytes;
}

std::string CompoundFile::Title() const {
  const Quiet quiet;
  Unref<GsfInput> summary{gsf_infile_child_by_name(root_, "\x05SummaryInformation")};
  if (summary.object == nullptr) return "";
  Unref<GsfDocMetaData> meta{gsf_doc_meta_data_new()};
  if (GError* error = gsf_doc_meta_data_read_from_msole(meta.object, summary.object)) {
    g_error_free(error);
    return "";
  }
  GsfDocProp* title = gsf_doc_meta_data_lookup(meta.object, GSF_META_NAME_TITLE);
  if (title == nullptr) return "";
  const GValue* value = gsf_doc_prop_get_val(title);
  if (value == nullptr || !G_VALUE_HOLDS_STRING(value)) return "";
  const char* strTitle = g_value_get_string(value);
  return strTitle != nullptr ? strTitle : "";
}

}  // namespace msproject::mpp
