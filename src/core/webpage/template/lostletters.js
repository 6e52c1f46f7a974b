// Lost letters: the letters of each column have fallen out of order in the upper block; the
// solver types the phrase into the answer block below, whose shaded cells stay blank.
Games.lostletters = function lostLetters(entry, view) {
  const data = entry.data;
  const { cols, rows } = data.grid;
  const blanks = new Set(data.blanks);
  const board = new Board(data.grid, `Mixed letters, ${cols} columns by ${rows} rows`, {});
  let solved = false;
  const boxes = new AnswerBoxes(cols * rows - blanks.size, view.lang, (k, n) => {
    let cell = -1;
    for (let seen = -1; seen < k;) if (!blanks.has(++cell)) seen++;
    return `Answer, column ${(cell % cols) + 1}, row ${Math.floor(cell / cols) + 1}: letter ${k + 1} of ${n}`;
  }, () => view.queue(() => check()));
  const block = h('div', { className: 'sheet answer', role: 'group', 'aria-label': 'The answer block' });
  block.style.setProperty('--cols', cols);
  let next = 0;
  for (let cell = 0; cell < cols * rows; cell++) block.append(blanks.has(cell) ? h('span', { className: 'blank' }) : boxes.inputs[next++]);
  view.body.append(h('p', { className: 'howto' },
    'The letters of each column have fallen out of order. Type the phrase into the boxes below, one letter a box; the grey cells are the gaps between words.'),
  board.grid, block);

  async function check() {
    if (!view.check || solved) return false;
    solved = (await view.seal(typedKey(boxes.value()))) === data.key;
    boxes.judge(solved);
    view.say(solved ? 'That is the phrase.' : 'That is not the phrase yet.');
    view.update();
    return solved;
  }

  return {
    total: 1,
    done: () => (solved ? 1 : 0),
    progressText: (done, total) => `${done} of ${total} phrase`,
    answer: async (i, text) => {
      if (i !== 1) return false;
      boxes.fill(text);
      return check();
    },
    restart() {
      solved = false;
      boxes.reset();
    },
  };
};
