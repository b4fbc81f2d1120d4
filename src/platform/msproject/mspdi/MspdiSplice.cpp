// Saving a plan read from MSPDI: the edited custom text fields are spliced into the text of the
// file. The file is parsed once more to find the elements; each change is a span of the text
// replaced by new text, so that every byte around the changes stays as it was read.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanXml.h"
#include "platform/msproject/Project.h"
#include "platform/msproject/TextEncoding.h"
#include "platform/msproject/mspdi/MspdiDetail.h"
#include "platform/msproject/mspdi/MspdiWriter.h"
#include "platform/msproject/mspdi/XmlText.h"

namespace msproject {

namespace {

constexpr std::string_view kMark = "\xEF\xBB\xBF";

[[noreturn]] void Unwritable() {
  throw Error(kErrFileOpen, _("Die Projektdatei kann nicht zurückgeschrieben werden: ihr Text "
                              "ist nicht mehr lesbar."));
}

// One change of the text: the span [begin, end) becomes strText.
struct Change {
  std::size_t begin;
  std::size_t end;
  std::string strText;
};

// The place of things in the text of the file.
class Places {
 public:
  Places(std::string_view text, std::size_t lngBase) : text_(text), base_(lngBase) {}

  // Where an element's start tag begins ('<').
  std::size_t Start(pugi::xml_node element) const {
    const std::ptrdiff_t offset = element.offset_debug();
    if (offset < 1) Unwritable();
    const std::size_t at = base_ + static_cast<std::size_t>(offset) - 1;
    if (at >= text_.size() || text_[at] != '<') Unwritable();
    return at;
  }

  // Just after the '>' of the tag that begins at `at`, quotes respected.
  std::size_t TagEnd(std::size_t at) const {
    char chQuote = 0;
    for (++at; at < text_.size(); ++at) {
      const char ch = text_[at];
      if (chQuote) {
        if (ch == chQuote) chQuote = 0;
      } else if (ch == '"' || ch == '\'') {
        chQuote = ch;
      } else if (ch == '>') {
        return at + 1;
      }
    }
    Unwritable();
  }

  bool SelfClosing(std::size_t start) const { return text_[TagEnd(start) - 2] == '/'; }

  // Just after the end tag of the element whose start tag begins at `start`.
  std::size_t End(std::size_t start) const {
    std::size_t lngDepth = 0;
    std::size_t at = start;
    while (at < text_.size()) {
      at = text_.find('<', at);
      if (at == std::string_view::npos) break;
      const std::string_view rest = text_.substr(at);
      if (rest.starts_with("<!--")) {
        at = Past(at, "-->");
      } else if (rest.starts_with("<![CDATA[")) {
        at = Past(at, "]]>");
      } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
        at = TagEnd(at);
      } else if (rest.starts_with("</")) {
        at = TagEnd(at);
        if (lngDepth <= 1) return at;
        --lngDepth;
      } else {
        const bool blnEmpty = SelfClosing(at);
        at = TagEnd(at);
        if (blnEmpty && lngDepth == 0) return at;
        if (!blnEmpty) ++lngDepth;
      }
    }
    Unwritable();
  }

  // Where the end tag of a (not self-closing) element begins.
  std::size_t EndTagStart(std::size_t start) const {
    const std::size_t end = End(start);
    const std::size_t at = text_.rfind('<', end - 1);
    if (at == std::string_view::npos || at < start) Unwritable();
    return at;
  }

  // Where the blanks before `at` begin (the indentation of an element), and the blanks.
  std::size_t BlanksBefore(std::size_t at) const {
    while (at > 0 && (text_[at - 1] == ' ' || text_[at - 1] == '\t' || text_[at - 1] == '\n' ||
                      text_[at - 1] == '\r')) {
      --at;
    }
    return at;
  }
  std::string Indentation(std::size_t at) const {
    return std::string(text_.substr(BlanksBefore(at), at - BlanksBefore(at)));
  }

 private:
  std::size_t Past(std::size_t at, std::string_view strEnd) const {
    const std::size_t found = text_.find(strEnd, at);
    if (found == std::string_view::npos) Unwritable();
    return found + strEnd.size();
  }

