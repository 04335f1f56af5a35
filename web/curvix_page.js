// The page around the program: console panel (output, typed input), status
// panel, pop-up menu, resizable window panel, trace download, the end of the
// program and the offline store (web/service_worker.js.in). Loaded before
// curvix.js, which reads the Module object defined here; web/glut_bridge.js
// (inside the module) calls back into curvixPage. Touch input and the key pad
// live in web/touch_input.js and web/key_pad.js.
'use strict';

const canvas = document.getElementById('canvas');
const canvasPanel = document.getElementById('canvas-panel');
const consoleOutput = document.getElementById('console-output');
const consolePanel = document.getElementById('console-panel');
const consoleForm = document.getElementById('console-form');
const consoleInput = document.getElementById('console-input');
const statusList = document.getElementById('status');
const menuList = document.getElementById('menu');
const exitPanel = document.getElementById('exit-panel');

const RIGHT_BUTTON = 2;  // DOM's and GLUT's number for the right button
const RUNTIME_NOTICE = /^WARNING: using emscripten /;
const MENU_OFFSET = 2;  // pixels: the releasing right button must not land on an entry
const MENU_MARGIN = 4;  // pixels kept between the menu and the edge of the screen
const STATUS_FIELDS = [
  ['basis', 'basis'],
  ['r', 'r'],
  ['C', 'C'],
  ['pd', 'degree pd'],
  ['w', 'w'],
  ['scheme', 'scheme'],
  ['stationary', 'stationary'],
  ['tracing', 'tracing'],
  ['points', 'points'],
  ['curve', 'curve'],
  ['width', 'width'],
  ['height', 'height'],
];
// Also in the status, not shown: the current font's registry slot.

// What the program printed, kept apart from the typed echo and the page's notes
// so a test can compare it with the desktop's output character for character.
const transcript = {
  stdout: '',
  stderr: ''
};
// Drag timing: each sample is one motion event of a drag and the redisplay it asked for.
const dragTiming = {
  samples: [],
  pending: null
};

const afterDisplayCalls = [];  // one-shot, after the next redisplay (a picture's export)
const pictureCalls = [];       // after every event and redisplay (the curvature comb)
const typedBytes = [];   // typed characters the program has not read yet
let resumeRead = null;   // the program's suspended read, while it waits for a line
let pendingSize = null;  // a resize that came while the program waited
let menuShown = false;
let started = false;
let ended = false;

function appendConsole(text, kind) {
  const atBottom =
      consoleOutput.scrollTop + consoleOutput.clientHeight >= consoleOutput.scrollHeight - 4;
  const span = document.createElement('span');
  span.className = kind;
  span.textContent = text;
  consoleOutput.appendChild(span);
  if (atBottom) consoleOutput.scrollTop = consoleOutput.scrollHeight;
}

function printed(kind, line) {
  transcript[kind] += line + '\n';
  appendConsole(line + '\n', kind);
}

function renderStatus() {
  if (!started) return;
  const status = Module.curvixStatus();
  statusList.replaceChildren();
  for (const [key, label] of STATUS_FIELDS) {
    const term = document.createElement('dt');
    term.textContent = label;
    const value = document.createElement('dd');
    value.id = 'status-' + key;
    value.textContent = String(status[key]);
    statusList.append(term, value);
  }
}

function setWaiting(waiting) {
  consolePanel.classList.toggle('waiting', waiting);
  if (waiting)
    consoleInput.focus();
  else if (document.activeElement === consoleInput)
    consoleInput.blur();
}

function waitForInput(resume) {
  if (typedBytes.length > 0) {
    resume();
    return;
  }
  resumeRead = resume;
  setWaiting(true);
}

function applyPendingSize() {
  if (pendingSize === null || resumeRead !== null || ended) return;
  const [width, height] = pendingSize;
  pendingSize = null;
  Module.curvixReshape(width, height);
}

consoleForm.addEventListener('submit', (event) => {
  event.preventDefault();
  const line = consoleInput.value + '\n';
  consoleInput.value = '';
  appendConsole(line, 'typed');  // a terminal echoes what is typed
  for (let i = 0; i < line.length; ++i) typedBytes.push(line.charCodeAt(i));
  const resume = resumeRead;
  if (resume === null || ended) return;
  resumeRead = null;
  resume();  // runs the program on until it ends the entry or waits for more
  if (resumeRead === null) {
    setWaiting(false);
    applyPendingSize();
  }
  curvixPage.handled(null, 0, 0);
});

function hideMenu() {
  menuShown = false;
  menuList.hidden = true;
}

function showMenu(x, y) {
  const menu = Module.curvixMenu();
  if (menu.button !== RIGHT_BUTTON || menu.entries.length === 0) return;
  menuList.replaceChildren();
  for (const entry of menu.entries) {
    const item = document.createElement('li');
    item.setAttribute('role', 'menuitem');
    item.textContent = entry.label;
    item.addEventListener('mouseup', (event) => {
      event.stopPropagation();
      hideMenu();
      Module.curvixSelectMenu(entry.value);
    });
    menuList.appendChild(item);
  }
  menuList.hidden = false;
  const box = menuList.getBoundingClientRect();
  menuList.style.left = menuPlace(x, box.width, window.innerWidth) + 'px';
  menuList.style.top = menuPlace(y, box.height, window.innerHeight) + 'px';
  menuShown = true;
}

// Where the menu starts along one axis: just past the pointer, or just before
// it where the screen ends first (a phone's), never over the pointer itself.
function menuPlace(pointer, size, screenSize) {
  const after = pointer + MENU_OFFSET;
  if (after + size <= screenSize - MENU_MARGIN) return after;
  return Math.max(MENU_MARGIN, pointer - MENU_OFFSET - size);
}

