#include "platform/msproject/Reader.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <pugixml.hpp>
#include <system_error>

#include "platform/msproject/Display.h"
#include "platform/msproject/Fields.h"

namespace msproject {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kNamespace = "http://schemas.microsoft.com/project";
// Inserted projects inside inserted projects: deeper than any real plan goes.
constexpr std::size_t kMaxDepth = 32;

bool IsXmlBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsXmlBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A value quoted in a message: shortened, never cut inside a UTF-8 sequence.
std::string Quote(std::string_view value) {
  constexpr std::size_t kMax = 40;
  if (value.size() <= kMax) return fmt::format("„{}“", value);
  std::size_t cut = kMax;
  while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
  return fmt::format("„{}…“", value.substr(0, cut));
}

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

}  // namespace

// A problem found while reading one file, with its place in the file when known.
struct Reader::Failure {
  std::string strWhat;
  std::ptrdiff_t offset = -1;
};

// The files of one FileOpen: the projects read so far and the chain being read.
struct Reader::Session {
  std::vector<std::unique_ptr<Project>> projects;
  std::vector<fs::path> reading;
  std::vector<std::pair<fs::path, Project*>> finished;
};

// Builds one project from its parsed document.
class Reader::Builder {
 public:
  explicit Builder(Project& project) : project_(project) {}