  std::string_view text_;
  std::size_t base_;  // where the parsed text begins in text_
};

bool Named(pugi::xml_node node, std::string_view name) {
  return node.type() == pugi::node_element && std::string_view(node.name()) == name;
}

std::optional<std::int32_t> IntOf(pugi::xml_node node) {
  const std::string_view text = mspdi::TrimBlanks(node.child_value());
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The child ExtendedAttribute of the field; an empty node when there is none.
pugi::xml_node AttributeOf(pugi::xml_node parent, std::int32_t fieldId) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (Named(child, "ExtendedAttribute") && IntOf(child.child("FieldID")) == fieldId) {
      return child;
    }
  }
  return {};
}

pugi::xml_node LastChildNamed(pugi::xml_node parent, std::string_view name) {
  pugi::xml_node last;
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (Named(child, name)) last = child;
  }
  return last;
}

pugi::xml_node LastElement(pugi::xml_node parent) {
  pugi::xml_node last;
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element) last = child;
  }
  return last;
}

pugi::xml_node FirstChildAmong(pugi::xml_node parent,
                               std::initializer_list<std::string_view> names) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
    for (const std::string_view name : names) {
      if (Named(child, name)) return child;
    }
  }
  return {};
}

// An element of the given children, on one line where its neighbours are (indentation without
// a line end), else one child a line, indented one step deeper than the element.
std::string Element(std::string_view name,
                    const std::vector<std::pair<std::string_view, std::string>>& children,
                    const std::string& strIndentation) {
  const bool blnLines = strIndentation.find('\n') != std::string::npos;
  const std::string strInner =
      blnLines ? strIndentation + (strIndentation.ends_with(' ') ? "  " : "\t") : std::string();
  std::string strOut = "<" + std::string(name) + ">";
  for (const auto& [child, strValue] : children) {
    strOut +=
        strInner + "<" + std::string(child) + ">" + strValue + "</" + std::string(child) + ">";
  }
  return strOut + (blnLines ? strIndentation : std::string()) + "</" + std::string(name) + ">";
}

// Adds an element as the next child of parent: after `after` (with after's indentation) when
// given, else before `before` when given, else after the last child element.
void AddChild(const Places& places, pugi::xml_node parent, pugi::xml_node after,
              pugi::xml_node before, std::string_view name,
              const std::vector<std::pair<std::string_view, std::string>>& children,
              std::vector<Change>& changes) {
  if (!after && before) {
    const std::size_t at = places.Start(before);
    const std::string strIndentation = places.Indentation(at);
    changes.push_back({at, at, Element(name, children, strIndentation) + strIndentation});
    return;
  }
  if (!after) after = LastElement(parent);
  if (!after) {
    // A parent without children: "<Parent/>" or "<Parent></Parent>" gets the child inside.
    const std::size_t start = places.Start(parent);
    const std::string strOuter = places.Indentation(start);
    const std::string strIndentation = strOuter.find('\n') != std::string::npos
                                           ? strOuter + (strOuter.ends_with(' ') ? "  " : "\t")
                                           : std::string();
    const std::string strInside =
        strIndentation + Element(name, children, strIndentation) + strOuter;
    if (places.SelfClosing(start)) {
      changes.push_back({start, places.TagEnd(start),
                         "<" + std::string(parent.name()) + ">" + strInside + "</" +
                             std::string(parent.name()) + ">"});
    } else {
      const std::size_t at = places.EndTagStart(start);
      changes.push_back({places.TagEnd(start), at, strInside});
    }
    return;
  }
  const std::size_t start = places.Start(after);
  const std::size_t end = places.End(start);
  const std::string strIndentation = places.Indentation(start);
  changes.push_back({end, end, strIndentation + Element(name, children, strIndentation)});
}

