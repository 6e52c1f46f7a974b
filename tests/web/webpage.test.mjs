// The web pages to solve, in Debian's chromium-headless-shell: each game's page loads from a
// file, is solved through real mouse and keyboard events and through window.VornicPuzzle, refuses
// wrong answers, requests nothing over the network, keeps hostile text as text, and hides its
// answers from view-source. Screenshots go to WORK_DIR/shots for a person to look at.
import { execFileSync } from 'node:child_process';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const [cli, work] = process.argv.slice(2).map((p) => path.resolve(p));
const puppeteer = createRequire(path.join(work, 'package.json'))('puppeteer-core');
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vornic-web-'));
const shots = path.join(work, 'shots');
fs.mkdirSync(shots, { recursive: true });
const run = (...args) => execFileSync(cli, args, { env: { ...process.env, VORNICPACK_HOME: dir }, encoding: 'utf8' });
const file = (name) => path.join(dir, name);
const hostile = `</script><img src=x onerror=alert(1)>"'<!--`;

// The puzzles, each built reproducibly, and what `info --json` says of them.
run('wordsearch', '-o', file('ws.gm'), '--size', '10x8', '--words', 'CAT,HORSE,DOG,<!--', '--fill', '--seed', '7');
run('maze', '-o', file('maze.gm'), '--phrase', 'SPRING', '--words', 'TULIP,DAISY,ROSE,IRIS,LILY,POPPY', '--seed', '3');
run('labyrinth', '-o', file('lab.gm'), '--text', 'FIND THE WAY OUT OF HERE', '--size', '8x6', '--seed', '5');
run('jumble', '-o', file('jumble.gm'), '--text', 'THE CAT SAT ON THE WARM MAT', '--seed', '2');
run('lostletters', '-o', file('lost.gm'), '--text', 'HELLO WORLD', '--lines', '2', '--seed', '4');
const info = (name) => JSON.parse(run('info', file(name), '--json'));
const cells = (after) => Array.from({ length: after.length >> 1 }, (_, i) => [after[2 * i] - 100, after[2 * i + 1] - 100]);
const page = (gm, ...more) => {
  const out = file(`${gm}.html`);
  run('webpage', file(gm), '-o', out, ...more);
  return out;
};

let browser;
try {
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium-headless-shell',
    headless: 'shell',
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'vornic-chromium-')),
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run', '--disable-sync'],
  });
} catch (error) {
  console.log(`The browser cannot start: ${error.message}`);
  if (process.env.CI === 'true') process.exit(1);
  console.log('Skipped: the web page tests need chromium-headless-shell');
  process.exit(77);
}

// Opens a page file; counts every request beyond the file itself and every dialog.
async function open(htmlFile, before) {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 1000, height: 900 });
  tab.requests = [];
  tab.dialogs = 0;
  tab.on('request', (request) => { if (request.url() !== `file://${htmlFile}`) tab.requests.push(request.url()); });
  tab.on('dialog', (dialog) => { tab.dialogs++; dialog.dismiss(); });
  tab.on('pageerror', (error) => { throw error; });
  if (before) await tab.evaluateOnNewDocument(before);
  await tab.goto(`file://${htmlFile}`);
  return tab;
}
const api = (tab, call, ...args) => tab.evaluate((c, a) => VornicPuzzle[c](...a), call, args);
const text = (tab, selector) => tab.$eval(selector, (e) => e.textContent);
const centre = async (tab, [x, y]) => {
  const box = await (await tab.$(`.grid .cell[data-x="${x}"][data-y="${y}"]`)).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
};
async function drag(tab, path) {
  await tab.mouse.move(...(await centre(tab, path[0])));
  await tab.mouse.down();
  for (const cell of path.slice(1)) await tab.mouse.move(...(await centre(tab, cell)), { steps: 3 });
  await tab.mouse.up();
  await tab.evaluate(() => new Promise((r) => setTimeout(r, 50)));
}
async function finish(tab, name, total) {
  assert.deepEqual(await api(tab, 'progress'), { done: total, total, checked: true }, name);
  assert.equal(await tab.$eval('.solved', (e) => e.hidden), false, `${name}: the solved message shows`);
  assert.deepEqual(tab.requests, [], `${name}: no request`);
  await tab.screenshot({ path: path.join(shots, `${name}.png`), fullPage: true });
  await api(tab, 'restart');
  assert.equal((await api(tab, 'progress')).done, 0, `${name}: Start again`);
  await tab.close();
}

