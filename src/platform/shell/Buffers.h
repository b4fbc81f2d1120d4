#pragma once
// The memory that a dialog record points into. A 32-bit record cannot hold a 64-bit address,
// so the caller lends each buffer to a Buffers table and writes the 32-bit address that the
// table hands out into the record's pointer field; the dialog resolves the address through the
// same table. A lent buffer stays the caller's: the dialog reads it, and writes into it in
// place when it was lent writable. Memory that the shell hands back (the folder browser's
// item list) is owned by the table.
//
//     std::string strFile(512, '\0');
//     shell::Buffers mem;
//     shell::OPENFILENAME ofn;
//     ofn.lpstrFile = mem.LendBuffer(strFile);
//     ofn.nMaxFile = 512;
//     shell::GetSaveFileNameA(ofn, mem);   // the chosen path is now in strFile
//
// The addresses are valid only with the table that gave them and only while it lives; the
// caller keeps the lent buffers alive and unmoved as long as the table. An address that the
// table did not give, or a write into a buffer lent read-only, throws shell::Error.

#include <cstddef>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/shell/Types.h"

namespace shell {

class Buffers {
 public:
  Buffers() = default;
  Buffers(const Buffers&) = delete;
  Buffers& operator=(const Buffers&) = delete;

  // Lends a text that the callee only reads (a filter list, a title).
  Ptr32 LendText(std::string_view strText);
  // Lends a buffer that the callee fills (a file name buffer).
  Ptr32 LendBuffer(std::span<char> buffer);
  // Lends raw memory that the callee reads and writes (a table of colour values).
  Ptr32 LendBytes(std::span<std::byte> bytes);

  // The callee's side: the whole lent memory at an address.
  std::string_view Read(Ptr32 address) const;
  std::span<char> Write(Ptr32 address) const;
  // The text at an address up to its first NUL (or the end of the lent memory); "" for NULL.
  std::string_view Text(Ptr32 address) const;

  // Memory that the shell hands back to the caller, owned by the table. The tag names what it
  // holds, so that a callee can refuse an address of another kind.
  enum class Kind { Lent, ItemIdList };
  Ptr32 Allocate(std::string strContent, Kind kind);
  Kind KindOf(Ptr32 address) const;

 private:
  struct Block {
    char* data = nullptr;
    std::size_t size = 0;
    bool blnWritable = false;
    Kind kind = Kind::Lent;
    std::unique_ptr<std::string> owned;
  };
  Ptr32 Add(Block block);
  const Block& Find(Ptr32 address) const;

  std::map<Ptr32, Block> blocks_;
  Ptr32 next_ = 0x00410000;
};

}  // namespace shell
