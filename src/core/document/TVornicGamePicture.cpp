// The document's picture operations.
#include "document/TVornicGame.h"

namespace vornic {

void TVornicGame::ResizeImage() {
  // The picture follows Cols and Rows; it is recorded by the drawing code.
}

}  // namespace vornic
