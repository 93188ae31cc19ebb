// restore_map_from_json on any text: an error or a map; a map writes JSON that reads back
// equal, holds only valid UTF-8, and can unmask the input itself without fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "fuzz_common.hpp"
#include "mask/restore_json.hpp"

namespace {

using nlohmann::json;

// The map the reader should build from a parsed document, read from the format's rules:
// object or positional-array forms, unknown keys ignored, entity a name or {"name": null}.
std::optional<norvane::EntityKind> entity_of(const json& j) {
  if (j.is_string()) return norvane::entity_from_name(j.get_ref<const std::string&>());
  if (j.is_object() && j.size() == 1 && j.begin().value().is_null())
    return norvane::entity_from_name(j.begin().key());
  return std::nullopt;
}

std::optional<norvane::RestoreEntry> entry_of(const json& j) {
  const json *token, *original, *entity;
  if (j.is_object()) {
    if (!j.contains("token") || !j.contains("original") || !j.contains("entity"))
      return std::nullopt;
    token = &j["token"], original = &j["original"], entity = &j["entity"];
  } else if (j.is_array() && j.size() == 3) {
    token = &j[0], original = &j[1], entity = &j[2];
  } else {
    return std::nullopt;
  }
  if (!token->is_string() || !original->is_string()) return std::nullopt;
  const auto kind = entity_of(*entity);
  if (!kind) return std::nullopt;
  return norvane::RestoreEntry{token->get<std::string>(), original->get<std::string>(), *kind};
}

std::optional<norvane::RestoreMap> map_of(const json& j) {
  const json *prefix, *entries;
  if (j.is_object()) {
    if (!j.contains("prefix") || !j.contains("entries")) return std::nullopt;
    prefix = &j["prefix"], entries = &j["entries"];
  } else if (j.is_array() && j.size() == 2) {
    prefix = &j[0], entries = &j[1];
  } else {
    return std::nullopt;
  }
  if (!prefix->is_string() || !entries->is_array()) return std::nullopt;
  norvane::RestoreMap map;
  map.prefix = prefix->get<std::string>();
  for (const json& e : *entries) {
    auto entry = entry_of(e);
    if (!entry) return std::nullopt;
    map.entries.push_back(std::move(*entry));
  }
  return map;
}

// Parses as a document; nothing when the text is no JSON the comparison can judge: a
// repeated key anywhere (only repeated known keys are errors, and the tree cannot tell
// where a key sat) or a number out of range (skipped by the reader where it is ignored).
enum class Doc { ok, invalid, unsure };
Doc parse_doc(std::string_view text, json& out) {
  // No JSON text holds a raw NUL (the parsed-document reader takes one as the end of input).
  if (text.find('\0') != std::string_view::npos) return Doc::invalid;
  bool repeated = false;
  std::vector<std::vector<std::string>> keys;
  json::parser_callback_t cb = [&](int, json::parse_event_t ev, json& parsed) {
    if (ev == json::parse_event_t::object_start) keys.emplace_back();
    else if (ev == json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
    else if (ev == json::parse_event_t::key && !keys.empty()) {
      auto& k = keys.back();
      const std::string& name = parsed.get_ref<const std::string&>();
      if (std::find(k.begin(), k.end(), name) != k.end()) repeated = true;
      k.push_back(name);
    }
    return true;
  };
  try {
    out = json::parse(text.begin(), text.end(), cb);
  } catch (const json::out_of_range&) {
    return Doc::unsure;
  } catch (const json::parse_error& e) {
    return e.id == 406 ? Doc::unsure : Doc::invalid;  // 406: number overflow
  } catch (const json::exception&) {
    return Doc::unsure;
  }
  return repeated ? Doc::unsure : Doc::ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!fuzz::valid_utf8(text)) return 0;

  auto r = norvane::restore_map_from_json(text);
  if (text.size() <= 4096) {
    json doc;
    switch (parse_doc(text, doc)) {
      case Doc::invalid: FUZZ_CHECK(!r.has_value()); break;
      case Doc::ok: {
        const auto want = map_of(doc);
        FUZZ_CHECK(want.has_value() == r.has_value());
        if (want) FUZZ_CHECK(*want == *r);
        break;
      }
      case Doc::unsure: break;
    }
  }
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