// Word search: a drag for the first word, the scripting interface for the others (one from
// its last letter back to its first); a wrong line and a repeat are refused.
{
  const words = info('ws.gm').words.map((w) => cells(w.after));
  const tab = await open(page('ws.gm', '--title', hostile));
  assert.equal(await tab.title(), hostile);
  assert.equal(await text(tab, 'h1'), hostile);
  assert.equal(await tab.$$eval('img', (e) => e.length), 0, 'no injected markup');
  assert.equal(await api(tab, 'select', 1, 1, 3, 2), false, 'not a straight line');
  await drag(tab, words[0]);
  assert.equal(await text(tab, '.progress'), `1 of ${words.length} words`);
  const [first, last] = [words[0][0], words[0].at(-1)];
  assert.equal(await api(tab, 'select', ...first, ...last), false, 'found once only');
  for (const w of words.slice(1)) assert.equal(await api(tab, 'select', ...w.at(-1), ...w[0]), true);
  assert.equal(await tab.$$eval('.words li.found', (e) => e.length), words.length);
  assert.equal(tab.dialogs, 0);
  await finish(tab, 'wordsearch', words.length);
}

// Word maze: a drag along a bending path, the other words traced, a wrong phrase refused and
// the right one typed on the keyboard.
{
  const entries = info('maze.gm').words;
  const html = fs.readFileSync(page('maze.gm'), 'utf8');
  assert.equal(html.includes('SPRING'), false, 'the phrase is not in the page');
  const tab = await open(file('maze.gm.html'));
  const paths = entries.slice(1).map((w) => cells(w.after));
  await drag(tab, paths[0]);
  assert.match(await text(tab, '.progress'), /^1 of 6 words/);
  assert.equal(await api(tab, 'trace', paths[1].slice(0, -1)), false, 'part of a word');
  for (const p of paths.slice(1)) assert.equal(await api(tab, 'trace', p), true);
  assert.equal(await api(tab, 'answer', 1, 'SPRONG'), false);
  await tab.click('.phrase .box');
  await tab.keyboard.type('spring');
  await tab.waitForFunction(() => VornicPuzzle.progress().done === 7);
  await finish(tab, 'maze', 7);
}

// Labyrinth: a step off every way is refused, a trap dead-ends, the way out is walked with the
// keyboard for two steps and traced for the rest.
{
  const entries = info('lab.gm').words.map((w) => cells(w.after.slice(0, w.after.indexOf(5))));
  const tab = await open(page('lab.gm'));
  const way = entries[0];
  const onAny = (c) => entries.some((e) => e.some((d) => d[0] === c[0] && d[1] === c[1]));
  const off = [[1, 0], [-1, 0], [0, 1], [0, -1]].map(([dx, dy]) => [way[0][0] + dx, way[0][1] + dy])
    .find((c) => c[0] >= 1 && c[1] >= 1 && c[0] <= 8 && c[1] <= 6 && !onAny(c));
  if (off) assert.equal(await api(tab, 'trace', [off]), false, 'a step off the ways');
  // Every trap, reached along the way it branches from (the main path or an earlier trap),
  // dead-ends.
  const ways = [way];
  for (const trap of entries.slice(1)) {
    const from = ways.find((w) => w.some((c) => c[0] === trap[0][0] && c[1] === trap[0][1]));
    const at = from.findIndex((c) => c[0] === trap[0][0] && c[1] === trap[0][1]);
    ways.push([...from.slice(0, at + 1), ...trap.slice(1)]);
    assert.equal(await api(tab, 'trace', ways.at(-1)), true, 'a trap is a way until its end');
    assert.match(await text(tab, '.status'), /^Dead end/);
    assert.equal(await tab.$$eval('.cell.dead', (e) => e.length) >= trap.length - 1, true, 'the trap shows');
  }
  const deadOnWay = (e, w) => e.some((c) => w.some(([x, y]) => +c.dataset.x === x && +c.dataset.y === y));
  assert.equal(await tab.$$eval('.cell.dead', deadOnWay, way), false, 'only the traps show as dead ends');
  await api(tab, 'trace', [way[0]]);
  await tab.focus(`.cell[data-x="${way[0][0]}"][data-y="${way[0][1]}"]`);
  for (const [from, to] of [[way[0], way[1]], [way[1], way[2]]]) {
    const key = to[0] > from[0] ? 'ArrowRight' : to[0] < from[0] ? 'ArrowLeft' : to[1] > from[1] ? 'ArrowDown' : 'ArrowUp';
    await tab.keyboard.press(key);
    await tab.keyboard.press('Enter');
  }
  await tab.waitForFunction(() => document.querySelectorAll('.cell.way').length === 2);
  assert.equal(await api(tab, 'trace', way.slice(3)), true);
  await finish(tab, 'labyrinth', 1);
}

