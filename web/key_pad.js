// The key pad: a button for every key of the program, for screens without a
// keyboard. A button's data-key holds the key it stands for, as the DOM names
// it (KeyboardEvent.key); pressing the button sends that key's keydown and
// keyup, made as the keyboard makes them, through the same path: the
// window's listeners, the page's gate and Emscripten's GLUT handlers.
// Shown at once on a touch screen (a coarse pointer, or at the first touch
// anywhere but on its toggle); the toggle shows and hides it everywhere.
(function() {
'use strict';

const keyPad = document.getElementById('key-pad');
const toggle = document.getElementById('key-pad-toggle');

// The keys that are no letter, with the physical key and the legacy key code
// (Emscripten's GLUT reads event.keyCode: 188 is the comma key, 190 the full stop).
const OTHER_KEYS = Object.freeze({
  ',': {code: 'Comma', keyCode: 188},
  '.': {code: 'Period', keyCode: 190},
  'Escape': {code: 'Escape', keyCode: 27},
});

// {code, keyCode} of a key as an unshifted press makes it, or null for a key
// the pad does not make.
function keyIdentity(key) {
  if (Object.hasOwn(OTHER_KEYS, key)) return OTHER_KEYS[key];
  if (!/^[a-z]$/.test(key)) return null;
  const upper = key.toUpperCase();
  return {code: 'Key' + upper, keyCode: upper.charCodeAt(0)};
}

function keyEvent(type, key, identity) {
  const event = new KeyboardEvent(
      type, {key: key, code: identity.code, bubbles: true, cancelable: true, view: window});
  // The constructor cannot set the legacy codes; the keyboard's events carry them.
  Object.defineProperty(event, 'keyCode', {value: identity.keyCode});
  Object.defineProperty(event, 'which', {value: identity.keyCode});
  return event;
}

// Sent from the page's body, where a key goes when no input line has the focus.
function sendKey(key) {
  const identity = keyIdentity(key);
  if (identity === null) return;
  document.body.dispatchEvent(keyEvent('keydown', key, identity));
  document.body.dispatchEvent(keyEvent('keyup', key, identity));
}

function showKeyPad(shown) {
  keyPad.hidden = !shown;
  toggle.setAttribute('aria-expanded', String(shown));
}

keyPad.addEventListener('click', (event) => {
  const button = event.target.closest('button[data-key]');
  if (button !== null) sendKey(button.dataset.key);
});
// A button that took the focus would also answer the real Enter and Space keys,
// and a tap would take it from the console's input line.
keyPad.addEventListener('mousedown', (event) => event.preventDefault());
toggle.addEventListener('click', () => showKeyPad(keyPad.hidden));

if (matchMedia('(pointer: coarse)').matches) showKeyPad(true);
window.addEventListener('touchstart', function firstTouch(event) {
  if (event.target === toggle) return;
  window.removeEventListener('touchstart', firstTouch);
  showKeyPad(true);
}, {passive: true});
})();
