#pragma once

#include <stdexcept>
#include <string>

namespace vornic {

// A failure that ends the running command and reaches the user as a message (an unreadable or
// damaged file, a folder that cannot be written). The document is left as it was.
class DocumentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vornic
