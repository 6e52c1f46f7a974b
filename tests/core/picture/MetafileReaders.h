#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/TempHome.h"

namespace vornic::test {

// Independent readers of our metafiles: Debian's emf2svg-conv (EMF) and wmf2svg (libwmf, WMF).
// Each converts a file to SVG; these helpers pick the drawn shapes out of that SVG.

// The Debian packages that bring each outside reader; scripts/packages.txt installs them all.
// libwmf draws letters with the URW fonts, which Debian only recommends: without them wmf2svg
// fails with "failed to load *any* font".
inline std::string ReaderPackages(const std::string& Tool) {
  if (Tool == "emf2svg-conv") return "emf2svg";
  if (Tool == "wmf2svg") return "libwmf-bin and fonts-urw-base35";
  return "providing " + Tool;
}

inline bool HaveTool(const std::string& Name) {
  return std::system(("command -v " + Name + " >/dev/null 2>&1").c_str()) == 0;
}

// Succeeds when the reader can be started; otherwise names the packages that bring it.
inline ::testing::AssertionResult ReaderInstalled(const std::string& Tool) {
  if (HaveTool(Tool)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << Tool << " is missing: install the Debian package " << ReaderPackages(Tool);
}

// Runs Command (whose first word is the reader) in Folder; a failure is reported with what the
// reader said and the packages it needs, so a machine without its fonts says so plainly.
inline bool RunReader(const std::filesystem::path& Folder, const std::string& Command) {
  const std::string Tool = Command.substr(0, Command.find(' '));
  const std::filesystem::path Errors = Folder / (Tool + ".err");
  const int Status = std::system((Command + " >/dev/null 2>'" + Errors.string() + "'").c_str());
  if (Status == 0) return true;
  ADD_FAILURE() << Tool << " could not read our file (status " << Status
                << "): " << (std::filesystem::exists(Errors) ? ReadFile(Errors) : std::string())
                << "It needs the Debian packages " << ReaderPackages(Tool)
                << ". Command: " << Command;
  return false;
}

// Writes Bytes to Folder/Name.<in>, runs Command ("%i" input, "%o" output), returns the SVG.
inline std::string ConvertWith(const std::filesystem::path& Folder, const std::string& Name,
                               const std::vector<std::uint8_t>& Bytes, std::string Command) {
  const std::filesystem::path In = Folder / Name;
  const std::filesystem::path Out = Folder / (Name + ".svg");
  WriteFile(In, std::string(Bytes.begin(), Bytes.end()));
  Command.replace(Command.find("%i"), 2, "'" + In.string() + "'");
  Command.replace(Command.find("%o"), 2, "'" + Out.string() + "'");
  RunReader(Folder, Command);
  return std::filesystem::exists(Out) ? ReadFile(Out) : std::string();
}

inline std::string EmfToSvg(const std::filesystem::path& Folder,
                            const std::vector<std::uint8_t>& Bytes) {
  return ConvertWith(Folder, "picture.emf", Bytes, "emf2svg-conv -i %i -o %o");
}

inline std::string WmfToSvg(const std::filesystem::path& Folder,
                            const std::vector<std::uint8_t>& Bytes) {
  return ConvertWith(Folder, "picture.wmf", Bytes, "wmf2svg -o %o %i");
}

// The value of attribute Name in one SVG element (as a number), or NaN.
inline double Attribute(const std::string& Element, const std::string& Name) {
  const std::regex Pattern("\\s" + Name + "=\"(-?[0-9.]+)\"");
  std::smatch Match;
  if (!std::regex_search(Element, Match, Pattern)) return std::nan("");
  return std::stod(Match[1]);
}

inline std::string TextAttribute(const std::string& Element, const std::string& Name) {
  const std::regex Pattern("\\s" + Name + "=\"([^\"]*)\"");
  std::smatch Match;
  return std::regex_search(Element, Match, Pattern) ? Match[1].str() : std::string();
}

// Every element <Tag ...> (up to its closing tag or "/>") in document order.
inline std::vector<std::string> Elements(const std::string& Svg, const std::string& Tag) {
  std::vector<std::string> Found;
  const std::string Open = "<" + Tag + " ";
  for (auto At = Svg.find(Open); At != std::string::npos; At = Svg.find(Open, At + 1)) {
    const auto SelfClose = Svg.find("/>", At);
    const auto Close = Svg.find("</" + Tag + ">", At);
    const auto End = std::min(SelfClose, Close);
    Found.push_back(Svg.substr(At, End == std::string::npos ? std::string::npos : End - At + 2));
  }
  return Found;
}

// The text of an element's content, CDATA unwrapped.
inline std::string Content(const std::string& Element) {
  const auto Start = Element.find('>');
  const auto End = Element.rfind('<');
  if (Start == std::string::npos || End == std::string::npos || End <= Start) return {};
  std::string Text = Element.substr(Start + 1, End - Start - 1);
  const std::string CdataOpen = "<![CDATA[";
  if (Text.rfind(CdataOpen, 0) == 0) Text = Text.substr(CdataOpen.size(), Text.size() - 12);
  while (!Text.empty() && (Text.front() == '\n' || Text.front() == '\t')) Text.erase(0, 1);
  return Text;
}

}  // namespace vornic::test
