#include "platform/msproject/mpp/MppFile.h"

#include <fmt/format.h>

#include <array>
#include <regex>
#include <set>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/PlanFormat.h"
#include "platform/msproject/mpp/Bytes.h"
#include "platform/msproject/mpp/Keys.h"

namespace msproject::mpp {

namespace {

using Kind = PlanReadFailure::Kind;

[[noreturn]] void Refuse(std::string strMessage) {
  throw PlanReadFailure{Kind::Refused, std::move(strMessage), std::nullopt, std::nullopt};
}

[[noreturn]] void NotAPlan() {
  throw PlanReadFailure{Kind::NotAPlan,
                        _("Die Datei ist keine Projektdatei von Microsoft Project."), std::nullopt,
                        std::nullopt};
}

std::string SaveAsCurrent() {
  return _(
      "Bitte die Datei in Microsoft Project öffnen und als aktuelle .mpp-Datei oder im "
      "XML-Format speichern.");
}

// The CompObj stream: 28 bytes, then texts each with its length before it: the program's name
// ("Microsoft Project 9.0", "Microsoft.Project 14.0"), the format ("MSProject.MPP9").
struct CompObj {
  std::string strApplication;
  std::string strFormat;
};

CompObj ReadCompObj(std::string_view bytes) {
  CompObj compObj;
  std::size_t at = 28;
  const auto text = [&](std::string& target) {
    const auto length = I32(bytes, at);
    if (!length || *length <= 0 || static_cast<std::size_t>(*length) > bytes.size() - at - 4) {
      return false;
    }
    target = AnsiText(bytes.substr(at + 4, static_cast<std::size_t>(*length)), 0);
    at += 4 + static_cast<std::size_t>(*length);
    return true;
  };
  if (text(compObj.strApplication)) text(compObj.strFormat);
  return compObj;
}

// The folder of the project's tables, by format.
std::string FolderOf(int format) {
  switch (format) {
    case 9:
      return "   19";
    case 12:
      return "   112";
    default:
      return "   114";
  }
}

// The streams that Project scrambles in a plan with a password (for reading or for saving)
// in the formats in which it does so.
bool Scrambled(int format, const std::string& strPath) {
  static const std::set<std::string> colFormat9{"Props", "TBkndTask/FixedData",
                                                "TBkndRsc/FixedData", "TBkndCons/FixedData"};
  static const std::set<std::string> colLater{"Props",
                                              "TBkndTask/Props",
                                              "TBkndRsc/Props",
                                              "TBkndRsc/FixedData",
                                              "TBkndRsc/Fixed2Data",
                                              "TBkndCons/FixedData"};
  return (format == 9 ? colFormat9 : colLater).contains(strPath);
}

}  // namespace

MppFile::MppFile(std::string_view bytes, const std::string& strFileName)
    : file_(std::make_unique<CompoundFile>(bytes)) {
  const std::optional<std::string> compObj = file_->Stream(
      "\x01"
      "CompObj");
  if (!compObj) NotAPlan();
  const CompObj kind = ReadCompObj(*compObj);
  std::smatch match;
  static const std::regex application(R"(Microsoft.Project (\d+)\.\d+)");
  if (std::regex_match(kind.strApplication, match, application)) {
    application_ = std::stoi(match[1].str());
  }
  static const std::regex format(R"(MSProject\.(MPP|MPT|GLOBAL)(\d+))");
  if (kind.strApplication == "Microsoft Project 4.0" ||
      (std::regex_match(kind.strFormat, match, format) && std::stoi(match[2].str()) <= 8)) {
    const bool blnProject98 = match.size() > 2 && match[2].str() == "8";
    Refuse(catalog::Format(
        _("Die Projektdatei „{}“ wurde mit {} gespeichert (Dateiformat {}); dieses "
          "alte Format liest Quorvan nicht. {}"),
        strFileName, blnProject98 ? "Microsoft Project 98" : _("Microsoft Project 4.0 oder 95"),
        blnProject98 ? "MPP8" : "MPP4", SaveAsCurrent()));
  }
  if (!std::regex_match(kind.strFormat, match, format)) {
    if (!kind.strFormat.starts_with("MSProject.")) NotAPlan();
    Refuse(catalog::Format(_("Die Projektdatei „{}“ hat ein Dateiformat von Microsoft Project, das "
                             "Quorvan nicht kennt („{}“). {}"),
                           strFileName, kind.strFormat, SaveAsCurrent()));
  }
  format_ = std::stoi(match[2].str());
  if (format_ != 9 && format_ != 12 && format_ != 14) {
    Refuse(catalog::Format(_("Die Projektdatei „{}“ hat ein Dateiformat von Microsoft Project, das "
                             "Quorvan nicht kennt („{}“). {}"),
                           strFileName, kind.strFormat, SaveAsCurrent()));
  }
  folder_ = FolderOf(format_);

  const std::string strRootProps = "Props" + std::to_string(format_);
  const std::optional<std::string> rootProps = file_->Stream(strRootProps);
  if (!rootProps) Damaged(catalog::Format(_("der Block „{}“ fehlt."), strRootProps));
  const Props fileProps(*rootProps, strRootProps);
  CheckPassword(fileProps, strFileName);
  projectProps_ = Props(Required("Props"), "Props");
}

void MppFile::CheckPassword(const Props& fileProps, const std::string& strFileName) {
  const auto byte = [&](std::int32_t key) -> std::uint8_t {
    const auto value = fileProps.Value(key);
    return value ? U8(*value, 0).value_or(0) : 0;
  };
  const std::uint8_t flags = byte(kPasswordFlags);
  const std::uint8_t code = byte(kEncryptionCode);
  // With any password the streams of a Project 2000–2003 plan are scrambled with one byte.
  if (flags != 0 && code != 0) mask_ = static_cast<std::uint8_t>(0xFF - code);
  if ((flags & kReadPassword) == 0) return;
  const std::optional<std::string_view> hash = fileProps.Value(kPasswordHash);
  bool blnProtected = hash.has_value();
  if (format_ == 9 && hash) {
    // Project 2000–2003 keeps the password itself, scrambled; a flag without one protects
    // nothing and Project opens the file without asking.
    static constexpr std::array<std::size_t, 16> kPlaces{60, 30, 48, 2,  6,  14, 8,  22,
                                                         44, 12, 38, 10, 62, 16, 34, 24};
    blnProtected =
        hash->size() >= 64 && (static_cast<std::uint8_t>((*hash)[kPlaces[0]]) ^ mask_) != 0;
  } else if (format_ == 12) {
    blnProtected = true;
  }
  if (blnProtected) {
    Refuse(catalog::Format(
        _("Die Projektdatei „{}“ ist kennwortgeschützt: Quorvan kann sie ohne das "
          "Kennwort nicht lesen. Bitte in Microsoft Project das Kennwort zum Öffnen "
          "entfernen (Datei > Speichern unter > Tools > Allgemeine Optionen) oder "
          "den Plan im XML-Format speichern."),
        strFileName));
  }
}

std::optional<std::string> MppFile::Stream(const std::string& strPath) const {
  std::optional<std::string> bytes = file_->Stream(folder_ + "/" + strPath);
  if (bytes && mask_ != 0 && Scrambled(format_, strPath)) {
    for (char& c : *bytes) c = static_cast<char>(static_cast<std::uint8_t>(c) ^ mask_);
  }
  return bytes;
}

std::string MppFile::Required(const std::string& strPath) const {
  std::optional<std::string> bytes = Stream(strPath);
  if (!bytes) Damaged(catalog::Format(_("der Block „{}“ fehlt."), strPath));
  return std::move(*bytes);
}

}  // namespace msproject::mpp
