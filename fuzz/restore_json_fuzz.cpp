// restore_map_from_json on any text: an error or a map; a map writes JSON that reads back
// equal, holds only valid UTF-8, and can unmask the input itself without fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_common.hpp"
#include "mask/restore.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!fuzz::valid_utf8(text)) return 0;

  auto r = norvane::restore_map_from_json(text);
  if (!r) {
    FUZZ_CHECK(!r.error().empty());
    FUZZ_CHECK(fuzz::valid_utf8(r.error()));
    return 0;
  }
  const norvane::RestoreMap& map = *r;
  FUZZ_CHECK(fuzz::valid_utf8(map.prefix));
  for (const auto& e : map.entries) {
    FUZZ_CHECK(fuzz::valid_utf8(e.token));
    FUZZ_CHECK(fuzz::valid_utf8(e.original));
    FUZZ_CHECK(static_cast<std::size_t>(e.entity) < norvane::kEntityCount);
  }

  const std::string json = norvane::restore_map_to_json(map);
  FUZZ_CHECK(fuzz::valid_utf8(json));
  auto again = norvane::restore_map_from_json(json);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(*again == map);
  FUZZ_CHECK(norvane::restore_map_to_json(*again) == json);

  // unmask either succeeds with valid UTF-8 or names a token error.
  auto u = norvane::unmask(text, map);
  if (u) FUZZ_CHECK(fuzz::valid_utf8(*u));
  else FUZZ_CHECK(u.error().kind == norvane::Error::Kind::restore_token);
  return 0;
}
