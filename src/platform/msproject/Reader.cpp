#include "platform/msproject/Reader.h"

#include <fmt/format.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <optional>
#include <pugixml.hpp>
#include <system_error>

#include "platform/msproject/ReaderDetail.h"
#include "platform/msproject/TextEncoding.h"

namespace msproject {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNamespace = "http://schemas.microsoft.com/project";
// Inserted projects inside inserted projects: deeper than any real plan goes.
constexpr std::size_t kMaxDepth = 32;

std::string XmlProblem(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory:
      return "Nicht genügend Arbeitsspeicher.";
    case pugi::status_unrecognized_tag:
      return "Die Datei ist kein gültiges XML: unbekannte Markierung.";
    case pugi::status_bad_pi:
      return "Die Datei ist kein gültiges XML: fehlerhafte Verarbeitungsanweisung.";
    case pugi::status_bad_comment:
      return "Die Datei ist kein gültiges XML: fehlerhafter Kommentar.";
    case pugi::status_bad_cdata:
      return "Die Datei ist kein gültiges XML: fehlerhafter CDATA-Abschnitt.";
    case pugi::status_bad_doctype:
      return "Die Datei ist kein gültiges XML: fehlerhafte Dokumenttypdeklaration.";
    case pugi::status_bad_pcdata:
      return "Die Datei ist kein gültiges XML: fehlerhafter Text.";
    case pugi::status_bad_start_element:
      return "Die Datei ist kein gültiges XML: fehlerhaftes Start-Tag.";
    case pugi::status_bad_attribute:
      return "Die Datei ist kein gültiges XML: fehlerhaftes Attribut.";
    case pugi::status_bad_end_element:
      return "Die Datei ist kein gültiges XML: fehlerhaftes End-Tag.";
    case pugi::status_end_element_mismatch:
      return "Die Datei ist kein gültiges XML: das End-Tag passt nicht zum Start-Tag.";
    case pugi::status_no_document_element:
      return "Die Datei ist kein XML-Dokument.";
    default:
      return "Die Datei ist kein gültiges XML.";
  }
}

// Where the lines of a text end, one bit per byte.
class LineEnds {
 public:
  explicit LineEnds(std::string_view text) : bits_(text.size() / 64 + 1, 0) {
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
      bits_[at / 64] |= std::uint64_t{1} << (at % 64);
    }
  }

  // The line, counted from 1, of the byte at the offset.
  std::int64_t LineOf(std::size_t offset) const {
    offset = std::min(offset, bits_.size() * 64 - 1);
    std::int64_t lngEnds = 0;
    for (std::size_t i = 0; i < offset / 64; ++i) lngEnds += std::popcount(bits_[i]);
    const std::uint64_t lngBefore = (std::uint64_t{1} << (offset % 64)) - 1;
    return lngEnds + std::popcount(bits_[offset / 64] & lngBefore) + 1;
  }

 private:
  std::vector<std::uint64_t> bits_;
};

}  // namespace

// The files of one FileOpen: the projects read so far and the chain being read.
struct Reader::Session {
  std::vector<std::unique_ptr<Project>> projects;
  std::vector<fs::path> reading;
  std::vector<std::pair<fs::path, Project*>> finished;
};

std::string Reader::ReadBytes(const fs::path& path) {
  const std::string strName = path.filename().empty() ? path.string() : path.filename().string();
  const auto fail = [&](std::string_view what) {
    return Error(kErrFileOpen, fmt::format("Die Projektdatei „{}“ konnte nicht gelesen werden: {}",
                                           strName, what));
  };
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) throw fail("Die Datei wurde nicht gefunden.");
  if (!fs::is_regular_file(status)) throw fail("Das ist keine Datei.");
  std::ifstream stream(path, std::ios::binary | std::ios::ate);
  if (!stream) throw fail("Die Datei lässt sich nicht öffnen.");
  const std::streamoff size = stream.tellg();
  if (size < 0) throw fail("Die Datei lässt sich nicht lesen.");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.seekg(0);
  if (!stream.read(bytes.data(), size) || stream.gcount() != size) {
    throw fail("Die Datei lässt sich nicht lesen.");
  }
  return bytes;
}

