#include "platform/shell/Buffers.h"

#include <cstdio>

#include "platform/shell/Error.h"

namespace shell {

namespace {

std::string Hex(Ptr32 address) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "&H%08X", static_cast<unsigned>(address));
  return buf;
}

}  // namespace

Ptr32 Buffers::LendText(std::string_view strText) {
  return Add({const_cast<char*>(strText.data()), strText.size(), false, Kind::Lent, nullptr});
}

Ptr32 Buffers::LendBuffer(std::span<char> buffer) {
  return Add({buffer.data(), buffer.size(), true, Kind::Lent, nullptr});
}

Ptr32 Buffers::LendBytes(std::span<std::byte> bytes) {
  return Add({reinterpret_cast<char*>(bytes.data()), bytes.size(), true, Kind::Lent, nullptr});
}

Ptr32 Buffers::Allocate(std::string strContent, Kind kind) {
  auto owned = std::make_unique<std::string>(std::move(strContent));
  Block block{owned->data(), owned->size(), true, kind, nullptr};
  block.owned = std::move(owned);
  return Add(std::move(block));
}

Ptr32 Buffers::Add(Block block) {
  // Addresses as a 32-bit process would see them: distinct, 16-byte aligned, never 0, and
  // spaced by the block's size so that no two blocks overlap.
  const std::uint64_t lngSpan = (static_cast<std::uint64_t>(block.size) + 16 + 15) & ~15ULL;
  if (static_cast<std::uint64_t>(next_) + lngSpan > 0xFFFFFFFFULL) {
    throw Error("Nicht genügend Speicher für den Dialog");
  }
  const Ptr32 address = next_;
  next_ = static_cast<Ptr32>(next_ + lngSpan);
  blocks_.emplace(address, std::move(block));
  return address;
}

const Buffers::Block& Buffers::Find(Ptr32 address) const {
  const auto it = blocks_.find(address);
  if (it == blocks_.end()) throw Error("Ungültige Speicheradresse " + Hex(address));
  return it->second;
}

std::string_view Buffers::Read(Ptr32 address) const {
  const Block& block = Find(address);
  return {block.data, block.size};
}

std::span<char> Buffers::Write(Ptr32 address) const {
  const Block& block = Find(address);
  if (!block.blnWritable) {
    throw Error("Schreibzugriff auf schreibgeschützten Speicher " + Hex(address));
  }
  return {block.data, block.size};
}

std::string_view Buffers::Text(Ptr32 address) const {
  if (address == 0) return {};
  const std::string_view bytes = Read(address);
  return bytes.substr(0, bytes.find('\0'));
}

Buffers::Kind Buffers::KindOf(Ptr32 address) const {
  return Find(address).kind;
}

}  // namespace shell
