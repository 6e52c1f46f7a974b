// The npm side of the word search comparison, and the table of both sides.
//
//   node compare.js time SECONDS          times the npm generators, prints JSON
//   node compare.js table OURS NPM ...    prints the table from rounds of vornicpack-bench JSON
//                                         (OURS) and `time` output (NPM), in pairs
//
// Like for like with vornicpack-bench's RealWordPuzzles: the same workloads (15x10 with 8 words
// of 3-8 letters, 30x30 with 60 of 3-10, 50x50 with 150 of 3-12), the same 256 word lists per
// workload (drawn from ../words.txt with the same xorshift32 arithmetic, before the timing), one
// warm process timing nothing but the builds, in processor seconds; after the timing, one untimed
// pass over the 256 lists counts the share of words placed and, by the same brute-force scan as
// ours, the words per puzzle that can be read more than once.
const fs = require("fs");
const path = require("path");
const wordsearch = require("wordsearch");

const Workloads = [[15, 10, 8, 8], [30, 30, 60, 10], [50, 50, 150, 12]];
const Lists = 256;

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

// processor seconds of this process, as vornicpack-bench's puzzles_per_s counts them
function cpuSeconds() {
  const used = process.cpuUsage();
  return (used.user + used.system) / 1e6;
}

const Generators = {
  wordsearch: (words, cols, rows) => {
    const result = wordsearch(words, cols, rows, { backwards: 0.5 });
    return { placed: words.length - result.unplaced.length, grid: result.grid };
  },
};

// puzzles per processor second over at least `seconds`, after a short warm-up, then the
// untimed quality pass
function measure(build, lists, cols, rows, seconds) {
  let sink = 0;
  for (const start = cpuSeconds(); cpuSeconds() - start < Math.min(0.5, seconds / 4);)
    sink += build(lists[sink % lists.length], cols, rows).placed;
  let puzzles = 0;
  const start = cpuSeconds();
  let elapsed = 0;
  // the clock is read every 16 puzzles, so that reading it costs next to nothing
  while (elapsed < seconds) {
    for (let i = 0; i < 16; i++, puzzles++) sink += build(lists[puzzles % lists.length], cols, rows).placed;
    elapsed = cpuSeconds() - start;
  }
  let placed = 0, tried = 0, repeats = 0;
  for (const words of lists) {
    const result = build(words, cols, rows);
    placed += result.placed;
    tried += words.length;
    repeats += repeatedWords(result.grid, words);
  }
  return { puzzles_per_s: puzzles / elapsed, placed_share: placed / tried, repeated_words: repeats / lists.length, sink };
}

function time(seconds) {
  const out = [];
  for (const [cols, rows, count, max] of Workloads) {
    const lists = [];
    for (let seed = 0; seed < Lists; seed++) lists.push(drawWords(count, max, seed));
    for (const [name, build] of Object.entries(Generators))
      out.push({ generator: name, cols, rows, words: count, ...measure(build, lists, cols, rows, seconds) });
  }
  console.log(JSON.stringify(out));
}

// vornicpack-bench's JSON: RealWordPuzzles/<path>/cols:../rows:../words:../maxlen:..
function oursOf(file) {
  const found = {};
  for (const b of JSON.parse(fs.readFileSync(file, "utf8")).benchmarks) {
    const m = /^RealWordPuzzles\/(\w+)\/cols:(\d+)\/rows:(\d+)\/words:(\d+)/.exec(b.name);
    if (m) found[`${m[1]} ${m[2]}x${m[3]} ${m[4]}`] = b;
  }
  return found;
}

function table(files) {
  const rounds = [];
  for (let i = 0; i + 1 < files.length; i += 2)
    rounds.push({ ours: oursOf(files[i]), npm: JSON.parse(fs.readFileSync(files[i + 1], "utf8")) });
  const k = (v) => (v >= 1000 ? `${(v / 1000).toFixed(1)}k/s` : `${v.toFixed(0)}/s`);
  const share = (v) => `${(100 * v).toFixed(1)}%`;
  const all = (f) => rounds.map(f).join(", ");
  console.log("| workload | ours, list path | ours, one word at a time | npm `wordsearch` | list path / npm | one word / npm | ours placed / repeats (list; one word) | npm placed / repeats |");
  console.log("|---|---|---|---|---|---|---|---|");
  for (const [cols, rows, count] of Workloads) {
    const key = `${cols}x${rows} ${count}`;
    const npm = (r, g) => r.npm.find((e) => e.generator === g && e.cols === cols && e.rows === rows);
    const list = (r) => r.ours[`list ${key}`], one = (r) => r.ours[`one_word ${key}`];
    const last = rounds[rounds.length - 1];
    const quality = (e) => `${share(e.placed_share)} / ${e.repeated_words.toFixed(2)}`;
    console.log(`| ${cols}x${rows}, ${count} words | ${all((r) => k(list(r).puzzles_per_s))} | ${all((r) => k(one(r).puzzles_per_s))} | ` +
      `${all((r) => k(npm(r, "wordsearch").puzzles_per_s))} | ` +
      `${all((r) => (list(r).puzzles_per_s / npm(r, "wordsearch").puzzles_per_s).toFixed(2) + "x")} | ` +
      `${all((r) => (one(r).puzzles_per_s / npm(r, "wordsearch").puzzles_per_s).toFixed(2) + "x")} | ` +
      `${quality(list(last))}; ${quality(one(last))} | ${quality(npm(last, "wordsearch"))} |`);
  }
  console.log(`\n${rounds.length} round(s), each ours then npm; puzzles per processor second; placed share and repeated words per puzzle from the last round's untimed pass over 256 lists.`);
}

const [mode, ...rest] = process.argv.slice(2);
if (mode === "time") time(Number(rest[0] || 3));
else if (mode === "table") table(rest);
else {
  console.error("usage: node compare.js time SECONDS | node compare.js table OURS.json NPM.json ...");
  process.exit(2);
}