  void Build(pugi::xml_node root) {
    pugi::xml_node tasks;
    pugi::xml_node resources;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "MinutesPerDay") {
        project_.lngMinutesPerDay_ = Int(child);
      } else if (name == "MinutesPerWeek") {
        project_.lngMinutesPerWeek_ = Int(child);
      } else if (name == "DaysPerMonth") {
        project_.lngDaysPerMonth_ = Int(child);
      } else if (name == "DurationFormat") {
        project_.lngDurationFormat_ = Int(child);
      } else if (name == "Tasks") {
        tasks = child;
      } else if (name == "Resources") {
        resources = child;
      }
    }
    settings_ = DurationSettings{project_.lngMinutesPerDay_, project_.lngMinutesPerWeek_,
                                 project_.lngDaysPerMonth_, project_.lngDurationFormat_};
    if (tasks) BuildTasks(tasks);
    if (resources) BuildResources(resources);
  }

 private:
  // A row of the task or resource table: its ID and its place in the row storage, or none
  // for a blank row.
  struct Row {
    std::int32_t id;
    std::ptrdiff_t index;
  };
  struct Link {
    std::size_t successor;  // place in the task storage
    std::int32_t predecessorUID;
  };

  static void SortRows(std::vector<Row>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.id < b.id; });
  }

  [[noreturn]] static void Fail(pugi::xml_node node, std::string strWhat) {
    throw Failure{std::move(strWhat), node.offset_debug()};
  }

  static std::int64_t Integer(pugi::xml_node node, std::int64_t min, std::int64_t max) {
    const std::string_view text = Trim(node.child_value());
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist keine gültige Zahl.", Quote(text), node.name()));
    }
    return value;
  }

  static std::int32_t Int(pugi::xml_node node) {
    return static_cast<std::int32_t>(Integer(node, INT32_MIN, INT32_MAX));
  }

  static bool Bool(pugi::xml_node node) {
    const std::string_view text = Trim(node.child_value());
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    Fail(node, fmt::format("{} im Element „{}“ ist kein gültiger Wahrheitswert (0 oder 1).",
                           Quote(text), node.name()));
  }

  static std::optional<DateTime> Date(pugi::xml_node node) {
    const std::string_view text = Trim(node.child_value());
    if (text.empty()) return std::nullopt;
    const auto value = ParseDateTime(text);
    if (!value) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist kein gültiges Datum.", Quote(text), node.name()));
    }
    return value;
  }

  static std::optional<double> Minutes(pugi::xml_node node) {
    const std::string_view text = Trim(node.child_value());
    if (text.empty()) return std::nullopt;
    const auto value = ParseDurationMinutes(text);
    if (!value) {
      Fail(node,
           fmt::format("{} im Element „{}“ ist keine gültige Dauer.", Quote(text), node.name()));
    }
    return value;
  }

  void ReadExtendedAttribute(pugi::xml_node node, Task& task) const {
    std::optional<std::int32_t> fieldId;
    pugi::xml_node value;
    std::int32_t format = 21;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "FieldID") {
        fieldId = Int(child);
      } else if (name == "Value") {
        value = child;
      } else if (name == "DurationFormat") {
        format = Int(child);
      }
    }
    if (!fieldId || !value) return;
    if (IsCustomTextField(*fieldId)) {
      task.extendedAttributes_.emplace_back(*fieldId, value.child_value());
    } else if (IsCustomDurationField(*fieldId)) {
      if (const auto minutes = Minutes(value)) {
        task.extendedAttributes_.emplace_back(*fieldId, DurationText(*minutes, format, settings_));
      }
    }
  }

  static void ReadLink(pugi::xml_node node, std::size_t successor, std::vector<Link>& links) {
    std::optional<std::int32_t> uid;
    bool blnCrossProject = false;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
      const std::string_view name = child.name();
      if (name == "PredecessorUID") {
        uid = Int(child);
      } else if (name == "CrossProject") {
        blnCrossProject = Bool(child);
      }
    }
    // A link into another plan names a task of that plan, not of this one.
    if (uid && !blnCrossProject) links.push_back(Link{successor, *uid});
  }

  void BuildTasks(pugi::xml_node parent) {
    std::vector<Row> rows;
    std::vector<Link> links;
    std::deque<Task>& storage = project_.taskRows_;
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
      if (std::string_view(node.name()) != "Task") continue;
      Task task;
      task.project_ = &project_;
      bool blnHasId = false;
      bool blnNull = false;
      bool blnIsSubproject = false;
      bool blnEstimated = false;
      std::int32_t format = 21;
      std::optional<double> minutes;
      const std::size_t firstLink = links.size();
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = child.name();
        if (name == "UID") {
          task.lngUniqueID_ = Int(child);
        } else if (name == "ID") {
          task.lngID_ = static_cast<std::int32_t>(Integer(child, 0, INT32_MAX));
          blnHasId = true;
        } else if (name == "Name") {
          task.strName_ = child.child_value();
        } else if (name == "WBS") {
          task.strWBS_ = child.child_value();
        } else if (name == "OutlineLevel") {
          task.lngOutlineLevel_ = Int(child);
        } else if (name == "IsNull") {
          blnNull = Bool(child);
        } else if (name == "Summary") {
          task.blnSummary_ = Bool(child);
        } else if (name == "Milestone") {
          task.blnMilestone_ = Bool(child);
        } else if (name == "Start") {
          task.start_ = Date(child);
        } else if (name == "Finish") {
          task.finish_ = Date(child);
        } else if (name == "Duration") {
          minutes = Minutes(child);
        } else if (name == "DurationFormat") {
          format = Int(child);
        } else if (name == "Estimated") {
          blnEstimated = Bool(child);
        } else if (name == "IsSubproject") {
          blnIsSubproject = Bool(child);
        } else if (name == "SubprojectName") {
          task.strSubproject_ = child.child_value();
        } else if (name == "PredecessorLink") {
          ReadLink(child, storage.size(), links);
        } else if (name == "ExtendedAttribute") {
          ReadExtendedAttribute(child, task);
        }
      }
      if (!blnHasId) Fail(node, "Beim Vorgang fehlt das Element „ID“.");
      if (!blnIsSubproject) task.strSubproject_.clear();
      task.blnEstimated_ = blnEstimated || IsEstimatedFormat(format);
      if (minutes) {
        task.lngDurationMinutes_ = std::llround(*minutes);
        task.strDurationText_ = DurationText(*minutes, format, settings_, task.blnEstimated_);
      }
      if (task.lngID_ == 0 || blnNull) {
        // Neither the project summary task (ID 0) nor a blank row has links of its own.
        links.resize(firstLink);
        if (task.lngID_ != 0) rows.push_back(Row{task.lngID_, -1});
        continue;
      }
      rows.push_back(Row{task.lngID_, static_cast<std::ptrdiff_t>(storage.size())});
      storage.push_back(std::move(task));
    }

    SortRows(rows);
    project_.tasks_.Reserve(rows.size());
    for (const Row& row : rows) {
      Task* task = row.index < 0 ? nullptr : &storage[static_cast<std::size_t>(row.index)];
      project_.tasks_.Append(task);
      if (task && !task->strSubproject_.empty()) {
        Subproject subproject;
        subproject.task_ = task;
        project_.subprojects_.push_back(subproject);
      }
    }
    ResolveLinks(rows, links);
  }

  // Predecessors in the order of the links in the file, successors in table order.
  void ResolveLinks(const std::vector<Row>& rows, std::vector<Link>& links) {
    if (links.empty()) return;
    std::deque<Task>& storage = project_.taskRows_;
    std::vector<std::size_t> tablePosition(storage.size());
    std::vector<std::pair<std::int32_t, std::size_t>> byUID;  // unique ID, place in storage
    byUID.reserve(storage.size());
    for (std::size_t position = 0; position < rows.size(); ++position) {
      if (rows[position].index < 0) continue;
      const auto index = static_cast<std::size_t>(rows[position].index);
      tablePosition[index] = position;
      byUID.emplace_back(storage[index].lngUniqueID_, index);
    }
    // The first task in table order wins when a unique ID is not unique.
    std::stable_sort(byUID.begin(), byUID.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::stable_sort(links.begin(), links.end(), [&](const Link& a, const Link& b) {
      return tablePosition[a.successor] < tablePosition[b.successor];
    });
    for (const Link& link : links) {
      const auto found =
          std::lower_bound(byUID.begin(), byUID.end(), link.predecessorUID,
                           [](const auto& entry, std::int32_t uid) { return entry.first < uid; });
      if (found == byUID.end() || found->first != link.predecessorUID) continue;
      if (found->second == link.successor) continue;
      Task& successor = storage[link.successor];
      Task& predecessor = storage[found->second];
      successor.predecessors_.Append(&predecessor);
      predecessor.successors_.Append(&successor);
    }
  }

  void BuildResources(pugi::xml_node parent) {
    std::vector<Row> rows;
    std::deque<Resource>& storage = project_.resourceRows_;
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling()) {
      if (std::string_view(node.name()) != "Resource") continue;
      Resource resource;
      bool blnHasId = false;
      bool blnNull = false;
      for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        const std::string_view name = child.name();
        if (name == "UID") {
          resource.lngUniqueID_ = Int(child);
        } else if (name == "ID") {
          resource.lngID_ = static_cast<std::int32_t>(Integer(child, 0, INT32_MAX));
          blnHasId = true;
        } else if (name == "Name") {
          resource.strName_ = child.child_value();
        } else if (name == "Group") {
          resource.strGroup_ = child.child_value();
        } else if (name == "IsNull") {
          blnNull = Bool(child);
        }
      }
      if (!blnHasId) Fail(node, "Bei der Ressource fehlt das Element „ID“.");
      if (resource.lngID_ == 0) continue;  // the host's own placeholder, not a row
      if (blnNull) {
        rows.push_back(Row{resource.lngID_, -1});
        continue;
      }
      rows.push_back(Row{resource.lngID_, static_cast<std::ptrdiff_t>(storage.size())});
      storage.push_back(std::move(resource));
    }
    SortRows(rows);
    project_.resources_.Reserve(rows.size());
    for (const Row& row : rows) {
      project_.resources_.Append(row.index < 0 ? nullptr
                                               : &storage[static_cast<std::size_t>(row.index)]);
    }
  }

  Project& project_;
  DurationSettings settings_;
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

