#pragma once

namespace vornic::render {

// Fonts and painting need a Qt GUI application. Creates one for the rest of the process when
// none exists yet (a window program has its own), choosing Qt's offscreen platform when
// QT_QPA_PLATFORM is not set, so the command-line tool and tests need no display.
void EnsureGuiApplication();

}  // namespace vornic::render
