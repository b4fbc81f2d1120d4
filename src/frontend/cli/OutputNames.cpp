#include "cli/OutputNames.h"

#include <fmt/format.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "cli/CommandLine.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"

namespace cli {

namespace {

namespace fs = std::filesystem;

// A file as the system finds it: its full name with links and "." and ".." resolved, and, when
// it exists, its device and inode (so that a hard link is the same file too).
struct FileIdentity {
  fs::path canonical;
  std::optional<std::pair<dev_t, ino_t>> id;

  explicit FileIdentity(const std::string& strPath) {
    std::error_code ec;
    canonical = fs::weakly_canonical(fs::absolute(strPath, ec), ec);
    if (ec) canonical = fs::absolute(strPath, ec).lexically_normal();
    struct stat info {};
    if (::stat(strPath.c_str(), &info) == 0) id = std::make_pair(info.st_dev, info.st_ino);
  }

  bool SameFileAs(const FileIdentity& other) const {
    if (id && other.id) return *id == *other.id;
    return canonical == other.canonical;
  }
};

std::string LowerCase(std::string strText) {
  for (char& c : strText) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strText;
}

struct Output {
  std::string strOption;  // "-o", "--pdf", …
  std::string strPath;
};

// Each picture holds the format its option names: the name must end so.
std::string CheckPictureExtension(const Output& output) {
  const std::string strExtension = "." + output.strOption.substr(2);
  if (output.strPath.empty()) {
    return catalog::Format(_("{}: Es fehlt der Dateiname (zum Beispiel „Diagramm{}“)."),
                           output.strOption, strExtension);
  }
  if (LowerCase(fs::path(output.strPath).extension().string()) == strExtension) return "";
  std::string strFormat = output.strOption.substr(2);
  for (char& c : strFormat) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const fs::path path(output.strPath);
  return catalog::Format(
      _("{}: „{}“ endet nicht auf „{}“; {} schreibt eine {}-Datei (zum Beispiel „{}“)."),
      output.strOption, output.strPath, strExtension, output.strOption, strFormat,
      (path.parent_path() / (path.stem().string() + strExtension)).string());
}

std::string CheckSingleRun(const CommandLine& options) {
  std::vector<Output> colOutputs;
  if (options.wizard.strOutput) colOutputs.push_back({"-o", *options.wizard.strOutput});
  for (const auto& [strOption, strPath] : options.pictures.Named()) {
    colOutputs.push_back({strOption, strPath});
    if (std::string strProblem = CheckPictureExtension(colOutputs.back()); !strProblem.empty()) {
      return strProblem;
    }
  }
  std::vector<FileIdentity> colFiles;
  for (const Output& output : colOutputs) colFiles.emplace_back(output.strPath);
  for (std::size_t i = 0; i < colOutputs.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!colFiles[i].SameFileAs(colFiles[j])) continue;
      return catalog::Format(
          _("{} „{}“ und {} „{}“ nennen dieselbe Datei; jede Ausgabe braucht einen eigenen "
            "Namen."),
          colOutputs[j].strOption, colOutputs[j].strPath, colOutputs[i].strOption,
          colOutputs[i].strPath);
    }
  }
  return "";
}

// Every chart of a batch is a file of its own and none of them a plan of the batch.
std::string CheckBatch(const CommandLine& options) {
  std::vector<FileIdentity> colPlans;
  std::vector<std::string> colCharts;
  std::vector<FileIdentity> colChartFiles;
  for (const std::string& strPlan : options.colPlans) {
    colPlans.emplace_back(strPlan);
    colCharts.push_back(ChartPathFor(options, strPlan));
    colChartFiles.emplace_back(colCharts.back());
  }
  for (std::size_t i = 0; i < colCharts.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (!colChartFiles[i].SameFileAs(colChartFiles[j])) continue;
      return catalog::Format(
          _("Die Pläne „{}“ und „{}“ ergäben dasselbe Diagramm „{}“; eines ginge verloren. Es "
            "wurde nichts geschrieben. Bitte jeden Plan nur einmal nennen und Pläne gleichen "
            "Namens in getrennten Aufrufen oder Ordnern bearbeiten."),
          options.colPlans[j], options.colPlans[i], colCharts[i]);
    }
    for (std::size_t k = 0; k < colPlans.size(); ++k) {
      if (!colChartFiles[i].SameFileAs(colPlans[k])) continue;
      return catalog::Format(
          _("Das Diagramm „{}“ des Plans „{}“ würde den Projektplan „{}“ überschreiben. Es wurde "
            "nichts geschrieben."),
          colCharts[i], options.colPlans[i], options.colPlans[k]);
    }
  }
  return "";
}

}  // namespace

std::string CheckOutputNames(const CommandLine& options) {
  if (options.blnRegister || options.blnUnregister) return "";
  if (options.colPlans.size() > 1) return options.blnDumpModel ? "" : CheckBatch(options);
  return CheckSingleRun(options);
}

}  // namespace cli
