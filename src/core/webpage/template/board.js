// Building blocks of every puzzle: elements, and the grid of letters the solver marks on.

// An element with properties (attributes for names with a dash or "role") and children; text
// children become text nodes, so data is never read as markup.
function h(tag, props, ...children) {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(props || {})) {
    if (value === undefined || value === null) continue;
    if (!name.includes('-') && name !== 'role') node[name] = value;
    else if (value !== false) node.setAttribute(name, value === true ? '' : value);
  }
  for (const child of children.flat()) {
    if (child !== undefined && child !== null) node.append(typeof child === 'string' ? document.createTextNode(child) : child);
  }
  return node;
}

const SVG = 'http://www.w3.org/2000/svg';

// A grid of letters as an ARIA grid: one cell takes the tab stop, the arrow keys (and Home, End,
// PageUp, PageDown) move it, Enter or Space acts on the cell, Escape and Backspace go to the
// game. Mouse, pen and touch report the cells they press, pass over and release. Cells count
// from 1, x the column and y the row. Lines through cell centres (marks) are drawn under the
// letters in an SVG layer.
class Board {
  constructor(grid, label, handlers) {
    this.cols = grid.cols;
    this.rows = grid.rows;
    this.letters = grid.cells;
    this.handlers = handlers || {};
    this.cells = [];
    this.focus = { x: 1, y: 1 };
    this.layer = document.createElementNS(SVG, 'svg');
    this.layer.setAttribute('viewBox', `0 0 ${this.cols} ${this.rows}`);
    this.layer.setAttribute('preserveAspectRatio', 'none');
    this.layer.setAttribute('aria-hidden', 'true');
    this.layer.classList.add('marks');
    const rows = [];
    for (let y = 1; y <= this.rows; y++) {
      const row = h('div', { className: 'row', role: 'row' });
      for (let x = 1; x <= this.cols; x++) {
        const cell = h('div', { className: 'cell', role: 'gridcell', tabIndex: -1 }, this.letter(x, y));
        cell.dataset.x = x;
        cell.dataset.y = y;
        this.cells.push(cell);
        row.append(cell);
      }
      rows.push(row);
    }
    this.grid = h('div', { className: 'grid', role: 'grid', 'aria-label': label }, h('div', { className: 'cells' }, this.layer, rows));
    this.grid.style.setProperty('--cols', this.cols);
    this.cells.forEach((cell) => this.describe(cell));
    if (this.cells.length) this.cells[0].tabIndex = 0;
    this.listen();
  }

  letter(x, y) {
    const row = this.letters[y - 1];
    return (row && row[x - 1]) || '';
  }

  cell(x, y) {
    return x >= 1 && y >= 1 && x <= this.cols && y <= this.rows ? this.cells[(y - 1) * this.cols + x - 1] : null;
  }

  // The letters along cells, joined.
  lettersAlong(cells) {
    return cells.map(([x, y]) => this.letter(x, y)).join('');
  }

  // What a screen reader says of a cell: its letter, its place and its states.
  describe(cell) {
    const x = Number(cell.dataset.x);
    const y = Number(cell.dataset.y);
    const states = Array.from(cell.classList).filter((c) => c !== 'cell').map((c) => Board.stateNames[c]).filter(Boolean);
    cell.setAttribute('aria-label', [this.letter(x, y) || 'blank', `column ${x}`, `row ${y}`, ...states].join(', '));
    cell.setAttribute('aria-selected', cell.classList.contains('picked') ? 'true' : 'false');
  }

  // Adds or removes a state class on the cells ([x, y] pairs).
  setState(cells, state, on) {
    for (const [x, y] of cells) {
      const cell = this.cell(x, y);
      if (!cell) continue;
      cell.classList.toggle(state, on);
      this.describe(cell);
    }
  }

  clearState(state) {
    this.setState(this.cells.filter((c) => c.classList.contains(state)).map((c) => [Number(c.dataset.x), Number(c.dataset.y)]), state, false);
  }

