// Touch on the canvas as the mouse. One finger is the left button: a touch
// and drag presses, moves and releases it. A long press (LONG_PRESS_MS without
// moving past LONG_PRESS_SLOP) is the right button: it opens the program's
// menu at the finger, and a tap on an entry chooses it.
//
// The program adds a point as soon as the left button goes down, and a long
// press cannot be told from a press until its time has passed. So the press is
// held back: it is sent, at the place the finger came down, once the finger
// moves past the slop or lifts before the time. A long press sends nothing but
// the menu, and a tap is a click where the finger came down.
//
// A mouse comes to a place before it presses there, and "delete point" deletes
// the point the pointer rests on: each press, and the long press, is preceded
// by a motion without buttons to the place the finger came down.
//
// Presses, motions and releases reach the program as mouse events dispatched
// on the canvas, through the same gate and GLUT handlers as the mouse's own
// (web/glut_bridge.js). Loaded after web/curvix_page.js (canvas, pageMenu);
// its own names stay inside, clear of the page's and the module's globals.
(function() {
'use strict';

const LONG_PRESS_MS = 500;   // a finger held this long without moving opens the menu
const LONG_PRESS_SLOP = 8;   // CSS pixels a resting finger may wander
const LEFT_BUTTON = 0;       // DOM's MouseEvent.button for the left button
const LEFT_BUTTON_HELD = 1;  // DOM's MouseEvent.buttons while the left button is down

// What a followed finger is doing: WAITING until the press is known to be no
// long press, PRESSED while the left button is down, MENU after a long press,
// IGNORED for a touch that only closed the menu.
const TOUCH_PHASE = Object.freeze({
  WAITING: 'waiting',
  PRESSED: 'pressed',
  MENU: 'menu',
  IGNORED: 'ignored',
});

let finger = null;  // the finger being followed: id, start, last place, phase, timer

function followed(touches) {
  if (finger === null) return null;
  for (const touch of touches)
    if (touch.identifier === finger.id) return touch;
  return null;
}

function sendMouse(type, clientX, clientY, buttons) {
  canvas.dispatchEvent(new MouseEvent(type, {
    bubbles: true,
    cancelable: true,
    view: window,
    button: LEFT_BUTTON,
    buttons: buttons,
    clientX: clientX,
    clientY: clientY,
  }));
}

function pressAtStart() {
  clearTimeout(finger.timer);
  finger.phase = TOUCH_PHASE.PRESSED;
  sendMouse('mousemove', finger.startX, finger.startY, 0);
  sendMouse('mousedown', finger.startX, finger.startY, LEFT_BUTTON_HELD);
}

function longPress() {
  if (finger === null || finger.phase !== TOUCH_PHASE.WAITING) return;
  finger.phase = TOUCH_PHASE.MENU;
  sendMouse('mousemove', finger.startX, finger.startY, 0);
  pageMenu.open(finger.startX, finger.startY);
}

function onTouchStart(event) {
  if (finger !== null) return;  // a second finger: only the first one counts
  const touch = event.changedTouches[0];
  finger = {
    id: touch.identifier,
    startX: touch.clientX,
    startY: touch.clientY,
    lastX: touch.clientX,
    lastY: touch.clientY,
    phase: TOUCH_PHASE.WAITING,
    timer: 0,
  };
  // A touch outside an open menu closes it, as a click does, and goes no further.
  if (pageMenu.isShown()) {
    pageMenu.hide();
    finger.phase = TOUCH_PHASE.IGNORED;
    return;
  }
  finger.timer = setTimeout(longPress, LONG_PRESS_MS);
}

function onTouchMove(event) {
  const touch = followed(event.changedTouches);
  if (touch === null) return;
  finger.lastX = touch.clientX;
  finger.lastY = touch.clientY;
  if (finger.phase === TOUCH_PHASE.WAITING &&
      Math.hypot(touch.clientX - finger.startX, touch.clientY - finger.startY) > LONG_PRESS_SLOP)
    pressAtStart();
  if (finger.phase === TOUCH_PHASE.PRESSED)
    sendMouse('mousemove', touch.clientX, touch.clientY, LEFT_BUTTON_HELD);
}

// The release goes where the finger was last seen; a tap's, where it came down.
function onTouchEnd(event) {
  // No compatibility mouse events or click follow: the canvas had the touch itself.
  if (event.cancelable) event.preventDefault();
  if (followed(event.changedTouches) === null) return;
  clearTimeout(finger.timer);
  if (finger.phase === TOUCH_PHASE.WAITING && event.type === 'touchend') {
    pressAtStart();
    finger.lastX = finger.startX;
    finger.lastY = finger.startY;
  }
  if (finger.phase === TOUCH_PHASE.PRESSED) sendMouse('mouseup', finger.lastX, finger.lastY, 0);
  finger = null;
}

// Scrolling and zooming are kept off the canvas by its CSS (touch-action: none),
// so the start and move listeners can be passive.
canvas.addEventListener('touchstart', onTouchStart, {passive: true});
canvas.addEventListener('touchmove', onTouchMove, {passive: true});
canvas.addEventListener('touchend', onTouchEnd);
canvas.addEventListener('touchcancel', onTouchEnd);
// The browser's own long-press menu event: the timer above already decides.
canvas.addEventListener('contextmenu', (event) => {
  if (finger === null) return;
  event.preventDefault();
  event.stopImmediatePropagation();
}, true);
})();
