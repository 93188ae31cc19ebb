// A str's characters as UTF-8, made by the library's encoder into the caller's buffer.
#include "python/str_utf8.hpp"

#include <algorithm>
#include <cstdint>

#include "error/interrupt.hpp"
#include "span/kept_buffers.hpp"
#include "span/limits.hpp"
#include "span/utf8.hpp"

namespace norvane::py {

namespace {

template <class Char>
std::optional<std::string_view> chars_as_utf8(const void* data, std::size_t length,
                                              std::string& buffer) {
  const auto* chars = static_cast<const Char*>(data);
  constexpr std::size_t most = sizeof(Char) == 1 ? 2 : sizeof(Char) == 2 ? 3 : 4;
  std::size_t room = length * most;
  if (room > kMaxTextBytes) {
    // Only a huge text: its exact size first, so that it is refused before any copy.
    std::optional<std::size_t> size = utf8::encoded_size(chars, length);
    if (!size || *size > kMaxTextBytes) return std::nullopt;
    room = *size;
  }
  // A fresh buffer comes from those the thread keeps when one is large enough; grown without
  // zeroing what is written over next. The spare room lets a short text's last characters go
  // in a block of their own.
  room += utf8::kEncodeSpareRoom;
  if (buffer.empty() && buffer.capacity() < room) buffer = kept::take_text(room);
  if (buffer.size() < room)
    buffer.resize_and_overwrite(room, [](char*, std::size_t n) { return n; });
  // A long text a block at a time, each counting towards the interrupt check; a short one (most
  // of a batch's) in one call, with no poll to set up.
  constexpr std::size_t kBlock = std::size_t{1} << 16;
  if (length <= kBlock) {
    const std::optional<std::size_t> size =
        utf8::encode(chars, length, buffer.data(), utf8::kEncodeSpareRoom);
    if (!size) return std::nullopt;
    return std::string_view(buffer.data(), *size);
  }
  std::size_t written = 0;
  interrupt::Poll poll;
  for (std::size_t at = 0; at < length; at += kBlock) {
    const std::size_t n = std::min(kBlock, length - at);
    std::optional<std::size_t> size =
        utf8::encode(chars + at, n, buffer.data() + written, utf8::kEncodeSpareRoom);
    if (!size) return std::nullopt;
    written += *size;
    poll.advance(n);
  }
  return std::string_view(buffer.data(), written);
}

}  // namespace

StrView str_view(PyObject* o) {
  StrView str{PyUnicode_DATA(o), static_cast<std::size_t>(PyUnicode_GET_LENGTH(o)),
              static_cast<int>(PyUnicode_KIND(o)), PyUnicode_IS_ASCII(o) != 0};
  if (!str.ascii) {
    // A non-ASCII str, compact or not, begins with the compact layout that holds the form.
    const auto* compact = reinterpret_cast<const PyCompactUnicodeObject*>(o);
    str.utf8 = compact->utf8;
    str.utf8_size = static_cast<std::size_t>(compact->utf8_length);
  }
  return str;
}

std::optional<std::string_view> str_as_utf8(const StrView& str, std::string& buffer) {
  if (str.ascii) {
    if (str.length > kMaxTextBytes) return std::nullopt;
    return std::string_view(static_cast<const char*>(str.data), str.length);
  }
  if (str.utf8) {
    if (str.utf8_size > kMaxTextBytes) return std::nullopt;
    return std::string_view(str.utf8, str.utf8_size);
  }
  switch (str.kind) {
    case PyUnicode_1BYTE_KIND: return chars_as_utf8<std::uint8_t>(str.data, str.length, buffer);
    case PyUnicode_2BYTE_KIND: return chars_as_utf8<std::uint16_t>(str.data, str.length, buffer);
    default: return chars_as_utf8<std::uint32_t>(str.data, str.length, buffer);
  }
}

}  // namespace norvane::py
