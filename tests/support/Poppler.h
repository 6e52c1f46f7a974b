#pragma once

#include <cstdio>
#include <string>

namespace vornic::test {

// Runs a poppler-utils command (pdfinfo, pdftotext, pdftoppm) and returns what it printed, so
// that written PDFs are read back by a reader that is not ours.
inline std::string RunReader(const std::string& Command) {
  std::string Output;
  if (FILE* Pipe = popen((Command + " 2>/dev/null").c_str(), "r")) {
    char Buffer[4096];
    std::size_t Read;
    while ((Read = fread(Buffer, 1, sizeof Buffer, Pipe)) > 0) Output.append(Buffer, Read);
    pclose(Pipe);
  }
  return Output;
}

// The text of one page (from 1), as pdftotext lays it out.
inline std::string PdfPageText(const std::string& Pdf, int Page) {
  const std::string N = std::to_string(Page);
  return RunReader("pdftotext -layout -f " + N + " -l " + N + " '" + Pdf + "' -");
}

// The same without any white space, for text drawn one letter to a cell.
inline std::string Squeezed(std::string Text) {
  std::erase_if(Text, [](unsigned char C) { return C <= ' '; });
  return Text;
}

}  // namespace vornic::test
