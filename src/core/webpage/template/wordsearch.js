// Word search: mark a word by a straight line from its first letter to its last (a drag, two taps,
// or Enter on both); it counts when its letters read a listed word either way.
Games.wordsearch = function wordSearch(entry, view) {
  const data = entry.data;
  const words = entry.words;
  const used = new Set();
  const foundPaths = new Set();
  let anchor = null;
  let preview = null;

  const board = new Board(data.grid, `Word search, ${data.grid.cols} columns by ${data.grid.rows} rows`, {
    activate: (at) => {
      if (!anchor) return choose(at);
      const from = anchor;
      forget();
      if (!sameCell(from, at)) view.queue(() => select(from, at));
    },
    cancel: forget,
    press: (at) => { if (!anchor) choose(at); },
    over: (at) => show(anchor, at),
    release: (at, moved) => {
      if (!anchor) return;
      if (!moved && sameCell(anchor, at)) return; // a tap: the first letter is chosen
      const from = anchor;
      forget();
      view.queue(() => select(from, at));
    },
  });
  view.body.append(h('p', { className: 'howto' },
    'Find the words in the grid. Drag from the first letter of a word to its last, or tap (or press Enter on) both.'),
  h('div', { className: 'layout' }, board.grid, view.wordList(words)));

  function choose(at) {
    forget();
    anchor = at;
    board.setState([at], 'picked', true);
    view.say(`First letter chosen: column ${at[0]}, row ${at[1]}. Now choose the last letter.`);
  }

  function forget() {
    anchor = null;
    board.clearState('picked');
    if (preview) preview.remove();
    preview = null;
  }

  // The cells from a to b when they lie on a line across, down or diagonal; else null.
  function line(a, b) {
    const dx = Math.sign(b[0] - a[0]);
    const dy = Math.sign(b[1] - a[1]);
    const steps = Math.max(Math.abs(b[0] - a[0]), Math.abs(b[1] - a[1]));
    if ((dx && dy && Math.abs(b[0] - a[0]) !== Math.abs(b[1] - a[1])) || !board.cell(...a) || !board.cell(...b)) return null;
    return Array.from({ length: steps + 1 }, (_, i) => [a[0] + i * dx, a[1] + i * dy]);
  }

  function show(a, b) {
    if (preview) preview.remove();
    const cells = line(a, b);
    preview = cells ? board.mark(cells, 'trace') : null;
  }

  async function select(a, b) {
    const cells = line(a, b);
    if (!cells || cells.length < 2) {
      view.say('A word runs in a straight line: across, down or diagonally.');
      return false;
    }
    const forward = board.lettersAlong(cells);
    const backward = Array.from(forward).reverse().join('');
    if (!view.check) {
      board.mark(cells, 'found');
      return true;
    }
    const key = pathKey([cells[0], cells[cells.length - 1]].sort());
    for (const letters of [forward, backward]) {
      const sealed = await view.seal(letters);
      const index = data.marks.findIndex((mark, i) => mark === sealed && !used.has(i));
      if (index < 0 || foundPaths.has(key)) continue;
      used.add(index);
      foundPaths.add(key);
      view.strike(letters);
      board.mark(cells, 'found');
      board.setState(cells, 'found', true);
      view.say(`Found: ${letters}.`);
      view.update();
      return true;
    }
    view.say(`${forward} is not one of the words.`);
    return false;
  }

  return {
    total: (data.marks || words).length,
    done: () => used.size,
    progressText: (done, total) => `${done} of ${total} words`,
    select,
    restart() {
      forget();
      used.clear();
      foundPaths.clear();
      board.clearMarks();
      board.clearState('found');
      view.unstrikeAll();
    },
  };
};
