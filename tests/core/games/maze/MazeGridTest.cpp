#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/EmptyChar.h"
#include "base/RandomGenerator.h"
#include "games/maze/MazeGrid.h"

namespace vornic {
namespace {

// A grid from rows of '.' (free) and any other character (a letter).
MazeGrid GridOf(const std::vector<std::string>& Rows) {
  MazeGrid Grid;
  Grid.Reset(static_cast<int>(Rows[0].size()), static_cast<int>(Rows.size()));
  for (std::size_t Y = 0; Y < Rows.size(); ++Y)
    for (std::size_t X = 0; X < Rows[Y].size(); ++X)
      if (Rows[Y][X] != '.') Grid.Set(static_cast<int>(X + 1), static_cast<int>(Y + 1), Rows[Y][X]);
  return Grid;
}

TEST(MazeGridStartCell, AnEmptyGridHasNoDeadEndSoTheLastFreeCellOfTheScanIsTaken) {
  // Corners have only two outside neighbours: no cell of an empty grid is a dead end.
  const MazeGrid Grid = GridOf({"....", "....", "...."});
  EXPECT_EQ(Grid.FindStartCell(), (GridCell{4, 3}));
}

TEST(MazeGridStartCell, ACornerBesideALetterIsADeadEnd) {
  const MazeGrid Grid = GridOf({".#..", "....", "...."});
  EXPECT_EQ(Grid.FindStartCell(), (GridCell{1, 1}));
}

TEST(MazeGridStartCell, ScansColumnsFirstThenRows) {
  // Dead ends at (4, 1) and (1, 5): row order would find (4, 1) first, column order (1, 5).
  const MazeGrid Grid = GridOf({"..#.#", ".....", ".....", ".....", ".#..."});
  EXPECT_EQ(Grid.FindStartCell(), (GridCell{1, 5}));
}

TEST(MazeGridStartCell, AnEnclosedCellIsNoDeadEndButCanStillBeTheLastFreeCell) {
  // Four occupied neighbours are not three: the only free cell is taken as the last one.
  const MazeGrid Grid = GridOf({"###", "#.#", "###"});
  EXPECT_EQ(Grid.FindStartCell(), (GridCell{2, 2}));
}

TEST(MazeGridStartCell, AFullGridHasNone) {
  EXPECT_FALSE(GridOf({"ABC", "DEF", "GHI"}).FindStartCell().has_value());
}

TEST(MazeGridRegion, OneWholeRegionIsConnected) {
  const MazeGrid Grid = GridOf({"A....", ".B...", "....C"});
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 12);
  EXPECT_TRUE(Grid.FreeCellsConnected(3));
}

TEST(MazeGridRegion, AWallSplitsTheFreeCells) {
  const MazeGrid Grid = GridOf({"..#..", "..#..", "..#.."});
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 6);
  EXPECT_FALSE(Grid.FreeCellsConnected(3));
}

TEST(MazeGridRegion, DiagonalNeighboursDoNotJoinRegions) {
  const MazeGrid Grid = GridOf({".#", "#."});
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 1);
  EXPECT_FALSE(Grid.FreeCellsConnected(2));
}

TEST(MazeGridRegion, NoFreeCellCountsZeroAndPasses) {
  const MazeGrid Grid = GridOf({"AB", "CD"});
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 0);
  EXPECT_TRUE(Grid.FreeCellsConnected(4));
}

TEST(MazeGridRegion, ALongWindingRegionOfTheLargestGridIsCountedWhole) {
  // A serpentine through 50 x 50 cells: far too deep for a recursive count on a small stack.
  std::vector<std::string> Rows;
  for (int Y = 0; Y < 50; ++Y) {
    if (Y % 2 == 0)
      Rows.push_back(std::string(50, '.'));
    else
      Rows.push_back(Y % 4 == 1 ? std::string(49, '#') + "." : "." + std::string(49, '#'));
  }
  const MazeGrid Grid = GridOf(Rows);
  EXPECT_EQ(Grid.CountFirstFreeRegion(), 25 * 50 + 25);
  EXPECT_TRUE(Grid.FreeCellsConnected(25 * 49));
}

TEST(MazeGridRegion, ALookAroundThePathAgreesWithTheFullCountOnRandomPaths) {
  // Paths are walked at random into a grid whose free cells stay one region (a path that
  // splits them is taken back): the quick answer must equal the full count every time.
  int Splits = 0, Joins = 0;
  for (std::uint64_t Seed = 1; Seed <= 40; ++Seed) {
    RandomGenerator::Seed(Seed);
    MazeGrid Grid;
    Grid.Reset(3 + RandomGenerator::Uniform(12), 3 + RandomGenerator::Uniform(12));
    int Placed = 0;
    for (int Word = 0; Word < 60; ++Word) {
      const std::optional<GridCell> Start = Grid.FindStartCell();
      if (!Start) break;
      std::vector<GridCell> Path{*Start};
      Grid.Set(Start->X, Start->Y, 'A');
      for (int Step = 0, Length = 1 + RandomGenerator::Uniform(8);
           Step < 30 && static_cast<int>(Path.size()) < Length; ++Step) {
        const int D = RandomGenerator::Uniform(4);
        const GridCell Next{Path.back().X + (D == 0) - (D == 2),
                            Path.back().Y + (D == 1) - (D == 3)};
        if (!Grid.IsFree(Next.X, Next.Y)) continue;
        Grid.Set(Next.X, Next.Y, 'B');
        Path.push_back(Next);
      }
      const bool Full = Grid.FreeCellsConnected(Placed + static_cast<int>(Path.size()));
      ASSERT_EQ(Grid.StaysConnectedWithout(Path), Full) << "seed " << Seed << ", word " << Word;
      if (Full) {
        Placed += static_cast<int>(Path.size());
        ++Joins;
      } else {
        for (const GridCell& Cell : Path) Grid.Set(Cell.X, Cell.Y, EmptyChar);
        ++Splits;
      }
    }
  }
  EXPECT_GT(Splits, 20);
  EXPECT_GT(Joins, 20);
}

TEST(MazeGridRegion, APathAcrossTheGridSplitsIt) {
  MazeGrid Grid = GridOf({".....", ".....", "....."});
  const std::vector<GridCell> Wall{{3, 1}, {3, 2}, {3, 3}};
  for (const GridCell& Cell : Wall) Grid.Set(Cell.X, Cell.Y, 'W');
  EXPECT_FALSE(Grid.StaysConnectedWithout(Wall));
  Grid.Set(3, 3, EmptyChar);
  EXPECT_TRUE(Grid.StaysConnectedWithout({{3, 1}, {3, 2}}));
}

TEST(MazeGrid, OutsideIsNeverFreeAndTextIsRowByRow) {
  MazeGrid Grid = GridOf({"AB.", "..C"});
  EXPECT_FALSE(Grid.IsFree(0, 1));
  EXPECT_FALSE(Grid.IsFree(4, 2));
  EXPECT_FALSE(Grid.IsFree(1, 3));
  Grid.Set(9, 9, 'Z');  // ignored
  EXPECT_EQ(Grid.Text(), std::string("AB") + EmptyChar + EmptyChar + EmptyChar + "C");
}

}  // namespace
}  // namespace vornic
