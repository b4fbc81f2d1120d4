#include "platform/msproject/mspdi/MspdiFormat.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <pugixml.hpp>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/msproject/PlanBuilder.h"
#include "platform/msproject/TextEncoding.h"
#include "platform/msproject/mspdi/MspdiDetail.h"

namespace msproject {

namespace {

constexpr std::string_view kNamespace = "http://schemas.microsoft.com/project";

std::string XmlProblem(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory:
      return _("Nicht genügend Arbeitsspeicher.");
    case pugi::status_unrecognized_tag:
      return _("Die Datei ist kein gültiges XML: unbekannte Markierung.");
    case pugi::status_bad_pi:
      return _("Die Datei ist kein gültiges XML: fehlerhafte Verarbeitungsanweisung.");
    case pugi::status_bad_comment:
      return _("Die Datei ist kein gültiges XML: fehlerhafter Kommentar.");
    case pugi::status_bad_cdata:
      return _("Die Datei ist kein gültiges XML: fehlerhafter CDATA-Abschnitt.");
    case pugi::status_bad_doctype:
      return _("Die Datei ist kein gültiges XML: fehlerhafte Dokumenttypdeklaration.");
    case pugi::status_bad_pcdata:
      return _("Die Datei ist kein gültiges XML: fehlerhafter Text.");
    case pugi::status_bad_start_element:
      return _("Die Datei ist kein gültiges XML: fehlerhaftes Start-Tag.");
    case pugi::status_bad_attribute:
      return _("Die Datei ist kein gültiges XML: fehlerhaftes Attribut.");
    case pugi::status_bad_end_element:
      return _("Die Datei ist kein gültiges XML: fehlerhaftes End-Tag.");
    case pugi::status_end_element_mismatch:
      return _("Die Datei ist kein gültiges XML: das End-Tag passt nicht zum Start-Tag.");
    case pugi::status_no_document_element:
      return _("Die Datei ist kein XML-Dokument.");
    default:
      return _("Die Datei ist kein gültiges XML.");
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

bool MspdiFormat::Recognises(std::string_view) const {
  return true;
}

void MspdiFormat::Read(std::string buffer, PlanBuilder& builder) const {
  using Kind = PlanReadFailure::Kind;
  std::optional<LineEnds> lines;
  // The file's own bytes, for a save that changes only what was edited.
  builder.SourceXml(buffer);
  try {
    buffer = PlanTextAsUtf8(std::move(buffer));
    if (mspdi::TrimBlanks(buffer).empty()) {
      throw PlanReadFailure{Kind::NotAPlan, _("Die Datei ist leer."), std::nullopt, std::nullopt};
    }
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
      // Without any element the place of the failure is merely the end of the file.
      if (result.status == pugi::status_no_document_element) {
        throw PlanReadFailure{Kind::NotAPlan, XmlProblem(result.status), std::nullopt,
                              std::nullopt};
      }
      // A file cut off (by a full disk, a download broken off) fails where it ends, with an
      // element still open: said so, not as a fault of the XML.
      if (blnCut) {
        throw mspdi::Failure{_("Die Datei endet vorzeitig; sie ist unvollständig (abgeschnitten)."),
                             static_cast<std::ptrdiff_t>(lngContentEnd)};
      }
      throw mspdi::Failure{XmlProblem(result.status), result.offset};
    }

    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != "Project" ||
        std::string_view(root.attribute("xmlns").value()) != kNamespace) {
      throw PlanReadFailure{
          Kind::NotAPlan, _("Die Datei ist kein Projektplan im Format Microsoft Project XML."),
          lines->LineOf(static_cast<std::size_t>(root.offset_debug())), std::nullopt};
    }
    mspdi::BuildPlan(root, builder);
  } catch (const TextEncodingError& error) {
    throw PlanReadFailure{Kind::Faulty, error.what(), error.Line(), error.Column()};
  } catch (const mspdi::Failure& failure) {
    std::optional<std::int64_t> lngLine;
    if (lines && failure.offset >= 0) {
      lngLine = lines->LineOf(static_cast<std::size_t>(failure.offset));
    }
    throw PlanReadFailure{Kind::Faulty, failure.strWhat, lngLine, std::nullopt};
  }
}

}  // namespace msproject
