#include "platform/msproject/Reader.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/PlanFormat.h"

namespace msproject {

namespace fs = std::filesystem;

namespace {

// Inserted projects inside inserted projects: deeper than any real plan goes.
constexpr std::size_t kMaxDepth = 32;
// The formats tell themselves apart by the first bytes of a file.
constexpr std::size_t kHeadSize = 4096;

std::string FileName(const fs::path& path) {
  return path.filename().empty() ? path.string() : path.filename().string();
}

// A file that could not be read at all, before any format had a look at it.
struct FileProblem {
  UnreadSubproject::Reason reason;
  std::string strWhat;
};

std::string ReadBytes(const fs::path& path) {
  using Reason = UnreadSubproject::Reason;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status))
    throw FileProblem{Reason::NotFound, _("Die Datei wurde nicht gefunden.")};
  if (!fs::is_regular_file(status))
    throw FileProblem{Reason::NotReadable, _("Das ist keine Datei.")};
  std::ifstream stream(path, std::ios::binary | std::ios::ate);
  if (!stream) throw FileProblem{Reason::NotReadable, _("Die Datei lässt sich nicht öffnen.")};
  const std::streamoff size = stream.tellg();
  if (size < 0) throw FileProblem{Reason::NotReadable, _("Die Datei lässt sich nicht lesen.")};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.seekg(0);
  if (!stream.read(bytes.data(), size) || stream.gcount() != size) {
    throw FileProblem{Reason::NotReadable, _("Die Datei lässt sich nicht lesen.")};
  }
  return bytes;
}

std::string CannotRead(const std::string& strName, std::string_view what) {
  return catalog::Format(_("Die Projektdatei „{}“ konnte nicht gelesen werden: {}"), strName, what);
}

// What a format reported, with its place: "Zeile 12: …", or a refusal's own sentence.
std::string Detail(const PlanReadFailure& failure) {
  if (failure.kind == PlanReadFailure::Kind::Refused) return failure.strWhat;
  if (failure.lngLine && failure.lngColumn) {
    return catalog::Format(_("Zeile {}, Spalte {}: {}"), *failure.lngLine, *failure.lngColumn,
                           failure.strWhat);
  }
  if (failure.lngLine) return catalog::Format(_("Zeile {}: {}"), *failure.lngLine, failure.strWhat);
  return failure.strWhat;
}

// The user's message of a failure a format reported.
std::string Message(const std::string& strName, const PlanReadFailure& failure) {
  if (failure.kind == PlanReadFailure::Kind::Refused) return failure.strWhat;
  return CannotRead(strName, Detail(failure));
}

// Reads one file's bytes into a project of its own; throws PlanReadFailure.
std::unique_ptr<Project> Parse(std::string bytes, const fs::path& path) {
  auto project = std::make_unique<Project>();
  PlanBuilder builder(*project, FileName(path), path.parent_path().string());
  const PlanFormat& format =
      FormatOf(std::string_view(bytes).substr(0, std::min(bytes.size(), kHeadSize)));
  format.Read(std::move(bytes), builder);
  builder.Finish();
  return project;
}

// The identity of a file, so that one file met twice is recognised.
fs::path FileKey(const fs::path& path) {
  std::error_code ec;
  fs::path key = fs::weakly_canonical(fs::absolute(path, ec), ec);
  if (ec) key = fs::absolute(path, ec).lexically_normal();
  return key;
}

// A stored path that names a place on another machine ("C:\Pläne\Teil.mpp", "\\Server\…").
bool IsWindowsAbsolute(const std::string& strPath) {
  return (strPath.size() >= 3 && std::isalpha(static_cast<unsigned char>(strPath[0])) &&
          strPath[1] == ':' && (strPath[2] == '\\' || strPath[2] == '/')) ||
         strPath.starts_with("\\\\");
}

// Where an inserted project may lie: the stored path (relative to the inserting plan's folder
// when it is relative), then a file of the same name beside the inserting plan, then one of
// the same base name with the extension .xml (as the plan saved as XML). The stored path is
// usually a Windows path ("C:\Pläne\Teil.mpp"). The first place is where the project is said
// to be missing.
std::vector<fs::path> Candidates(const std::string& strStored, const fs::path& folder) {
  std::vector<fs::path> candidates;
  const auto add = [&](fs::path path) {
    if (std::find(candidates.begin(), candidates.end(), path) == candidates.end()) {
      candidates.push_back(std::move(path));
    }
  };
  std::string strFile = strStored;
  if (const auto slash = strFile.find_last_of("\\/"); slash != std::string::npos) {
    strFile.erase(0, slash + 1);
  }
  std::string strBase = strFile;
  if (const auto dot = strBase.find_last_of('.'); dot != std::string::npos && dot > 0) {
    strBase.erase(dot);
  }
  if (!IsWindowsAbsolute(strStored)) add(folder / fs::path(strStored));
  if (!strFile.empty()) add(folder / fs::path(strFile));
  if (!strBase.empty()) add(folder / fs::path(strBase + ".xml"));
  if (IsWindowsAbsolute(strStored)) add(folder / fs::path(strStored));
  return candidates;
}

