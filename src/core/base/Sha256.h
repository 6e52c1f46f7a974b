#pragma once

#include <string>
#include <string_view>

namespace vornic {

// SHA-256 of Bytes (nettle), as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view Bytes);
// SHA-256 of Bytes in base64, as a Content-Security-Policy source names a script by its hash.
std::string Sha256Base64(std::string_view Bytes);

}  // namespace vornic
