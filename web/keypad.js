// The Coptic keypad: the keys practice lays out, writing into a text field. A
// letter or a stroke goes in at the caret, so a stroke lands on the letter before
// it; ⌫ takes away the character before the caret, marks and all. The field keeps
// the focus, so the phone's own keyboard works beside it.
import { call } from './engine.js';
import { t } from './language.js';

const rows = call('practice_facts').keypad;

// Fills `group` with the keys; a key does nothing while `writable()` is false.
export function keypad(group, field, writable = () => true) {
  for (const row of rows) {
    const line = document.createElement('div');
    line.className = 'keys';
    for (const key of row) {
      const button = document.createElement('button');
      button.type = 'button';
      const mark = /^\p{M}/u.test(key.text);
      button.textContent = mark ? '\u25CC' + key.text : key.text.trim() === '' ? t('Space') : key.text;
      // The name says what the key shows first, as a speaking user would call it.
      button.setAttribute('aria-label', button.textContent + ', ' + t(key.name));
      button.title = t(key.name);
      button.addEventListener('pointerdown', (e) => e.preventDefault()); // the field keeps the focus
      button.addEventListener('click', () => {
        if (!writable()) return;
        const from = field.selectionStart ?? field.value.length, to = field.selectionEnd ?? from;
        if (key.text === '⌫') {
          if (from !== to) field.setRangeText('', from, to, 'end');
          else if (from > 0) {
            let start = from - 1;
            while (start > 0 && /\p{M}/u.test(field.value[start])) start -= 1;
            field.setRangeText('', start, from, 'end');
          }
        } else {
          field.setRangeText(key.text, from, to, 'end');
        }
        field.dispatchEvent(new Event('input'));
        field.focus();
      });
      line.append(button);
    }
    group.append(line);
  }
}
