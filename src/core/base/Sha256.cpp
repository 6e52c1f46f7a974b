#include "base/Sha256.h"

#include <nettle/base64.h>
#include <nettle/sha2.h>

#include <array>
#include <cstdint>

namespace vornic {
namespace {

std::array<std::uint8_t, SHA256_DIGEST_SIZE> Digest(std::string_view Bytes) {
  sha256_ctx Context;
  sha256_init(&Context);
  sha256_update(&Context, Bytes.size(), reinterpret_cast<const std::uint8_t*>(Bytes.data()));
  std::array<std::uint8_t, SHA256_DIGEST_SIZE> Result{};
  sha256_digest(&Context, Result.size(), Result.data());
  return Result;
}

}  // namespace

std::string Sha256Hex(std::string_view Bytes) {
  static constexpr char Digits[] = "0123456789abcdef";
  std::string Text;
  for (const std::uint8_t Byte : Digest(Bytes)) {
    Text += Digits[Byte >> 4];
    Text += Digits[Byte & 15];
  }
  return Text;
}

std::string Sha256Base64(std::string_view Bytes) {
  const auto Raw = Digest(Bytes);
  std::string Text(BASE64_ENCODE_RAW_LENGTH(Raw.size()), '\0');
  base64_encode_raw(Text.data(), Raw.size(), Raw.data());
  return Text;
}

}  // namespace vornic