// The changes of one edited field of one task element.
void ChangeField(const Places& places, pugi::xml_node task, std::int32_t fieldId,
                 const std::string& strValue, const PlanEncoding& encoding,
                 std::vector<Change>& changes) {
  const pugi::xml_node attribute = AttributeOf(task, fieldId);
  // A field stored twice is read from its first element; the others go, so that none of them
  // comes back.
  for (pugi::xml_node other = attribute.next_sibling(); attribute && other;
       other = other.next_sibling()) {
    if (Named(other, "ExtendedAttribute") && IntOf(other.child("FieldID")) == fieldId) {
      const std::size_t start = places.Start(other);
      changes.push_back({places.BlanksBefore(start), places.End(start), std::string()});
    }
  }
  if (!attribute) {
    if (strValue.empty()) return;
    AddChild(places, task, LastChildNamed(task, "ExtendedAttribute"),
             FirstChildAmong(task, {"Baseline", "OutlineCode", "TimephasedData"}),
             "ExtendedAttribute",
             {{"FieldID", std::to_string(fieldId)}, {"Value", mspdi::XmlText(strValue, encoding)}},
             changes);
    return;
  }
  const std::size_t start = places.Start(attribute);
  if (strValue.empty()) {
    // A cleared field has no element, as Microsoft Project saves it; its line goes with it.
    changes.push_back({places.BlanksBefore(start), places.End(start), std::string()});
    return;
  }
  const std::string strEscaped = mspdi::XmlText(strValue, encoding);
  const pugi::xml_node value = attribute.child("Value");
  if (!value) {
    const std::size_t at = places.End(places.Start(attribute.child("FieldID")));
    changes.push_back({at, at, "<Value>" + strEscaped + "</Value>"});
    return;
  }
  const std::size_t valueStart = places.Start(value);
  if (places.SelfClosing(valueStart)) {
    changes.push_back({valueStart, places.TagEnd(valueStart), "<Value>" + strEscaped + "</Value>"});
  } else {
    changes.push_back({places.TagEnd(valueStart), places.EndTagStart(valueStart), strEscaped});
  }
}

// The plan's definitions of the fields that got a value and had none.
void DefineFields(const Places& places, pugi::xml_node root, const Project& plan,
                  const std::vector<std::int32_t>& colFields, const PlanEncoding& encoding,
                  std::vector<Change>& changes) {
  const pugi::xml_node definitions = root.child("ExtendedAttributes");
  std::vector<std::int32_t> colMissing;
  for (const std::int32_t fieldId : colFields) {
    if (!definitions || !AttributeOf(definitions, fieldId)) colMissing.push_back(fieldId);
  }
  if (colMissing.empty()) return;
  const auto Definition = [&](std::int32_t fieldId) {
    std::vector<std::pair<std::string_view, std::string>> children{
        {"FieldID", std::to_string(fieldId)}, {"FieldName", FieldName(fieldId)}};
    if (const std::string strAlias = plan.FieldAlias(fieldId); !strAlias.empty()) {
      children.emplace_back("Alias", mspdi::XmlText(strAlias, encoding));
    }
    return children;
  };
  if (!definitions) {
    // The whole list, where Microsoft Project keeps it: before the calendars and tables.
    const pugi::xml_node before =
        FirstChildAmong(root, {"Calendars", "Tasks", "Resources", "Assignments"});
    const pugi::xml_node anchor = before ? before : LastElement(root);
    if (!anchor) Unwritable();
    const std::size_t at = places.Start(anchor);
    const std::string strIndentation = places.Indentation(at);
    const bool blnLines = strIndentation.find('\n') != std::string::npos;
    const std::string strInner =
        blnLines ? strIndentation + (strIndentation.ends_with(' ') ? "  " : "\t") : std::string();
    std::string strList = "<ExtendedAttributes>";
    for (const std::int32_t fieldId : colMissing) {
      strList += strInner + Element("ExtendedAttribute", Definition(fieldId), strInner);
    }
    strList += (blnLines ? strIndentation : std::string()) + "</ExtendedAttributes>";
    if (before) {
      changes.push_back({at, at, strList + strIndentation});
    } else {
      const std::size_t end = places.End(at);
      changes.push_back({end, end, strIndentation + strList});
    }
    return;
  }
  for (const std::int32_t fieldId : colMissing) {
    AddChild(places, definitions, LastChildNamed(definitions, "ExtendedAttribute"), {},
             "ExtendedAttribute", Definition(fieldId), changes);
  }
}

}  // namespace

