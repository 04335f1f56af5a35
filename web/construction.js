// A construction that outlives the tab: "Save points" downloads the polygon in
// curvix-lab's points format, "Open points" reads such a file back, "Copy link"
// puts the points and the settings into the page's address (its fragment,
// which never reaches a server), and a page opened with such an address
// restores them. Everything reaches the program through its own input: keys
// for the settings, the menu for the curve, and for the points "clear" and
// then, per point, the left button's press and release, so that the state
// (the placements that "reload" brings back included) is the one the mouse
// would have made. Loaded after curvix_page.js, whose Module and notes it uses.
(function() {
'use strict';

const MAX_POINTS = 500;              // the program's point store
const MAX_FILE_BYTES = 1 << 20;      // a points file of 500 points is about 20 KB
const MAX_KEY_PRESSES = 10000;       // per setting: r or C up to about 500, w to about 10
const REACHED_TOLERANCE = 1e-9;      // a link's decimal against the value the keys reach
const MARKER_HALF_SIZE = 3;          // the program picks a point within 2 pixels of it
const GLUT_DOWN = 0;
const GLUT_UP = 1;
const NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;
const CLEAR_MENU_LABEL = 'clear';
const NO_CURVE = 'none';

// The settings a link carries, each with the keys that step it.
const STEPPED = [
  {name: 'r', down: ',', up: '.', step: 0.05},
  {name: 'C', down: 'k', up: 'l', step: 0.05},
  {name: 'w', down: 'h', up: 'j', step: 0.001},
];
const CYCLED = [
  {name: 'basis', key: 'b', values: 3},
  {name: 'scheme', key: 'a', values: 4},
];
const LINK_FIELDS = ['points', 'basis', 'r', 'C', 'pd', 'w', 'scheme', 'stationary', 'curve'];

const page = window.curvixConstruction;  // from curvix_page.js

// ------------------------------------------------------------ the points format

// "x,y" or "x y", blanks around either, '#' to the end of the line a comment:
// curvix-lab's own reading. Returns {points} or {error: 'line N: ...'}.
function parsePoints(text) {
  const points = [];
  const lines = text.split('\n');
  for (let i = 0; i < lines.length; ++i) {
    const body = lines[i].split('#')[0].replace(/\r$/, '').trim();
    if (body === '') continue;
    const parts = body.includes(',') ? body.split(',') : body.split(/[ \t]+/);
    const numbers = parts.map((part) => part.trim());
    if (numbers.length !== 2 || !numbers.every((n) => NUMBER.test(n)))
      return {error: `line ${i + 1}: expected "x,y" or "x y"`};
    const point = numbers.map(Number);
    if (!point.every(Number.isFinite)) return {error: `line ${i + 1}: a number too large`};
    points.push(point);
    if (points.length > MAX_POINTS)
      return {error: `more than the ${MAX_POINTS} points the program holds (line ${i + 1})`};
  }
  if (points.length === 0) return {error: 'no points in the file'};
  return {points: points};
}

function settingsHeader(status) {
  return `# Curvix points: basis ${status.basis}, r ${status.r}, C ${status.C}, pd ${status.pd}, ` +
      `w ${status.w}, scheme ${status.scheme}, stationary ${status.stationary ? 'on' : 'off'}, ` +
      `curve ${status.curve}, window ${status.width} by ${status.height}\n` +
      '# one point a line, x,y with y downward (curvix-lab refine reads this file)\n';
}

function pointsText(status, points) {
  return settingsHeader(status) + points.map(([x, y]) => `${x},${y}\n`).join('');
}

// ------------------------------------------------------------ the program's input

// Whole window pixels, as the mouse gives them: scaled into the window when
// the construction is larger (one factor for both axes, from the origin, after
// a shift that brings negative coordinates to 0), then rounded. Returns the
// pixels and the notes that say what was changed.
function windowPixels(points, width, height) {
  const notes = [];
  const minX = Math.min(0, ...points.map((p) => p[0]));
  const minY = Math.min(0, ...points.map((p) => p[1]));
  const spanX = Math.max(...points.map((p) => p[0])) - minX;
  const spanY = Math.max(...points.map((p) => p[1])) - minY;
  const scale = Math.min(1, (width - 1) / Math.max(spanX, 1), (height - 1) / Math.max(spanY, 1));
  let moved = points;
  if (minX < 0 || minY < 0 || scale < 1) {
    moved = points.map(([x, y]) => [(x - minX) * scale, (y - minY) * scale]);
    notes.push(`the points span ${fixed(spanX)} by ${fixed(spanY)} pixels` +
               (minX < 0 || minY < 0 ? ' from a negative corner' : '') +
               `, the window is ${width} by ${height}: moved into it` +
               (scale < 1 ? ` and scaled by ${scale.toFixed(3)}` : '') +
               ', then rounded to whole pixels');
  }
  const rounded = points.filter(([x, y]) => x !== Math.round(x) || y !== Math.round(y)).length;
  if (rounded > 0 && moved === points)
    notes.push(`${rounded} point${rounded === 1 ? ' has' : 's have'} fractional coordinates: ` +
               'rounded to whole pixels, as the mouse gives them');
  return {pixels: moved.map(([x, y]) => [Math.round(x), Math.round(y)]), notes: notes};
}

function fixed(value) {
  return Number.isInteger(value) ? String(value) : value.toFixed(1);
}

function picks(placed, x, y) {
  return placed.some(([px, py]) => Math.abs(px - x) < MARKER_HALF_SIZE &&
                                   Math.abs(py - y) < MARKER_HALF_SIZE);
}

// A window pixel near (x, y) where a press would pick no placed point.
function freeSpot(placed, x, y, width, height) {
  for (let radius = MARKER_HALF_SIZE; radius < width + height; radius += MARKER_HALF_SIZE) {
    for (const [dx, dy] of [[radius, 0], [-radius, 0], [0, radius], [0, -radius],
                            [radius, radius], [-radius, -radius], [radius, -radius],
                            [-radius, radius]]) {
      const fx = x + dx;
      const fy = y + dy;
      if (fx >= 0 && fy >= 0 && fx < width && fy < height && !picks(placed, fx, fy)) return [fx, fy];
    }
  }
  return null;
}

function selectMenu(label) {
  const entry = Module.curvixMenu().entries.find((e) => e.label === label);
  if (entry) Module.curvixSelectMenu(entry.value);
  return entry !== undefined;
}

// "clear", then a press and release per point: at the point where that picks
// none, else at a free spot nearby with a drag onto the point.
function placePoints(pixels) {
  const status = Module.curvixStatus();
  selectMenu(CLEAR_MENU_LABEL);
  const placed = [];
  for (const [x, y] of pixels) {
    if (!picks(placed, x, y)) {
      Module.curvixMouse(GLUT_DOWN, x, y);
    } else {
      const [fx, fy] = freeSpot(placed, x, y, status.width, status.height);
      Module.curvixMouse(GLUT_DOWN, fx, fy);
      Module.curvixMotion(x, y);
    }
    Module.curvixMouse(GLUT_UP, x, y);
    placed.push([x, y]);
  }
}

// ------------------------------------------------------------ settings by keys

// The presses of `key` (each one addition of the step, as the program makes
// it) that bring `from` to within REACHED_TOLERANCE of `target`, or -1.
function pressesTo(from, target, step) {
  let value = from;
  const up = target > from;
  for (let presses = 0; presses <= MAX_KEY_PRESSES; ++presses) {
    if (Math.abs(value - target) <= REACHED_TOLERANCE) return presses;
    if (up ? value > target : value < target) return -1;
    value = up ? value + step : value - step;
  }
  return -1;
}

// What the link asks for, as presses: {keys: [...], curve} or {error}.
function settingsPlan(settings, status, menuLabels) {
  const keys = [];
  for (const {name, down, up, step} of STEPPED) {
    const target = Number(settings[name]);
    if (!NUMBER.test(settings[name])) return {error: `${name} = '${settings[name]}' is no number`};
    const presses = pressesTo(status[name], target, step);
    if (presses < 0)
      return {error: `${name} = ${settings[name]} is not reached by the keys from ${status[name]} ` +
                     `(steps of ${step})`};
    keys.push(...Array(presses).fill(target > status[name] ? up : down));
  }
  const pd = Number(settings.pd);
  if (!/^\d+$/.test(settings.pd) || pd > MAX_KEY_PRESSES)
    return {error: `pd = '${settings.pd}' is not a degree the keys reach`};
  keys.push(...Array(Math.abs(pd - status.pd)).fill(pd > status.pd ? 'w' : 'q'));
  if (!['0', '1'].includes(settings.stationary))
    return {error: `stationary = '${settings.stationary}' is neither 0 nor 1`};
  if ((settings.stationary === '1') !== status.stationary) keys.push('n');
  if (settings.curve !== NO_CURVE && !menuLabels.includes(settings.curve))
    return {error: `curve = '${settings.curve}' is no curve of the menu`};
  return {keys: keys, curve: settings.curve};
}

// The values the key of a cycled setting goes through, by pressing it round
// the whole cycle (which leaves the setting as it was).
function cycleValues(name, key, values) {
  const seen = [];
  for (let i = 0; i < values; ++i) {
    seen.push(Module.curvixStatus()[name]);
    Module.curvixKey(key);
  }
  return seen;
}

// An error naming a basis or scheme the keys do not reach, or null; nothing
// changes either way.
function cycledError(settings) {
  for (const {name, key, values} of CYCLED)
    if (!cycleValues(name, key, values).includes(settings[name]))
      return `${name} = '${settings[name]}' is not one the key ${key} reaches`;
  return null;
}

function cycleTo(settings) {
  for (const {name, key, values} of CYCLED)
    for (let i = 0; i < values && Module.curvixStatus()[name] !== settings[name]; ++i)
      Module.curvixKey(key);
}

// ------------------------------------------------------------ links

function linkFragment(status, points) {
  const fields = new URLSearchParams();
  fields.set('points', points.map(([x, y]) => `${x},${y}`).join(';'));
  fields.set('basis', status.basis);
  for (const name of ['r', 'C', 'pd', 'w']) fields.set(name, String(status[name]));
  fields.set('scheme', status.scheme);
  fields.set('stationary', status.stationary ? '1' : '0');
  fields.set('curve', status.curve);
  return '#' + fields.toString();
}

// The link's fields, or {error}: every field once, none unknown, and the points.
function parseLink(fragment) {
  const fields = new URLSearchParams(fragment.replace(/^#/, ''));
  const settings = {};
  for (const [name, value] of fields) {
    if (!LINK_FIELDS.includes(name)) return {error: `unknown field '${name}'`};
    if (Object.hasOwn(settings, name)) return {error: `field '${name}' given twice`};
    settings[name] = value;
  }
  const missing = LINK_FIELDS.filter((name) => !Object.hasOwn(settings, name));
  if (missing.length > 0) return {error: `missing ${missing.join(', ')}`};
  const parsed = settings.points === '' ? {points: []} :
      parsePoints(settings.points.split(';').join('\n'));
  if (parsed.error) return {error: 'points: ' + parsed.error.replace(/^line (\d+)/, 'point $1')};
  return {settings: settings, points: parsed.points};
}

// Restores a link's construction, or leaves the page as it opened and says why.
function openLink(fragment) {
  const link = parseLink(fragment);
  const status = Module.curvixStatus();
  const plan = link.error ? link :
      settingsPlan(link.settings, status, Module.curvixMenu().entries.map((e) => e.label));
  const error = plan.error || cycledError(link.settings);
  if (error) {
    page.note(`The link was not opened: ${error}.`);
    return;
  }
  cycleTo(link.settings);
  for (const key of plan.keys) Module.curvixKey(key);
  const placing = windowPixels(link.points, status.width, status.height);
  if (link.points.length > 0) placePoints(placing.pixels);
  if (plan.curve !== NO_CURVE) selectMenu(plan.curve);
  for (const note of placing.notes) page.note('Link: ' + note + '.');
  page.handled();
}

// ------------------------------------------------------------ the buttons

function savePoints() {
  if (!page.takesInput()) return;
  const text = pointsText(Module.curvixStatus(), Module.curvixPoints());
  page.download('curvix-points.txt', new Blob([text], {type: 'text/plain'}));
}

async function readText(file) {
  if (file.size > MAX_FILE_BYTES) return {error: `larger than ${MAX_FILE_BYTES >> 20} MiB`};
  const bytes = new Uint8Array(await file.arrayBuffer());
  if (bytes.includes(0)) return {error: 'not a text file'};
  try {
    return {text: new TextDecoder('utf-8', {fatal: true}).decode(bytes)};
  } catch (e) {
    return {error: 'not a text file'};
  }
}

async function openPoints(file) {
  const read = await readText(file);
  const parsed = read.error ? read : parsePoints(read.text);
  if (parsed.error) {
    page.note(`Open points: ${file.name}: ${parsed.error}; nothing was changed.`);
    return;
  }
  if (!page.takesInput()) {
    page.note('Open points: the program is not taking input now; nothing was changed.');
    return;
  }
  const status = Module.curvixStatus();
  const placing = windowPixels(parsed.points, status.width, status.height);
  placePoints(placing.pixels);
  for (const note of placing.notes) page.note(`Open points: ${note}.`);
  page.handled();
}

async function copyLink() {
  if (!page.takesInput()) return;
  const fragment = linkFragment(Module.curvixStatus(), Module.curvixPoints());
  history.replaceState(null, '', fragment);
  const url = location.href;
  try {
    await navigator.clipboard.writeText(url);
    page.note(`Copy link: the link to this construction is copied (${url.length} characters).`);
  } catch (e) {
    page.note('Copy link: the page\'s address is the link to this construction; copy it from ' +
              'the address bar.');
  }
  if (navigator.share && matchMedia('(pointer: coarse)').matches)
    navigator.share({title: 'Curvix', url: url}).catch(() => {});
}

const fileInput = document.getElementById('open-points-file');
document.getElementById('save-points').addEventListener('click', savePoints);
document.getElementById('open-points').addEventListener('click', () => fileInput.click());
fileInput.addEventListener('change', () => {
  const file = fileInput.files[0];
  fileInput.value = '';
  if (file) openPoints(file);
});
document.getElementById('copy-link').addEventListener('click', copyLink);

page.whenStarted(() => {
  if (location.hash.length > 1) openLink(location.hash);
});

// For the browser tests.
window.curvixConstructionText = () => pointsText(Module.curvixStatus(), Module.curvixPoints());
})();
