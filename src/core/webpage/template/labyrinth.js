// Labyrinth: from the start mark, the solver follows the text from letter to side-by-side letter
// (drag, taps or Enter), and may go back (Backspace, or a tap on an earlier cell of the way).
// Each step is judged against the sealed ways: a step no way takes is refused, a trap is shown
// once it dead-ends, and the main path's last cell at the border finishes.
Games.labyrinth = function labyrinth(entry, view) {
  const data = entry.data;
  const steps = new Set(data.steps || []);
  const ends = new Set(data.ends || []);
  const start = data.start;
  let way = start ? [start] : [];
  let line = null;
  let out = false;

  const board = new Board(data.grid, `Labyrinth, ${data.grid.cols} columns by ${data.grid.rows} rows`, {
    activate: (at) => view.queue(() => go(at)),
    back: () => view.queue(() => cut(way.length - 2)),
    press: (at) => view.queue(() => go(at)),
    over: (at) => view.queue(() => go(at)),
  });
  if (start) board.setState([start], 'start', true);
  view.body.append(h('p', { className: 'howto' },
    'Start at the dark cell and follow the text from letter to neighbouring letter until you reach the other border. Drag, or tap (or press Enter on) one letter after another; Backspace or a tap on an earlier letter goes back.'),
  board.grid);

  function draw() {
    if (line) line.remove();
    line = way.length > 1 ? board.mark(way, 'trace') : null;
    board.clearState('way');
    board.setState(way.slice(1), 'way', true);
    view.update();
  }

  // Goes back to the index-th cell of the way (never before the start).
  function cut(index) {
    if (out) return false;
    way = way.slice(0, Math.max(index, 0) + 1);
    draw();
    return true;
  }

  async function go(cell) {
    if (out || !start) return false;
    const earlier = way.findIndex((c) => sameCell(c, cell));
    if (earlier >= 0) return earlier < way.length - 1 ? cut(earlier) : false;
    if (!besides(way[way.length - 1], cell)) {
      view.say('Go on from the last letter of your way to a letter beside it.');
      return false;
    }
    const next = way.concat([cell]);
    if (!view.check) {
      way = next;
      draw();
      return true;
    }
    const sealed = await view.seal(pathKey(next));
    if (sealed === data.way) {
      way = next;
      out = true;
      draw();
      view.say('You are out!');
      view.update();
      return true;
    }
    if (!steps.has(sealed)) {
      view.say(`${board.letter(...cell)} does not go on from there.`);
      return false;
    }
    way = next;
    draw();
    view.say('');
    if (ends.has(sealed)) await deadEnd();
    return true;
  }

  // The way ran into a trap: the trap is shown from where it forks off (the last cell of the way
  // from which another step leads on), and the way goes back there.
  async function deadEnd() {
    for (let fork = way.length - 2; fork >= 0; fork--) {
      const before = way.slice(0, fork + 1);
      for (const [dx, dy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
        const cell = [way[fork][0] + dx, way[fork][1] + dy];
        if (sameCell(cell, way[fork + 1]) || before.some((c) => sameCell(c, cell))) continue;
        if (!steps.has(await view.seal(pathKey(before.concat([cell]))))) continue;
        board.mark(way.slice(fork), 'dead');
        board.setState(way.slice(fork + 1), 'dead', true);
        cut(fork);
        view.say('Dead end: back to where the way forks.');
        return;
      }
    }
  }

  return {
    total: 1,
    done: () => (out ? 1 : 0),
    progressText: () => (out ? 'You found the way out.' : `${way.length} letters on your way`),
    trace: async (cells) => {
      let from = cells;
      if (cells.length && sameCell(cells[0], start)) {
        cut(0);
        from = cells.slice(1);
      }
      for (const cell of from) if (!(await go(cell))) return false;
      return true;
    },
    restart() {
      out = false;
      way = start ? [start] : [];
      board.clearMarks();
      board.clearState('dead');
      draw();
    },
  };
};