std::string MspdiWriter::Splice(const Project& plan) {
  const std::string& source = plan.strSourceXml_;
  if (plan.edits_.empty()) return source;
  PlanEncoding encoding;
  std::string text;
  try {
    encoding = PlanEncodingOf(source);
    text = PlanTextAsUtf8(source);
  } catch (const TextEncodingError&) {
    Unwritable();
  }
  // The parser steps over a byte order mark; the places it gives count from after it.
  const std::size_t lngBase = std::string_view(text).starts_with(kMark) ? kMark.size() : 0;
  pugi::xml_document document;
  if (!document.load_buffer(text.data() + lngBase, text.size() - lngBase, pugi::parse_default,
                            pugi::encoding_utf8)) {
    Unwritable();
  }
  const Places places(text, lngBase);
  const pugi::xml_node root = document.document_element();

  // The task elements of the edited tasks, by unique ID.
  std::vector<std::pair<std::int32_t, pugi::xml_node>> tasks;
  for (const auto& [task, fieldId] : plan.edits_)
    tasks.emplace_back(task->UniqueID(), pugi::xml_node());
  std::sort(tasks.begin(), tasks.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  tasks.erase(std::unique(tasks.begin(), tasks.end(),
                          [](const auto& a, const auto& b) { return a.first == b.first; }),
              tasks.end());
  for (pugi::xml_node node = root.child("Tasks").first_child(); node; node = node.next_sibling()) {
    if (!Named(node, "Task")) continue;
    const std::optional<std::int32_t> uid = IntOf(node.child("UID"));
    if (!uid) continue;
    const auto found =
        std::lower_bound(tasks.begin(), tasks.end(), *uid,
                         [](const auto& entry, std::int32_t id) { return entry.first < id; });
    // The first task of a unique ID is the one the host read.
    if (found != tasks.end() && found->first == *uid && !found->second) found->second = node;
  }

  std::vector<Change> changes;
  std::vector<std::int32_t> colFilled;
  for (const auto& [task, fieldId] : plan.edits_) {
    const auto found =
        std::lower_bound(tasks.begin(), tasks.end(), task->UniqueID(),
                         [](const auto& entry, std::int32_t id) { return entry.first < id; });
    if (!found->second) Unwritable();
    const std::string strValue = task->GetField(fieldId);
    ChangeField(places, found->second, fieldId, strValue, encoding, changes);
    if (!strValue.empty() &&
        std::find(colFilled.begin(), colFilled.end(), fieldId) == colFilled.end()) {
      colFilled.push_back(fieldId);
    }
  }
  DefineFields(places, root, plan, colFilled, encoding, changes);

  std::stable_sort(changes.begin(), changes.end(),
                   [](const Change& a, const Change& b) { return a.begin < b.begin; });
  std::string strOut;
  strOut.reserve(text.size() + 256);
  std::size_t at = 0;
  for (const Change& change : changes) {
    if (change.begin < at) Unwritable();
    strOut.append(text, at, change.begin - at);
    strOut += change.strText;
    at = change.end;
  }
  strOut.append(text, at, std::string::npos);
  try {
    return Utf8AsPlanText(strOut, encoding);
  } catch (const TextEncodingError&) {
    Unwritable();
  }
}

void MspdiWriter::Saved(Project& plan, std::string bytes) {
  plan.strSourceXml_ = std::move(bytes);
  plan.edits_.clear();
  plan.lngSavedRevision_ = plan.lngRevision_;
}

void MspdiWriter::SavedAs(Project& plan, std::string bytes, const std::filesystem::path& file) {
  Saved(plan, std::move(bytes));
  plan.strName_ = file.filename().string();
  plan.strPath_ = file.parent_path().string();
  plan.blnReadFromXml_ = true;
}

std::string MspdiWriter::Text(const Project& plan) {
  return plan.strSourceXml_.empty() ? Write(plan) : Splice(plan);
}

std::string PlanXml(const Project& plan) {
  return MspdiWriter::Text(plan);
}

void PlanXmlSaved(Project& plan, std::string bytes) {
  MspdiWriter::Saved(plan, std::move(bytes));
}

void PlanXmlSavedAs(Project& plan, std::string bytes, const std::filesystem::path& file) {
  MspdiWriter::SavedAs(plan, std::move(bytes), file);
}

}  // namespace msproject
