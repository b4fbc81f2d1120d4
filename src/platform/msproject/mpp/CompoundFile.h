#pragma once
// The streams of a compound file (OLE2, the container of a .mpp), read by libgsf from the
// file's bytes in memory.

#include <optional>
#include <string>
#include <string_view>

struct _GsfInfile;
struct _GsfInput;

namespace msproject::mpp {

// The eight bytes every compound file begins with.
inline constexpr std::string_view kCompoundFileSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};

class CompoundFile {
 public:
  // Opens the container in `bytes`, which must outlive this object; throws PlanReadFailure
  // when its directory cannot be read (a file cut off, a sector chain out of the file).
  explicit CompoundFile(std::string_view bytes);
  ~CompoundFile();
  CompoundFile(const CompoundFile&) = delete;
  CompoundFile& operator=(const CompoundFile&) = delete;

  // The bytes of the stream at the path ("   114/TBkndTask/VarMeta"); nothing when there is
  // no such stream. Throws PlanReadFailure when the stream cannot be read to its end.
  std::optional<std::string> Stream(std::string_view path) const;

  // The title of the document's summary information, "" without one.
  std::string Title() const;

 private:
  _GsfInput* input_ = nullptr;
  _GsfInfile* root_ = nullptr;
};

}  // namespace msproject::mpp
