// The page: a section per puzzle, a contents list for several, and window.VornicPuzzle.

// What every game's script gets: where to put its parts, how to talk to the solver, and how to
// judge an answer key against the sealed ones.
class PuzzleView {
  constructor(entry, number, check) {
    this.entry = entry;
    this.check = check;
    this.lang = entry.lang || undefined;
    this.chain = Promise.resolve();
    const id = `puzzle-${number}`;
    this.status = h('p', { className: 'status', role: 'status' });
    this.progressLine = h('p', { className: 'progress', 'aria-live': 'polite' });
    this.solvedLine = h('p', { className: 'solved', role: 'alert', hidden: true }, 'Solved. Well done!');
    this.body = h('div', { className: 'body' });
    const restart = h('button', { type: 'button', className: 'restart' }, 'Start again');
    restart.addEventListener('click', () => this.restart());
    this.section = h('section', { className: `puzzle ${entry.game}`, id, 'aria-labelledby': `${id}-title` },
      h('h2', { id: `${id}-title` }, entry.title),
      h('p', { className: 'nameline' }, 'Name: ', h('span'), ' Date: ', h('span')),
      this.body,
      h('div', { className: 'controls' }, this.progressLine, this.solvedLine, this.status, restart));
    this.game = Games[entry.game](entry, this);
    if (!check) this.progressLine.textContent = 'Answers are not checked on this page.';
    this.update();
  }

  // Runs the checks one after another, in the order the solver made them.
  queue(task) {
    const next = this.chain.then(task, task);
    this.chain = next.catch(() => undefined);
    return next;
  }

  seal(key) {
    return Sha256.hash(this.entry.salt + key);
  }

  say(text) {
    this.status.textContent = text;
  }

  progress() {
    return { done: this.check ? this.game.done() : 0, total: this.game.total, checked: this.check };
  }

  update() {
    if (!this.check) return;
    const { done, total } = this.progress();
    this.progressLine.textContent = this.game.progressText(done, total);
    const solved = total > 0 && done === total;
    this.solvedLine.hidden = !solved;
    this.section.classList.toggle('is-solved', solved);
  }

  restart() {
    this.game.restart();
    this.say('');
    this.update();
  }

  // The list of words to find, each struck through once found (see strike).
  wordList(words) {
    this.listItems = words.map((word) => h('li', {}, word));
    return h('div', { className: 'words' }, h('h3', {}, 'Words'), h('ul', {}, this.listItems));
  }

  // Strikes the first word of the list that is still open and reads as letters; false when
  // there is none.
  strike(letters) {
    const item = (this.listItems || []).find((li) => !li.classList.contains('found') && typedKey(li.textContent) === letters);
    if (!item) return false;
    item.classList.add('found');
    item.append(h('span', { className: 'sr' }, ' (found)'));
    return true;
  }

  unstrikeAll() {
    for (const li of this.listItems || []) {
      li.classList.remove('found');
      li.querySelectorAll('.sr').forEach((span) => span.remove());
    }
  }

  // The scripting interface of this puzzle: it can do only what the solver can.
  api() {
    const refuse = () => Promise.resolve(false);
    const game = this.game;
    return {
      progress: () => this.progress(),
      select: (x1, y1, x2, y2) => (game.select ? this.queue(() => game.select([x1, y1], [x2, y2])) : refuse()),
      trace: (cells) => (game.trace ? this.queue(() => game.trace(cells.map(([x, y]) => [x, y]))) : refuse()),
      answer: (i, text) => (game.answer ? this.queue(() => game.answer(i, String(text))) : refuse()),
      restart: () => this.restart(),
    };
  }
}

(function start() {
  const data = JSON.parse(document.getElementById('puzzle-data').textContent);
  const page = document.getElementById('page');
  const views = data.puzzles.map((entry, i) => new PuzzleView(entry, i + 1, data.check));
  page.append(h('h1', {}, data.title));
  if (views.length > 1) {
    page.append(h('nav', { className: 'contents', 'aria-label': 'Contents' }, h('h2', {}, 'Contents'),
      h('ol', {}, views.map((view) => h('li', {}, h('a', { href: `#${view.section.id}` }, view.entry.title))))));
  }
  views.forEach((view) => page.append(view.section));
  const apis = views.map((view) => view.api());
  // The first puzzle's interface, and every puzzle's by its number from 1.
  globalThis.VornicPuzzle = Object.freeze(Object.assign({}, apis[0], {
    count: apis.length,
    puzzle: (n) => apis[n - 1],
  }));
})();
