// HMAC-SHA-256 through OpenSSL libcrypto.
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "mask/hmac.hpp"

namespace norvane {

std::string hmac_sha256_hex(std::string_view key, std::string_view message) {
  // Keys longer than the block are hashed first (as HMAC itself would); this also keeps
  // the length within HMAC()'s int parameter for any key size.
  unsigned char hashed_key[EVP_MAX_MD_SIZE];
  unsigned int hashed_len = 0;
  const unsigned char* key_bytes = reinterpret_cast<const unsigned char*>(key.data());
  std::size_t key_len = key.size();
  if (key_len > 64) {
    if (EVP_Digest(key.data(), key.size(), hashed_key, &hashed_len, EVP_sha256(), nullptr) != 1)
      return {};
    key_bytes = hashed_key;
    key_len = hashed_len;
  }
  // Never hand OpenSSL a null pointer, even for an empty key or message.
  static const unsigned char empty = 0;
  if (key_len == 0) key_bytes = &empty;
  const unsigned char* msg =
      message.empty() ? &empty : reinterpret_cast<const unsigned char*>(message.data());

  unsigned char md[EVP_MAX_MD_SIZE];
  unsigned int md_len = 0;
  if (HMAC(EVP_sha256(), key_bytes, static_cast<int>(key_len), msg, message.size(), md, &md_len) ==
          nullptr ||
      md_len != 32)
    return {};

  static constexpr char digits[] = "0123456789abcdef";
  std::string out(64, '0');
  for (unsigned i = 0; i < 32; ++i) {
    out[2 * i] = digits[md[i] >> 4];
    out[2 * i + 1] = digits[md[i] & 0x0F];
  }
  return out;
}

}  // namespace norvane
