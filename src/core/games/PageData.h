#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "document/WordEntry.h"

namespace vornic {

class TVornicGame;

// How a web page to solve holds its answers: each answer key as the SHA-256 of a salt and the
// key, which the page's script compares with what the solver marked or typed. A seal that does
// not check puts no answers into the page at all.
class AnswerSeal {
 public:
  // Checks with Salt (random per page: the same answer seals differently in every page).
  explicit AnswerSeal(std::string Salt) : SaltText(std::move(Salt)), Checking(true) {}
  // Does not check: the page lets the solver mark and type, and judges nothing.
  AnswerSeal() = default;

  bool Checks() const { return Checking; }
  const std::string& Salt() const { return SaltText; }
  // The sealed key: hexadecimal SHA-256 of the salt followed by Key (UTF-8).
  std::string Seal(std::string_view Key) const;

 private:
  std::string SaltText;
  bool Checking = false;
};

// The answer keys, spelled as the page's script spells them (both sides must agree):
// - the letters along cells: the cells' characters joined;
// - a path: "x,y" per cell, counted from 1, joined by single spaces;
// - a typed answer: the text with every white space removed.
std::string PathKey(const std::vector<GridCell>& Cells);
std::string TypedKey(std::string_view Utf8);

// The document's cells as the page draws them: {"cols", "rows", "cells": rows of one string per
// cell (UTF-8; an empty cell is "")}. Cells holds Cols x Rows bytes of the document's code page.
nlohmann::json PageGrid(const TVornicGame& Game, std::string_view Cells);
// The characters of the document's grid along Cells, UTF-8; a cell outside the grid adds nothing.
std::string LettersAlong(const TVornicGame& Game, const std::vector<GridCell>& Cells);

}  // namespace vornic
