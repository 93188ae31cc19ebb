#pragma once
// The core error value shared by every layer: operations return a value or one of these.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>

namespace norvane {

struct Error {
  // text_too_large: an input the offsets cannot cover; its message is the whole text.
  enum class Kind : std::uint8_t {
    invariant_violation,
    coordinate_mismatch,
    restore_token,
    text_too_large
  };

  Kind kind;
  std::size_t segment = 0;  // only meaningful for invariant_violation
  std::string message;

  static Error invariant(std::size_t segment, std::string message) {
    return Error{Kind::invariant_violation, segment, std::move(message)};
  }
  static Error coordinate(std::string message) {
    return Error{Kind::coordinate_mismatch, 0, std::move(message)};
  }
  static Error restore_token(std::string message) {
    return Error{Kind::restore_token, 0, std::move(message)};
  }
  static Error text_too_large(std::string message) {
    return Error{Kind::text_too_large, 0, std::move(message)};
  }

  // The one-line rendering shown to users.
  std::string text() const;
};

template <class T>
using Result = std::expected<T, Error>;

}  // namespace norvane