std::unique_ptr<Project> Reader::Parse(std::string buffer, std::string_view original,
                                       const fs::path& path) {
  const std::string strName = path.filename().empty() ? path.string() : path.filename().string();
  bool blnLines = true;
  try {
    if (Trim(buffer).empty()) throw Failure{"Die Datei ist leer."};
    pugi::xml_document document;
    // parse_default reads no document type definition and expands only the predefined
    // entities and character references. The text of an element is kept in the element
    // itself, which halves the nodes of a plan; the document lives in the buffer itself.
    const pugi::xml_parse_result result = document.load_buffer_inplace(
        buffer.data(), buffer.size(), pugi::parse_default | pugi::parse_embed_pcdata,
        pugi::encoding_auto);
    blnLines = result.encoding == pugi::encoding_utf8;
    if (!result) {
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
    Builder(*project).Build(root);
    return project;
  } catch (const Failure& failure) {
    std::string strWhere;
    if (blnLines && failure.offset >= 0) {
      // Parsing changed the buffer; the line is counted in the text as it was.
      std::string reread;
      if (original.empty()) {
        try {
          reread = ReadBytes(path);
        } catch (const Error&) {
        }
        original = reread;
      }
      if (!original.empty()) {
        const std::size_t end = std::min(static_cast<std::size_t>(failure.offset), original.size());
        const auto line = std::count(original.begin(), original.begin() + end, '\n') + 1;
        strWhere = fmt::format("Zeile {}: ", line);
      }
    }
    throw Error(kErrFileOpen, fmt::format("Die Projektdatei „{}“ konnte nicht gelesen werden: {}{}",
                                          strName, strWhere, failure.strWhat));
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

Project* Reader::Load(Session& session, std::string buffer, std::string_view original,
                      const fs::path& path) {
  // The buffer and the document are gone before the inserted projects are read.
  std::unique_ptr<Project> project = Parse(std::move(buffer), original, path);
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
        subproject.source_ = Load(session, ReadBytes(candidate), {}, candidate);
        break;
      } catch (const Error&) {
        // Not readable: try the next place.
      }
    }
  }
}

std::vector<std::unique_ptr<Project>> Reader::Read(std::string buffer, std::string_view original,
                                                   const fs::path& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  if (ec) absolute = path;
  Session session;
  Project* plan = Load(session, std::move(buffer), original, absolute);
  // The plan itself first.
  const auto it = std::find_if(session.projects.begin(), session.projects.end(),
                               [&](const auto& p) { return p.get() == plan; });
  std::rotate(session.projects.begin(), it, it + 1);
  return std::move(session.projects);
}

std::vector<std::unique_ptr<Project>> Reader::ReadBuffer(std::string_view bytes,
                                                         const fs::path& path) {
  return Read(std::string(bytes), bytes, path);
}

std::vector<std::unique_ptr<Project>> Reader::ReadFile(const fs::path& path) {
  return Read(ReadBytes(path), {}, path);
}

}  // namespace msproject
