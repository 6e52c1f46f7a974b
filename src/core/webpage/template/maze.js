// Word maze: a word's path bends from cell to side-by-side cell. The solver traces it (a drag
// through its letters, taps or Enter on one letter after another); it counts when it is the
// word's own path, either way round. The phrase, in the cells left over, is typed into boxes.
Games.maze = function maze(entry, view) {
  const data = entry.data;
  const marks = data.marks || [];
  const used = new Set();
  const taken = new Set();
  let trace = [];
  let line = null;
  let phraseDone = false;

  const board = new Board(data.grid, `Word maze, ${data.grid.cols} columns by ${data.grid.rows} rows`, {
    activate: (at) => (trace.length && sameCell(at, trace[trace.length - 1]) ? view.queue(finish) : extend(at, true)),
    cancel: () => drop(),
    back: () => { trace.pop(); draw(); },
    press: (at) => (trace.length > 1 && sameCell(at, trace[trace.length - 1]) ? view.queue(finish) : extend(at, true)),
    over: (at) => extend(at, false),
    release: (at, moved) => { if (moved) view.queue(finish); },
  });
  const groups = (data.phrase && data.phrase.groups) || [];
  const count = groups.reduce((a, b) => a + b, 0);
  const boxes = new AnswerBoxes(count, view.lang, (i, n) => `Phrase, letter ${i + 1} of ${n}`, () => view.queue(() => checkPhrase()));
  const phrase = h('div', { className: 'boxes phrase', role: 'group', 'aria-label': 'The phrase' });
  let at = 0;
  groups.forEach((length) => {
    phrase.append(h('span', { className: 'boxgroup' }, boxes.inputs.slice(at, at + length)));
    at += length;
  });
  view.body.append(h('p', { className: 'howto' },
    'Find the words: their paths bend. Drag through a word\'s letters, or tap (or press Enter on) them one after another and tap the last one again. Then type the phrase that the letters left over spell.'),
  h('div', { className: 'layout' }, board.grid, view.wordList(entry.words)),
  h('h3', {}, 'The phrase'), phrase);

  function draw() {
    if (line) line.remove();
    line = trace.length ? board.mark(trace, 'trace') : null;
    board.clearState('picked');
    board.setState(trace, 'picked', true);
  }

  function drop() {
    trace = [];
    draw();
  }

  // Adds a cell to the trace: the next side-by-side cell, or a step back onto the one before;
  // a fresh start anywhere else when the solver presses there.
  function extend(cell, pressed) {
    if (taken.has(pathKey([cell]))) return;
    const last = trace[trace.length - 1];
    if (trace.length > 1 && sameCell(cell, trace[trace.length - 2])) trace.pop();
    else if (last && besides(last, cell) && !trace.some((c) => sameCell(c, cell))) trace.push(cell);
    else if (pressed) trace = [cell];
    draw();
  }

  async function judge(cells) {
    if (cells.length < 2) return false;
    const ways = [cells, cells.slice().reverse()];
    const path = ways.map(pathKey).sort()[0];
    for (const way of ways) {
      const letters = board.lettersAlong(way);
      const sealed = await view.seal(`${typedKey(letters)}@${path}`);
      const index = marks.findIndex((mark, i) => mark === sealed && !used.has(i));
      if (index < 0) continue;
      used.add(index);
      cells.forEach((c) => taken.add(pathKey([c])));
      view.strike(typedKey(letters));
      board.mark(way, 'found');
      board.setState(way, 'found', true);
      view.say(`Found: ${letters}.`);
      view.update();
      return true;
    }
    view.say(`${board.lettersAlong(cells)} is not the path of one of the words.`);
    return false;
  }

  async function finish() {
    const cells = trace;
    drop();
    if (!view.check) {
      if (cells.length > 1) board.mark(cells, 'found');
      return cells.length > 1;
    }
    return judge(cells);
  }

  async function checkPhrase() {
    if (!view.check || phraseDone) return false;
    const right = (await view.seal(typedKey(boxes.value()))) === data.phrase.key;
    boxes.judge(right);
    phraseDone = right;
    view.say(right ? 'That is the phrase.' : 'That is not the phrase yet.');
    view.update();
    return right;
  }

  return {
    total: (view.check ? marks.length : entry.words.length) + (data.phrase ? 1 : 0),
    done: () => used.size + (phraseDone ? 1 : 0),
    progressText: () => `${used.size} of ${marks.length} words${phraseDone ? ' and the phrase' : ', phrase not yet found'}`,
    trace: async (cells) => {
      trace = cells;
      return finish();
    },
    answer: async (i, text) => {
      if (i !== 1) return false;
      boxes.fill(text);
      return checkPhrase();
    },
    restart() {
      drop();
      used.clear();
      taken.clear();
      phraseDone = false;
      board.clearMarks();
      board.clearState('found');
      boxes.reset();
      view.unstrikeAll();
    },
  };
};
