// Times two npm word search generators on the workloads of vornicpack-bench's BuildPuzzles:
// 15x10 with 8 words of 3-8 letters, 30x30 with 60 of 3-10, 50x50 with 150 of 3-12.
// Usage: npm install && node compare.js
const WordSearch = require("@blex41/word-search");
const wordsearch = require("wordsearch");

function randomWords(count, min, max, seed) {
  let state = seed + 1;
  const next = () => (state = (state * 1103515245 + 12345) % 2147483648) / 2147483648;
  const words = [];
  for (let i = 0; i < count; i++) {
    const length = min + Math.floor(next() * (max - min + 1));
    let word = "";
    for (let n = 0; n < length; n++) word += String.fromCharCode(65 + Math.floor(next() * 26));
    words.push(word);
  }
  return words;
}

function time(name, build, seconds) {
  let puzzles = 0, placed = 0, tried = 0;
  const start = process.hrtime.bigint();
  const limit = BigInt(Math.round(seconds * 1e9));
  while (process.hrtime.bigint() - start < limit) {
    const result = build(puzzles);
    placed += result.placed;
    tried += result.tried;
    puzzles++;
  }
  const elapsed = Number(process.hrtime.bigint() - start) / 1e9;
  console.log(`${name.padEnd(40)} ${(puzzles / elapsed).toFixed(1).padStart(10)} puzzles/s  placed ${(100 * placed / tried).toFixed(1)}%`);
}

for (const [cols, rows, count, max] of [[15, 10, 8, 8], [30, 30, 60, 10], [50, 50, 150, 12]]) {
  const label = `${cols}x${rows}, ${count} words 3-${max}`;
  time(`@blex41/word-search ${label}`, (seed) => {
    const words = randomWords(count, 3, max, seed);
    const ws = new WordSearch({ cols, rows, dictionary: words, maxWords: count, backwardsProbability: 0.5 });
    return { placed: ws.words.length, tried: count };
  }, 3);
  time(`wordsearch ${label}`, (seed) => {
    const words = randomWords(count, 3, max, seed);
    const result = wordsearch(words, cols, rows, { backwards: 0.5 });
    return { placed: count - result.unplaced.length, tried: count };
  }, 3);
}