  // A line of style kind through the centres of cells; returns it for removal.
  mark(cells, kind) {
    const group = document.createElementNS(SVG, 'g');
    group.classList.add(kind);
    const points = cells.map(([x, y], i) => `${x - 0.5 + (cells.length === 1 && i === 0 ? 0.001 : 0)},${y - 0.5}`);
    if (cells.length === 1) points.push(`${cells[0][0] - 0.5},${cells[0][1] - 0.5}`);
    for (const part of ['edge', 'fill']) {
      const line = document.createElementNS(SVG, 'polyline');
      line.setAttribute('points', points.join(' '));
      line.classList.add(part);
      group.append(line);
    }
    this.layer.append(group);
    return group;
  }

  clearMarks(kind) {
    this.layer.querySelectorAll(kind ? `g.${kind}` : 'g').forEach((g) => g.remove());
  }

  moveFocus(x, y) {
    const target = this.cell(Math.min(Math.max(x, 1), this.cols), Math.min(Math.max(y, 1), this.rows));
    if (!target) return;
    this.cells.forEach((c) => { c.tabIndex = -1; });
    target.tabIndex = 0;
    target.focus();
    this.focus = { x: Number(target.dataset.x), y: Number(target.dataset.y) };
  }

  cellAt(event) {
    const target = document.elementFromPoint(event.clientX, event.clientY);
    const cell = target && target.closest && target.closest('.cell');
    return cell && this.grid.contains(cell) ? [Number(cell.dataset.x), Number(cell.dataset.y)] : null;
  }

  listen() {
    const call = (name, ...args) => this.handlers[name] && this.handlers[name](...args);
    this.grid.addEventListener('keydown', (event) => {
      const cell = event.target.closest('.cell');
      if (!cell) return;
      const x = Number(cell.dataset.x);
      const y = Number(cell.dataset.y);
      const moves = {
        ArrowLeft: [x - 1, y], ArrowRight: [x + 1, y], ArrowUp: [x, y - 1], ArrowDown: [x, y + 1],
        Home: [1, y], End: [this.cols, y], PageUp: [x, 1], PageDown: [x, this.rows],
      };
      if (moves[event.key]) this.moveFocus(...moves[event.key]);
      else if (event.key === 'Enter' || event.key === ' ') call('activate', [x, y]);
      else if (event.key === 'Escape') call('cancel');
      else if (event.key === 'Backspace') call('back');
      else return;
      event.preventDefault();
    });
    let pressed = null;
    let last = null;
    this.grid.addEventListener('pointerdown', (event) => {
      const at = this.cellAt(event);
      if (!at || event.button > 0) return;
      event.preventDefault();
      this.grid.setPointerCapture(event.pointerId);
      this.moveFocus(...at);
      pressed = at;
      last = at;
      call('press', at);
    });
    this.grid.addEventListener('pointermove', (event) => {
      if (!pressed) return;
      const at = this.cellAt(event);
      if (!at || (at[0] === last[0] && at[1] === last[1])) return;
      last = at;
      call('over', at);
    });
    const end = (event) => {
      if (!pressed) return;
      const at = this.cellAt(event) || last;
      const moved = at[0] !== pressed[0] || at[1] !== pressed[1];
      pressed = null;
      call('release', at, moved);
    };
    this.grid.addEventListener('pointerup', end);
    this.grid.addEventListener('pointercancel', end);
  }
}

Board.stateNames = { picked: 'marked', found: 'found', dead: 'dead end', start: 'start', way: 'on your way' };

// Whether two cells are side by side (not across a corner).
function besides(a, b) {
  return Math.abs(a[0] - b[0]) + Math.abs(a[1] - b[1]) === 1;
}

const sameCell = (a, b) => a && b && a[0] === b[0] && a[1] === b[1];
const pathKey = (cells) => cells.map(([x, y]) => `${x},${y}`).join(' ');
const typedKey = (text) => text.replace(/\s+/g, '');

// Each game's script, by the game's command-line name: a function of the puzzle's data and its
// PuzzleView that builds the puzzle and returns { total, done(), progressText(), restart() } and
// what the solver can do of select(from, to), trace(cells) and answer(i, text).
const Games = {};
