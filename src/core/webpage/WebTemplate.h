#pragma once

#include <string_view>

namespace vornic {

// A file of the web page's template (src/core/webpage/template), embedded at build time: its
// bytes by its name ("page.html", "board.js"); empty for a name the template lacks.
std::string_view WebTemplate(std::string_view Name);

}  // namespace vornic
