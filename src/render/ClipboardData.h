#pragma once

#include <QtCore/QMimeData>

#include <memory>

#include "base/UserInterface.h"

namespace vornic::render {

// MIME type names of the picture on the clipboard, in the order they are offered: LibreOffice
// pastes only its own EMF name as a vector picture, Inkscape takes image/x-emf, and PNG is the
// fallback every program understands.
inline constexpr const char* MimeOfficeEmf =
    "application/x-openoffice-emf;windows_formatname=\"Image EMF\"";
inline constexpr const char* MimeEmf = "image/x-emf";
inline constexpr const char* MimeEmfPlain = "image/emf";
inline constexpr const char* MimeOfficeWmf =
    "application/x-openoffice-wmf;windows_formatname=\"Image WMF\"";
inline constexpr const char* MimeSvg = "image/svg+xml";
inline constexpr const char* MimePng = "image/png";

// The data a window puts on the clipboard for a core request: the picture in every format above
// when Content.Picture is set, and Content.Text (UTF-8) as text/plain with LF line ends. The caller
// hands the result to QClipboard::setMimeData, which takes ownership. Needs a GUI application.
// Throws DocumentError for a picture too large to draw (PictureLimits.h); one too large for WMF
// goes without that format.
std::unique_ptr<QMimeData> BuildClipboardData(const ClipboardContent& Content);

}  // namespace vornic::render
