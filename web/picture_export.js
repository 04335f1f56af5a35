// The picture out of the page: "Download picture" saves the canvas as PNG and,
// beside it, as SVG drawn from the very vertices the program sent to GL (the
// floats GL keeps, from Module.curvixFrame), in its colours; and the
// "Curvature comb" switch draws, on a canvas of its own over the program's,
// the comb of the curve shown or, without one, of the polygon: at each vertex
// a normal as long as the discrete curvature there (turning angle over the
// mean of the two edges), scaled to fit (combScale). The program's own picture is never
// drawn on. Loaded after curvix_page.js and construction.js.
(function() {
'use strict';

const GL = {POINTS: 0, LINES: 1, LINE_LOOP: 2, LINE_STRIP: 3, TRIANGLES: 4, TRIANGLE_STRIP: 5,
            TRIANGLE_FAN: 6, QUADS: 7, POLYGON: 9};
const CURVE_LINE_COLOUR = [0.3, 0.0, 0.0];  // the curves' strip (curves/colours.h)
const COMB_COLOUR = '#e07000';              // the comb's own: no colour the program draws with
const COMB_TYPICAL = 30;   // pixels: the longest tooth but at the sharpest corners
const COMB_QUANTILE = 0.9; // of the teeth sorted by length, the one that is COMB_TYPICAL long
const COMB_LONGEST = 90;   // pixels: a sharp corner's tooth is cut at this length
const COMB_MIN_VERTICES = 3;

const page = window.curvixConstruction;
const canvas = document.getElementById('canvas');
const comb = document.getElementById('comb');
const combSwitch = document.getElementById('comb-switch');

// ------------------------------------------------------------ SVG

function colourText(rgba) {
  const byte = (v) => Math.round(Math.min(1, Math.max(0, v)) * 255);
  return `rgb(${byte(rgba[0])},${byte(rgba[1])},${byte(rgba[2])})`;
}

// The window's y grows downward; GL's, in which the program draws, upward.
function pointsAttribute(vertices, height) {
  return vertices.map(([x, y]) => `${x},${height - y}`).join(' ');
}

function svgElement(primitive, height) {
  const colour = colourText(primitive.colour);
  const points = pointsAttribute(primitive.vertices, height);
  switch (primitive.mode) {
    case GL.LINE_STRIP:
      return `<polyline points="${points}" fill="none" stroke="${colour}"/>`;
    case GL.LINE_LOOP:
      return `<polygon points="${points}" fill="none" stroke="${colour}"/>`;
    case GL.POLYGON:
    case GL.TRIANGLE_FAN:
      return `<polygon points="${points}" fill="${colour}"/>`;
    default:
      return `<!-- a primitive of mode ${primitive.mode} is not drawn -->`;
  }
}

function svgPicture() {
  const {width, height} = Module.curvixStatus();
  const background = colourText(Module.curvixClearColour());
  const body = Module.curvixFrame().map((primitive) => '  ' + svgElement(primitive, height));
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" ` +
      `viewBox="0 0 ${width} ${height}" stroke-width="1" shape-rendering="crispEdges">\n` +
      `  <rect width="${width}" height="${height}" fill="${background}"/>\n` +
      body.join('\n') + '\n</svg>\n';
}

// ------------------------------------------------------------ PNG

// The canvas's pixels, one a window pixel, scaled to the device's pixel ratio
// as the screen shows them, with the comb over them when it is on. A WebGL
// canvas keeps its picture only until it is shown, so the copy is made right
// after a redisplay the export asks for.
function pngPicture(done) {
  page.afterDisplay(() => {
    const ratio = window.devicePixelRatio || 1;
    const copy = document.createElement('canvas');
    copy.width = Math.round(canvas.width * ratio);
    copy.height = Math.round(canvas.height * ratio);
    const context = copy.getContext('2d');
    context.imageSmoothingEnabled = false;
    context.drawImage(canvas, 0, 0, copy.width, copy.height);
    if (combSwitch.checked) context.drawImage(comb, 0, 0, copy.width, copy.height);
    copy.toBlob(done, 'image/png');
  });
  Module.curvixRedisplay();
}

function downloadPicture() {
  if (!page.takesInput()) return;
  page.download('curvix.svg', new Blob([svgPicture()], {type: 'image/svg+xml'}));
  pngPicture((blob) => page.download('curvix.png', blob));
}

// ------------------------------------------------------------ the comb

function sameColour(a, b) {
  return b.every((value, i) => Math.abs(a[i] - value) < 1e-6);
}

// The curve's strip when one is shown, else the longest other line strip (the
// polygon, or the level a subdivision step made), which the schemes take as
// closed; null when there is none.
function combedStrip(frame) {
  const strips = frame.filter((p) => p.mode === GL.LINE_STRIP && p.vertices.length >= COMB_MIN_VERTICES);
  const curve = strips.find((p) => sameColour(p.colour, CURVE_LINE_COLOUR));
  if (curve) return {vertices: curve.vertices, closed: false};
  if (strips.length === 0) return null;
  const polygon = strips.reduce((a, b) => (b.vertices.length > a.vertices.length ? b : a));
  return {vertices: polygon.vertices, closed: true};
}

// At each vertex with two neighbours (every vertex of a closed strip): the
// turning angle over the mean of its two edges, positive turning left, and
// the unit normal to the left of the mean tangent.
function curvatures({vertices, closed}) {
  const n = vertices.length;
  const teeth = [];
  for (let i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i) {
    const [ax, ay] = vertices[(i + n - 1) % n];
    const [bx, by] = vertices[i];
    const [cx, cy] = vertices[(i + 1) % n];
    const inLength = Math.hypot(bx - ax, by - ay);
    const outLength = Math.hypot(cx - bx, cy - by);
    if (inLength === 0 || outLength === 0) continue;
    const turn = Math.atan2((bx - ax) * (cy - by) - (by - ay) * (cx - bx),
                            (bx - ax) * (cx - bx) + (by - ay) * (cy - by));
    const tx = (bx - ax) / inLength + (cx - bx) / outLength;
    const ty = (by - ay) / inLength + (cy - by) / outLength;
    const tangent = Math.hypot(tx, ty) || 1;
    teeth.push({x: bx, y: by, k: turn / ((inLength + outLength) / 2),
                nx: -ty / tangent, ny: tx / tangent});
  }
  return teeth;
}

// Pixels per unit of curvature: the comb fits when the teeth of all but the
// sharpest corners (the top COMB_QUANTILE of |k|) are at most COMB_TYPICAL
// pixels long; a corner's tooth beyond COMB_LONGEST is cut there.
function combScale(teeth) {
  const sizes = teeth.map((t) => Math.abs(t.k)).sort((a, b) => a - b);
  const typical = sizes[Math.min(sizes.length - 1, Math.floor(sizes.length * COMB_QUANTILE))];
  return typical > 0 ? COMB_TYPICAL / typical : 0;
}

// The frame and canvas size the comb on screen was drawn for; null: none drawn.
let combDrawnFor = null;

function drawComb() {
  const shown = combSwitch.checked && page.takesInput();
  const key = `${Module.curvixFrameVersion()} ${canvas.width} ${canvas.height}`;
  if (shown ? combDrawnFor === key : combDrawnFor === null) return;
  const context = comb.getContext('2d');
  comb.width = canvas.width;  // also clears it
  comb.height = canvas.height;
  combDrawnFor = shown ? key : null;
  if (!shown) return;
  const strip = combedStrip(Module.curvixFrame());
  if (strip === null) return;
  const teeth = curvatures(strip);
  const scale = combScale(teeth);
  if (scale === 0) return;
  const height = comb.height;
  // Teeth point away from the side the strip turns to: outward on a convex arc.
  const tip = (t) => {
    const length = Math.max(-COMB_LONGEST, Math.min(COMB_LONGEST, t.k * scale));
    return [t.x - t.nx * length, height - (t.y - t.ny * length)];
  };
  context.strokeStyle = COMB_COLOUR;
  context.lineWidth = 1;
  context.beginPath();
  for (const t of teeth) {
    context.moveTo(t.x, height - t.y);
    context.lineTo(...tip(t));
  }
  context.stroke();
  context.beginPath();
  teeth.forEach((t, i) => (i === 0 ? context.moveTo(...tip(t)) : context.lineTo(...tip(t))));
  if (strip.closed) context.closePath();
  context.stroke();
}

combSwitch.addEventListener('change', drawComb);
page.onPicture(drawComb);
document.getElementById('download-picture').addEventListener('click', downloadPicture);

// For the browser tests.
window.curvixSvgPicture = svgPicture;
window.curvixCombTeeth = () => {
  const strip = combedStrip(Module.curvixFrame());
  return strip === null ? [] : curvatures(strip);
};
})();