// Jumbled text: the first word typed in lower case, a wrong word refused, the rest answered.
{
  const doc = info('jumble.gm');
  const answers = doc.words.slice(1).map((w) => {
    const [a, b] = w.after.slice(-2).map((v) => v - 100);
    const y = w.after.at(-3) - 100;
    return Array.from(doc.grid[y - 1]).slice(b - 1, b - 1 + w.text.length).join('');
  });
  assert.equal(fs.readFileSync(page('jumble.gm'), 'utf8').includes('WARM'), false, 'no word in the page');
  const tab = await open(file('jumble.gm.html'));
  await tab.click('.sheet .box');
  await tab.keyboard.type(answers[0].toLowerCase());
  await tab.waitForFunction(() => VornicPuzzle.progress().done === 1);
  assert.equal(await text(tab, '.progress'), `1 of ${answers.length} words`);
  assert.equal(await api(tab, 'answer', 2, 'X'.repeat(answers[1].length)), false);
  for (let i = 1; i < answers.length; i++) assert.equal(await api(tab, 'answer', i + 1, answers[i]), true);
  await finish(tab, 'jumble', answers.length);
}

// Lost letters: a wrong phrase refused, the right one typed; hashing without Web Crypto.
for (const subtle of [true, false]) {
  const tab = await open(page('lost.gm'), subtle ? undefined : () => { Object.defineProperty(crypto, 'subtle', { value: undefined }); });
  assert.equal(await tab.evaluate(() => Boolean(crypto.subtle)), subtle);
  assert.equal(await api(tab, 'answer', 1, 'HELLO WORDL'), false);
  await tab.click('.answer .box');
  await tab.keyboard.type('hello world');
  await tab.waitForFunction(() => VornicPuzzle.progress().done === 1);
  await finish(tab, subtle ? 'lostletters' : 'lostletters-script-hash', 1);
}

// The script's own digest agrees with Web Crypto's.
{
  const tab = await open(file('lost.gm.html'));
  const same = await tab.evaluate(async () => {
    const samples = ['', 'abc', 'é'.repeat(70), '日本'.repeat(33)];
    const bytes = (t) => new TextEncoder().encode(t);
    const hex = (b) => Array.from(new Uint8Array(b), (v) => v.toString(16).padStart(2, '0')).join('');
    const pairs = await Promise.all(samples.map(async (t) => [Sha256.digest(bytes(t)), hex(await crypto.subtle.digest('SHA-256', bytes(t)))]));
    return pairs.every(([a, b]) => a === b);
  });
  assert.equal(same, true);
  await tab.close();
}

// A batch with a contents list, and a page without checking.
{
  const batch = file('batch.html');
  run('webpage', ...['ws', 'maze', 'lab', 'jumble', 'lost'].map((n) => file(`${n}.gm`)), '-o', batch, '--no-check');
  const data = fs.readFileSync(batch, 'utf8').split('id="puzzle-data">')[1].split('</script>')[0];
  assert.equal(/"(marks|key|steps|ends|way|salt)"/.test(data), false, 'no answers');
  const tab = await open(batch);
  assert.equal(await tab.$$eval('nav.contents a', (e) => e.length), 5);
  assert.equal(await tab.evaluate(() => VornicPuzzle.count), 5);
  assert.equal(await api(tab, 'select', 1, 1, 1, 3), true, 'any straight line marks');
  assert.deepEqual(await tab.evaluate(() => VornicPuzzle.puzzle(4).progress()), { done: 0, total: 7, checked: false });
  assert.deepEqual(tab.requests, []);
  await tab.screenshot({ path: path.join(shots, 'batch.png'), fullPage: true });
  await tab.close();
}

await browser.close();
fs.rmSync(dir, { recursive: true, force: true });
console.log('All web page tests passed');
