#pragma once
// A file format of plans. Each format has its reader behind this interface; the host picks the
// reader by the file's content (PlanFormats) and gives it the builder of the project to fill.
// A further format is a further class and one line in PlanFormats.cpp.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace msproject {

class PlanBuilder;

// Why a file could not be read, as a reader reports it. The host makes the user's message of
// it: "Die Projektdatei „Plan.mpp“ konnte nicht gelesen werden: Zeile 12: …", or for a
// refusal the reader's own sentence, which names the file itself.
struct PlanReadFailure {
  enum class Kind {
    NotAPlan,  // the file is no plan of this format (nor, as far as it tells, of another)
    Faulty,    // a plan of the format whose content cannot be read; strWhat says what
    Refused,   // a plan the host does not read (protected, too old): strWhat is the message
  };
  Kind kind = Kind::Faulty;
  std::string strWhat;                    // German
  std::optional<std::int64_t> lngLine;    // the line of a text format, where known
  std::optional<std::int64_t> lngColumn;  // and the column (characters from 1), where known
};

class PlanFormat {
 public:
  virtual ~PlanFormat() = default;
  // Whether a file beginning with these bytes (up to the first 4 KB) is of this format.
  virtual bool Recognises(std::string_view head) const = 0;
  // Reads the whole file into the builder, or throws PlanReadFailure. The builder is finished
  // by the caller.
  virtual void Read(std::string bytes, PlanBuilder& builder) const = 0;
};

// The formats the host reads, in the order in which they are asked; the last one (MSPDI,
// XML) takes every file the others do not recognise.
const std::vector<const PlanFormat*>& PlanFormats();

// The format that reads a file beginning with these bytes.
const PlanFormat& FormatOf(std::string_view head);

}  // namespace msproject
