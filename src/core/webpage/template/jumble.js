// Jumbled text: each hint box holds a word's letters mixed up; the solver types the word into
// the boxes beside it. Words count from 1 in the order the page shows them (down each column
// of words, then the next column).
Games.jumble = function jumble(entry, view) {
  const data = entry.data;
  const hints = data.hints;
  const right = new Set();
  const sheet = h('div', { className: 'sheet', role: 'group', 'aria-label': 'The words to put right' });
  sheet.style.setProperty('--cols', data.cols);
  sheet.style.setProperty('--rows', data.rows);
  const answers = hints.map((hint, i) => {
    const boxes = new AnswerBoxes(hint.length, view.lang,
      (k, n) => `Word ${i + 1}, mixed up as ${hint.hint}: letter ${k + 1} of ${n}`, () => view.queue(() => check(i)));
    const box = h('div', { className: 'hint', 'aria-hidden': 'true' }, hint.hint);
    box.style.gridRow = hint.row;
    box.style.gridColumn = `${hint.from} / ${hint.to}`;
    sheet.append(box);
    boxes.inputs.forEach((input, k) => {
      input.style.gridRow = hint.row;
      input.style.gridColumn = hint.to + k;
      sheet.append(input);
    });
    return boxes;
  });
  view.body.append(h('p', { className: 'howto' },
    'Each grey box holds the letters of a word, mixed up. Type the word into the boxes beside it.'), sheet);

  async function check(i) {
    if (!view.check || right.has(i)) return false;
    const text = answers[i].value();
    const ok = (await view.seal(typedKey(text))) === hints[i].key;
    answers[i].judge(ok);
    if (ok) right.add(i);
    view.say(ok ? `${text} is right.` : `${text} is not the word yet.`);
    view.update();
    return ok;
  }

  return {
    total: hints.length,
    done: () => right.size,
    progressText: (done, total) => `${done} of ${total} words`,
    answer: async (i, text) => {
      if (!answers[i - 1]) return false;
      answers[i - 1].fill(text);
      return check(i - 1);
    },
    restart() {
      right.clear();
      answers.forEach((boxes) => boxes.reset());
    },
  };
};
