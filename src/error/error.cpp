#include "error/error.hpp"

namespace norvane {

std::string Error::text() const {
  switch (kind) {
    case Kind::invariant_violation:
      return "span map invariant violated at segment " + std::to_string(segment) + ": " + message;
    case Kind::coordinate_mismatch: return "span map coordinate mismatch: " + message;
    case Kind::restore_token: return "restore token error: " + message;
    case Kind::text_too_large: return message;
  }
  return message;
}

}  // namespace norvane
