#pragma once

#include <string>

namespace vornic {

class TVornicGame;

// The jumble's "Copy as Text": the mixed letters of every hint record, one record per line in
// placement order, each line ended by CR LF; line 0 (the text) is left out. Bytes of the
// document's code page; empty for a puzzle without hint records.
std::string JumbleAsText(const TVornicGame& Game);

}  // namespace vornic