// The menu button's press, at (x, y) in the viewport: the menu opens while
// the program takes input. True when it opened.
function openMenu(x, y) {
  if (!started || ended || resumeRead !== null) return false;
  showMenu(x, y);
  return menuShown;
}

canvas.addEventListener('contextmenu', (event) => {
  event.preventDefault();
  openMenu(event.clientX, event.clientY);
});
menuList.addEventListener('contextmenu', (event) => event.preventDefault());
document.addEventListener('mousedown', (event) => {
  if (menuShown && !menuList.contains(event.target)) hideMenu();
});
document.addEventListener('keydown', (event) => {
  if (menuShown && event.key === 'Escape') hideMenu();
});

new ResizeObserver(() => {
  const width = Math.floor(canvasPanel.clientWidth);
  const height = Math.floor(canvasPanel.clientHeight);
  if (width <= 0 || height <= 0 || (width === canvas.width && height === canvas.height)) return;
  pendingSize = [width, height];
  if (started) applyPendingSize();
}).observe(canvasPanel);

function download(name, blob) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

document.getElementById('download-trace').addEventListener('click', () => {
  const data = started ? Module.curvixReadFile('debug.txt') : null;
  if (data === null) {
    appendConsole('[page] debug.txt does not exist yet: the key p starts the trace\n', 'note');
    return;
  }
  download('debug.txt', new Blob([data], {type: 'text/plain'}));
});

document.getElementById('restart').addEventListener('click', () => location.reload());

// Once the program runs, keep its files for visits without a network. Where
// the browser offers no service worker (a page opened from a file, a host
// without https) the page works as before, online only.
function keepOffline() {
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('service_worker.js')
      .catch((error) => console.warn('Curvix: no offline copy:', error.message));
}

// For web/touch_input.js: a long press is the menu button's press.
const pageMenu = {
  open: openMenu,
  hide: hideMenu,
  isShown: () => menuShown,
};

// Called from inside the module (web/glut_bridge.js).
const curvixPage = {
  // Whether an input event goes on to the program. While the menu is shown or
  // the program waits for typed values, nothing reaches it, as on the desktop
  // where the menu grabs the pointer and the console read blocks every event.
  // Keys typed into the input line are not the program's; the menu button's
  // presses open the menu and are not delivered either.
  admits(event) {
    if (!started || ended || menuShown || resumeRead !== null) return false;
    if (event.type.startsWith('key')) {
      const tag = event.target && event.target.tagName;
      return tag !== 'INPUT' && tag !== 'TEXTAREA';
    }
    if ((event.type === 'mousedown' || event.type === 'mouseup') && event.button === RIGHT_BUTTON)
      return false;
    // GLUT keeps the press from moving focus, so leave the input line by hand.
    if (event.type === 'mousedown' && event.target === canvas &&
        document.activeElement === consoleInput)
      consoleInput.blur();
    return true;
  },
  // `delivered`: a motion callback ran for this event (an unchanged position calls none).
  handled(event, begin, end, delivered) {
    if (delivered && event.type === 'mousemove' && (event.buttons & 1) !== 0)
      dragTiming.pending = {begin: begin, handlerEnd: end};
    if (!ended) renderStatus();
    pictureCalls.forEach((call) => call());
  },
  displayed(begin, end) {
    afterDisplayCalls.splice(0).forEach((call) => call());
    pictureCalls.forEach((call) => call());
    const drag = dragTiming.pending;
    if (drag === null) return;
    dragTiming.pending = null;
    dragTiming.samples.push({
      handler: drag.handlerEnd - drag.begin,
      display: end - begin,
      work: drag.handlerEnd - drag.begin + (end - begin),
      total: end - drag.begin,
    });
  },
  // The status as a shell shows it: exit(-1) is 255.
  exited(status) {
    if (ended) return;
    ended = true;
    hideMenu();
    resumeRead = null;
    setWaiting(false);
    consoleInput.disabled = true;
    const shellStatus = status & 255;
    document.getElementById('exit-message').textContent =
        `Curvix has ended: exit status ${shellStatus} (exit(${status})).`;
    exitPanel.dataset.status = String(shellStatus);
    exitPanel.hidden = false;
  },
};

var Module = {
  canvas: canvas,
  print: (line) => printed('stdout', line),
  // The GL emulation announces itself on stderr; that is not the program's.
  printErr: (line) => (RUNTIME_NOTICE.test(line) ? console.warn(line) : printed('stderr', line)),
  stdin: () => (typedBytes.length > 0 ? typedBytes.shift() : null),
  curvixWaitForInput: waitForInput,
  curvixPage: curvixPage,
  postRun: [() => {
    started = true;
    applyPendingSize();
    renderStatus();
    keepOffline();
  }],
};

// For web/construction.js and web/picture_export.js: a one-line note in the
// console panel, whether the program takes input now (it has started, not
// ended, and waits for no typed values), the panels' update after input it
// was given, a call once the program runs, a call once after the next
// redisplay, calls whenever the picture may have changed, and a download.
const startCalls = [];
window.curvixConstruction = {
  afterDisplay: (call) => afterDisplayCalls.push(call),
  onPicture: (call) => pictureCalls.push(call),
  download: download,
  note: (text) => appendConsole('[page] ' + text + '\n', 'note'),
  takesInput: () => started && !ended && resumeRead === null,
  handled: () => curvixPage.handled(null, 0, 0),
  whenStarted: (call) => (started ? call() : startCalls.push(call)),
};
Module.postRun.push(() => startCalls.forEach((call) => call()));

// For the browser tests and for anyone curious in the developer console.
window.curvixTranscript = transcript;
window.curvixDragTiming = dragTiming;
