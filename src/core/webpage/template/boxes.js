// A typed answer: a box per character. Typing fills a box and moves on, Backspace on an empty box
// goes back, the arrow keys move, and pasted text spreads over the boxes. When every box holds a
// character, onFilled hears the answer.
class AnswerBoxes {
  constructor(count, lang, label, onFilled) {
    this.lang = lang || undefined;
    this.onFilled = onFilled;
    this.inputs = [];
    for (let i = 0; i < count; i++) {
      const input = h('input', {
        type: 'text', className: 'box', autocomplete: 'off', spellcheck: false,
        autocapitalize: 'characters', 'aria-label': label(i, count),
      });
      input.addEventListener('focus', () => input.select());
      input.addEventListener('input', () => this.typed(i));
      input.addEventListener('keydown', (event) => this.key(i, event));
      this.inputs.push(input);
    }
  }

  // A typed character as the puzzle writes it: upper case, unless that takes more than one
  // character (German sharp s stays as typed).
  shape(char) {
    const upper = char.toLocaleUpperCase(this.lang);
    return Array.from(upper).length === 1 ? upper : char;
  }

  typed(i) {
    const input = this.inputs[i];
    const chars = Array.from(input.value.normalize('NFC').replace(/\s/g, ''));
    // A character typed beside the one the box held (the caret was not on it) replaces it.
    if (chars.length === 2 && chars.includes(input.held)) chars.splice(chars.indexOf(input.held), 1);
    input.value = '';
    let at = i;
    for (const char of chars) {
      if (at >= this.inputs.length) break;
      this.set(at++, this.shape(char));
    }
    if (chars.length) this.inputs[Math.min(at, this.inputs.length - 1)].focus();
    this.changed();
  }

  key(i, event) {
    const input = this.inputs[i];
    if (event.key === 'Backspace' && input.value === '' && i > 0) {
      this.set(i - 1, '');
      this.inputs[i - 1].focus();
      this.changed();
    } else if (event.key === 'ArrowLeft' && i > 0) {
      this.inputs[i - 1].focus();
    } else if (event.key === 'ArrowRight' && i + 1 < this.inputs.length) {
      this.inputs[i + 1].focus();
    } else {
      return;
    }
    event.preventDefault();
  }

  changed() {
    this.inputs.forEach((input) => input.removeAttribute('aria-invalid'));
    if (this.inputs.every((input) => input.value !== '')) this.onFilled(this.value());
  }

  set(i, char) {
    this.inputs[i].value = this.inputs[i].held = char;
  }

  value() {
    return this.inputs.map((input) => input.value).join('');
  }

  // Puts text into the boxes, a character each (white space left out); the caller judges it.
  fill(text) {
    const chars = Array.from(typedKey(String(text).normalize('NFC')));
    this.inputs.forEach((input, i) => this.set(i, chars[i] ? this.shape(chars[i]) : ''));
  }

  // Right: the boxes keep the answer. Wrong: they say so to the eye and to a screen reader.
  judge(right) {
    for (const input of this.inputs) {
      input.readOnly = right;
      input.classList.toggle('right', right);
      if (right) input.removeAttribute('aria-invalid');
      else input.setAttribute('aria-invalid', 'true');
    }
  }

  reset() {
    for (const input of this.inputs) {
      input.value = input.held = '';
      input.readOnly = false;
      input.classList.remove('right');
      input.removeAttribute('aria-invalid');
    }
  }
}
