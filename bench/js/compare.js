// Times the npm word search generators on the workloads of vornicpack-bench's
// BuildRealWordPuzzles: real words from ../words.txt, 15x10 with 8 words of 3-8 letters, 30x30
// with 60 of 3-10, 50x50 with 150 of 3-12. Also counts, in the npm generator's grids, the words
// that can be read more than once (a second answer to the same word).
// Usage: npm install && node compare.js [seconds per workload]
const fs = require("fs");
const path = require("path");
const WordSearch = require("@blex41/word-search");
const wordsearch = require("wordsearch");

const List = fs.readFileSync(path.join(__dirname, "..", "words.txt"), "utf8")
  .split(/\r?\n/).filter((w) => w.length > 0).map((w) => w.toLowerCase());

// count distinct words of at most max letters, drawn with a small seeded generator
function drawWords(count, max, seed) {
  // xorshift32 in exact 32-bit integer steps (a product of doubles would lose bits and cycle)
  let state = (seed * 7919 + 1) >>> 0;
  const next = () => {
    state ^= state << 13; state >>>= 0;
    state ^= state >>> 17;
    state ^= state << 5; state >>>= 0;
    return state / 4294967296;
  };
  const pool = List.filter((w) => w.length <= max);
  const picked = new Set();
  while (picked.size < count) picked.add(pool[Math.floor(next() * pool.length)]);
  return [...picked];
}

// how many of the words can be read in more than one place along the eight directions
function repeatedWords(grid, words) {
  const rows = grid.length, cols = grid[0].length;
  let repeated = 0;
  for (const word of words) {
    const places = new Set();
    for (let y = 0; y < rows; y++)
      for (let x = 0; x < cols; x++)
        for (const [dx, dy] of [[0, 1], [0, -1], [1, 0], [-1, 0], [1, 1], [1, -1], [-1, 1], [-1, -1]]) {
          let k = 0;
          for (; k < word.length; k++) {
            const cx = x + k * dx, cy = y + k * dy;
            if (cx < 0 || cy < 0 || cx >= cols || cy >= rows || grid[cy][cx] !== word[k]) break;
          }
          if (k === word.length) {
            const a = y * cols + x, b = (y + (k - 1) * dy) * cols + x + (k - 1) * dx;
            places.add(Math.min(a, b) + ":" + Math.max(a, b));
          }
        }
    if (places.size > 1) repeated++;
  }
  return repeated;
}

// CPU seconds of this process: on a loaded machine, wall time would measure the other programs.
// vornicpack-bench's puzzles_per_s is per CPU second too.
function cpuSeconds() {
  const used = process.cpuUsage();
  return (used.user + used.system) / 1e6;
}

function time(name, build, seconds) {
  let puzzles = 0, placed = 0, tried = 0, repeats = 0, checked = 0;
  const start = cpuSeconds();
  let paused = 0;
  while (cpuSeconds() - start - paused < seconds) {
    const result = build(puzzles);
    placed += result.placed;
    tried += result.tried;
    if (result.grid && puzzles % 10 === 0) {
      // counted on every tenth puzzle, outside the timing
      const t = cpuSeconds();
      repeats += repeatedWords(result.grid, result.words);
      checked++;
      paused += cpuSeconds() - t;
    }
    puzzles++;
  }
  const elapsed = cpuSeconds() - start - paused;
  const repeatText = checked ? `  repeated words ${(repeats / checked).toFixed(2)}/puzzle` : "";
  console.log(`${name.padEnd(44)} ${(puzzles / elapsed).toFixed(1).padStart(10)} puzzles/s  placed ${(100 * placed / tried).toFixed(1)}%${repeatText}`);
}

const seconds = Number(process.argv[2] || 3);
for (const [cols, rows, count, max] of [[15, 10, 8, 8], [30, 30, 60, 10], [50, 50, 150, 12]]) {
  const label = `${cols}x${rows}, ${count} words 3-${max}`;
  time(`wordsearch ${label}`, (seed) => {
    const words = drawWords(count, max, seed);
    const result = wordsearch(words, cols, rows, { backwards: 0.5 });
    return { placed: count - result.unplaced.length, tried: count, grid: result.grid, words };
  }, seconds);
  time(`@blex41/word-search ${label}`, (seed) => {
    const words = drawWords(count, max, seed);
    const ws = new WordSearch({ cols, rows, dictionary: words, maxWords: count, backwardsProbability: 0.5 });
    return { placed: ws.words.length, tried: count };
  }, seconds);
}