// The files of one FileOpen: the projects read so far, the chain being read and the inserted
// projects that could not be read.
struct Session {
  std::vector<std::unique_ptr<Project>> projects;
  std::vector<fs::path> reading;
  std::vector<std::pair<fs::path, Project*>> finished;
  std::vector<UnreadSubproject> unread;

  Project* Load(std::string bytes, const fs::path& path);
  void ResolveSubprojects(Project& project, const fs::path& folder);
};

Project* Session::Load(std::string bytes, const fs::path& path) {
  // The bytes and everything parsed of them are gone before the inserted projects are read.
  std::unique_ptr<Project> project = Parse(std::move(bytes), path);
  Project* loaded = project.get();
  fs::path key = FileKey(path);
  reading.push_back(key);
  ResolveSubprojects(*loaded, path.parent_path());
  reading.pop_back();
  projects.push_back(std::move(project));
  finished.emplace_back(std::move(key), loaded);
  return loaded;
}

void Session::ResolveSubprojects(Project& project, const fs::path& folder) {
  using Reason = UnreadSubproject::Reason;
  for (Subproject& subproject : PlanBuilder::Subprojects(project)) {
    const Task& task = subproject.InsertedProjectSummary();
    const std::vector<fs::path> candidates = Candidates(task.Subproject(), folder);
    std::optional<UnreadSubproject> failed;
    bool blnDone = false;
    for (const fs::path& candidate : candidates) {
      std::error_code ec;
      if (!fs::exists(candidate, ec)) continue;
      const fs::path key = FileKey(candidate);
      // A project that is being read already would insert itself without end.
      if (std::find(reading.begin(), reading.end(), key) != reading.end() ||
          reading.size() >= kMaxDepth) {
        blnDone = true;
        break;
      }
      const auto done = std::find_if(finished.begin(), finished.end(),
                                     [&](const auto& entry) { return entry.first == key; });
      if (done != finished.end()) {
        PlanBuilder::SetSource(subproject, *done->second);
        blnDone = true;
        break;
      }
      UnreadSubproject problem;
      problem.strPath = candidate.string();
      try {
        PlanBuilder::SetSource(subproject, *Load(ReadBytes(candidate), candidate));
        blnDone = true;
        break;
      } catch (const FileProblem& file) {
        problem.reason = file.reason;
        problem.strProblem = file.strWhat;
      } catch (const PlanReadFailure& failure) {
        problem.reason =
            failure.kind == PlanReadFailure::Kind::NotAPlan ? Reason::NotAPlan : Reason::Faulty;
        problem.strProblem = Detail(failure);
      }
      // Not readable: the next place may hold the plan; the first failure is what is said.
      if (!failed) failed = std::move(problem);
    }
    if (blnDone) continue;
    if (!failed) {
      failed.emplace();
      failed->reason = Reason::NotFound;
      failed->strPath = candidates.empty() ? task.Subproject() : candidates.front().string();
      failed->strProblem = _("Die Datei wurde nicht gefunden.");
    }
    failed->strStoredPath = task.Subproject();
    failed->strProject = project.Name();
    failed->lngTaskID = task.ID();
    failed->strTaskName = task.Name();
    unread.push_back(std::move(*failed));
  }
}

std::vector<std::unique_ptr<Project>> Read(std::string bytes, const fs::path& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  if (ec) absolute = path;
  Session session;
  Project* plan = nullptr;
  try {
    plan = session.Load(std::move(bytes), absolute);
  } catch (const PlanReadFailure& failure) {
    throw Error(kErrFileOpen, Message(FileName(path), failure));
  }
  PlanBuilder::RecordUnread(*plan, std::move(session.unread));
  for (const auto& project : session.projects) {
    if (project.get() != plan) PlanBuilder::MarkInserted(*project);
  }
  // The plan itself first.
  const auto it = std::find_if(session.projects.begin(), session.projects.end(),
                               [&](const auto& p) { return p.get() == plan; });
  std::rotate(session.projects.begin(), it, it + 1);
  return std::move(session.projects);
}

}  // namespace

std::vector<std::unique_ptr<Project>> Reader::ReadBuffer(std::string_view bytes,
                                                         const fs::path& path) {
  return Read(std::string(bytes), path);
}

std::vector<std::unique_ptr<Project>> Reader::ReadFile(const fs::path& path) {
  std::string bytes;
  try {
    bytes = ReadBytes(path);
  } catch (const FileProblem& problem) {
    throw Error(kErrFileOpen, CannotRead(FileName(path), problem.strWhat));
  }
  return Read(std::move(bytes), path);
}

}  // namespace msproject
