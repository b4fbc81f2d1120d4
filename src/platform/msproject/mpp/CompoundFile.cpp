#include "platform/msproject/mpp/CompoundFile.h"

#include <gsf/gsf.h>

#include <mutex>
#include <string>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/PlanFormat.h"
#include "platform/msproject/TextEncoding.h"
#include "platform/msproject/mpp/Bytes.h"

namespace msproject::mpp {

namespace {

[[noreturn]] void FaultyFile(std::string strWhat) {
  throw PlanReadFailure{PlanReadFailure::Kind::Faulty, std::move(strWhat), std::nullopt,
                        std::nullopt};
}

// The title of a document's summary information, a property set stream: its header names
// where the first set of properties begins; the set lists each property's number and place.
// Property 2 is the title, a text in the set's code page (property 1) or in UTF-16. A title
// that is missing or damaged is no title: the plan is read without one.
std::string SummaryTitle(std::string_view stream) {
  constexpr std::uint32_t kCodePage = 1;
  constexpr std::uint32_t kTitle = 2;
  constexpr std::uint16_t kShort = 0x02;
  constexpr std::uint16_t kText = 0x1E;
  constexpr std::uint16_t kWideText = 0x1F;
  const std::optional<std::uint32_t> sets = U32(stream, 24);
  const std::optional<std::uint32_t> first = U32(stream, 44);
  if (U16(stream, 0) != 0xFFFE || !sets || *sets == 0 || !first) return "";
  const std::string_view set = Tail(stream, *first);
  const std::optional<std::uint32_t> count = U32(set, 4);
  if (!count) return "";
  std::uint32_t codePage = 1252;
  std::optional<std::uint32_t> title;
  for (std::size_t i = 0; i < *count && 16 + 8 * i <= set.size(); ++i) {
    const std::optional<std::uint32_t> id = U32(set, 8 + 8 * i);
    const std::optional<std::uint32_t> at = U32(set, 12 + 8 * i);
    if (!id || !at) break;
    if (*id == kCodePage && U16(set, *at) == kShort) codePage = U16(set, *at + 4).value_or(1252);
    if (*id == kTitle) title = at;
  }
  if (!title) return "";
  const std::optional<std::uint16_t> type = U16(set, *title);
  const std::optional<std::uint32_t> length = U32(set, std::size_t{*title} + 4);
  if (!type || !length) return "";
  const std::size_t start = std::size_t{*title} + 8;
  if (*type == kWideText) return Utf16Text(set, start, std::size_t{*length} * 2);
  if (*type != kText) return "";
  std::string_view text = Tail(set, start, *length);
  text = text.substr(0, text.find('\0'));
  if (codePage == 1200) return Utf16Text(text);
  const std::string strIconvName = codePage == 65001 ? "" : "CP" + std::to_string(codePage);
  try {
    return TextAsUtf8(std::string(text), strIconvName.c_str(), strIconvName);
  } catch (const TextEncodingError&) {
    return "";
  }
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
    FaultyFile(
        _("Die Datei ist beschädigt oder unvollständig: ihr Inhaltsverzeichnis lässt sich nicht "
          "lesen."));
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
    FaultyFile(
        catalog::Format(_("Die Datei ist beschädigt oder unvollständig: der Block „{}“ lässt "
                          "sich nicht ganz lesen."),
                        path));
  }
  return bytes;
}

std::string CompoundFile::Title() const {
  const std::optional<std::string> summary = Stream("\x05SummaryInformation");
  return summary ? SummaryTitle(*summary) : "";
}

}  // namespace msproject::mpp