std::unique_ptr<Project> Reader::Parse(std::string buffer, const fs::path& path) {
  const std::string strName = path.filename().empty() ? path.string() : path.filename().string();
  const auto fail = [&](std::optional<std::int64_t> lngLine, std::string_view what) {
    return Error(kErrFileOpen,
                 fmt::format("Die Projektdatei „{}“ konnte nicht gelesen werden: {}{}", strName,
                             lngLine ? fmt::format("Zeile {}: ", *lngLine) : "", what));
  };
  std::optional<LineEnds> lines;
  try {
    buffer = PlanTextAsUtf8(std::move(buffer));
    if (TrimBlanks(buffer).empty()) throw Failure{"Die Datei ist leer."};
    // Parsing changes the buffer; the line of a failure is counted where the lines ended before.
    lines.emplace(buffer);
    // A plan that begins but does not end with its project element was cut off.
    const std::size_t lngContentEnd = buffer.find_last_not_of(" \t\r\n") + 1;
    const bool blnCut = buffer.find("<Project") != std::string::npos &&
                        !std::string_view(buffer.data(), lngContentEnd).ends_with("</Project>");
    pugi::xml_document document;
    // parse_default reads no document type definition and expands only the predefined
    // entities and character references. The text of an element is kept in the element
    // itself, which halves the nodes of a plan; the document lives in the buffer itself.
    const pugi::xml_parse_result result = document.load_buffer_inplace(
        buffer.data(), buffer.size(), pugi::parse_default | pugi::parse_embed_pcdata,
        pugi::encoding_utf8);
    if (!result) {
      // A file cut off (by a full disk, a download broken off) fails where it ends, with an
      // element still open: said so, not as a fault of the XML.
      if (result.status != pugi::status_no_document_element && blnCut) {
        throw Failure{"Die Datei endet vorzeitig; sie ist unvollständig (abgeschnitten).",
                      static_cast<std::ptrdiff_t>(lngContentEnd)};
      }
      // Without any element the place of the failure is merely the end of the file.
      throw Failure{XmlProblem(result.status),
                    result.status == pugi::status_no_document_element ? -1 : result.offset};
    }

    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "Project" ||
        std::string_view(root.attribute("xmlns").value()) != kNamespace) {
      throw Failure{"Die Datei ist kein Projektplan im Format Microsoft Project XML.",
                    root.offset_debug()};
    }
    auto project = std::make_unique<Project>();
    project->strName_ = strName;
    project->strPath_ = path.parent_path().string();
    BuildProject(*project, root);
    return project;
  } catch (const TextEncodingError& error) {
    throw fail(error.Line(), error.what());
  } catch (const Failure& failure) {
    std::optional<std::int64_t> lngLine;
    if (lines && failure.offset >= 0) {
      lngLine = lines->LineOf(static_cast<std::size_t>(failure.offset));
    }
    throw fail(lngLine, failure.strWhat);
  }
}

namespace {

// The identity of a file, so that one file met twice is recognised.
fs::path FileKey(const fs::path& path) {
  std::error_code ec;
  fs::path key = fs::weakly_canonical(fs::absolute(path, ec), ec);
  if (ec) key = fs::absolute(path, ec).lexically_normal();
  return key;
}

// Where an inserted project may lie: the stored path (relative to the inserting plan's folder
// when it is relative), then a file of the same base name with the extension .xml beside the
// inserting plan. The stored path is usually a Windows path ("C:\Pläne\Teil.mpp").
std::vector<fs::path> Candidates(const std::string& strStored, const fs::path& folder) {
  std::vector<fs::path> candidates;
  candidates.push_back(folder / fs::path(strStored));
  std::string strBase = strStored;
  if (const auto slash = strBase.find_last_of("\\/"); slash != std::string::npos) {
    strBase.erase(0, slash + 1);
  }
  if (const auto dot = strBase.find_last_of('.'); dot != std::string::npos && dot > 0) {
    strBase.erase(dot);
  }
  if (!strBase.empty()) {
    fs::path beside = folder / fs::path(strBase + ".xml");
    if (beside != candidates.front()) candidates.push_back(std::move(beside));
  }
  return candidates;
}

}  // namespace

Project* Reader::Load(Session& session, std::string buffer, const fs::path& path) {
  // The buffer and the document are gone before the inserted projects are read.
  std::unique_ptr<Project> project = Parse(std::move(buffer), path);
  Project* loaded = project.get();
  fs::path key = FileKey(path);
  session.reading.push_back(key);
  ResolveSubprojects(session, *loaded, path.parent_path());
  session.reading.pop_back();
  session.projects.push_back(std::move(project));
  session.finished.emplace_back(std::move(key), loaded);
  return loaded;
}

void Reader::ResolveSubprojects(Session& session, Project& project, const fs::path& folder) {
  for (Subproject& subproject : project.subprojects_) {
    for (const fs::path& candidate : Candidates(subproject.task_->strSubproject_, folder)) {
      std::error_code ec;
      if (!fs::is_regular_file(candidate, ec)) continue;
      const fs::path key = FileKey(candidate);
      // A project that is being read already would insert itself without end.
      if (std::find(session.reading.begin(), session.reading.end(), key) != session.reading.end() ||
          session.reading.size() >= kMaxDepth) {
        break;
      }
      const auto done = std::find_if(session.finished.begin(), session.finished.end(),
                                     [&](const auto& entry) { return entry.first == key; });
      if (done != session.finished.end()) {
        subproject.source_ = done->second;
        break;
      }
      try {
        subproject.source_ = Load(session, ReadBytes(candidate), candidate);
        break;
      } catch (const Error&) {
        // Not readable: try the next place.
      }
    }
  }
}

std::vector<std::unique_ptr<Project>> Reader::Read(std::string buffer, const fs::path& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  if (ec) absolute = path;
  Session session;
  Project* plan = Load(session, std::move(buffer), absolute);
  // The plan itself first.
  const auto it = std::find_if(session.projects.begin(), session.projects.end(),
                               [&](const auto& p) { return p.get() == plan; });
  std::rotate(session.projects.begin(), it, it + 1);
  return std::move(session.projects);
}

std::vector<std::unique_ptr<Project>> Reader::ReadBuffer(std::string_view bytes,
                                                         const fs::path& path) {
  return Read(std::string(bytes), path);
}

std::vector<std::unique_ptr<Project>> Reader::ReadFile(const fs::path& path) {
  return Read(ReadBytes(path), path);
}

}  // namespace msproject
