// The picture out of the page and the curvature comb over it: the PNG is the
// canvas's pixels, the SVG's vertices are the ones drawn; the comb appears and
// disappears and never touches the program's pixels; at a phone's size too.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';
import {PNG} from 'pngjs';

import {COLOURS, SCREENS, sharedBrowser} from './support/harness.mjs';

const shared = sharedBrowser();
const STAR = [[400, 80], [447, 235], [610, 235], [479, 330], [527, 490], [400, 400],
              [273, 490], [321, 330], [190, 235], [353, 235]];
const COMB = [224, 112, 0];  // the comb's colour, #e07000

// The switch by the keyboard, as a person without a mouse reaches it.
async function toggleComb(curvix) {
  await curvix.page.focus('#comb-switch');
  await curvix.page.keyboard.press('Space');
  // Keys typed while the switch has the focus are not the program's: leave it.
  await curvix.page.evaluate(() => document.activeElement.blur());
}

async function canvasShot(curvix) {
  await curvix.settle();
  return curvix.page.screenshot({type: 'png', clip: await (await curvix.page.$('#canvas')).boundingBox()});
}

// Pixels that differ between two shots of the canvas, leaving out the
// corner where the browser draws the panel's resize grip over it.
const GRIP = 16;
function differing(first, second) {
  const a = PNG.sync.read(first);
  const b = PNG.sync.read(second);
  let n = 0;
  for (let y = 0; y < a.height; ++y) {
    for (let x = 0; x < a.width; ++x) {
      if (x >= a.width - GRIP && y >= a.height - GRIP) continue;
      const i = (a.width * y + x) * 4;
      if ([0, 1, 2].some((k) => a.data[i + k] !== b.data[i + k])) ++n;
    }
  }
  return n;
}

function countColour(png, colour) {
  const image = PNG.sync.read(png);
  let n = 0;
  for (let i = 0; i < image.data.length; i += 4)
    if (colour.every((v, k) => Math.abs(image.data[i + k] - v) <= 3)) ++n;
  return n;
}

// "Download picture": {png, svg} as the page saved them.
async function downloadPicture(curvix) {
  const files = await curvix.downloads('#download-picture', ['curvix.png', 'curvix.svg']);
  return {png: files['curvix.png'], svg: files['curvix.svg'].toString()};
}

// The star with the RBF curve over it, the pointer off every marker.
async function starWithCurve(curvix) {
  for (const [x, y] of STAR) await curvix.click(x, y);
  await curvix.key('r');
  await curvix.move(790, 590);
}

const escaped = (text) => text.replace(/[()]/g, '\\$&');
const svgPoints = (svg, stroke) => [...svg.matchAll(new RegExp(`<polyline points="([^"]*)" fill="none" stroke="${escaped(stroke)}"/>`, 'g'))]
    .map((m) => m[1].split(' ').map((pair) => pair.split(',').map(Number)));

describe('the picture and the comb', () => {
  test('PNG and SVG exports match the canvas', async () => {
    const curvix = await shared.openPage();
    await starWithCurve(curvix);
    const shot = await canvasShot(curvix);
    const shown = PNG.sync.read(shot);
    const {png, svg} = await downloadPicture(curvix);
    assert.equal(PNG.sync.read(png).width, shown.width);
    assert.equal(differing(png, shot), 0, 'the PNG is not the canvas');

    const [polygon] = svgPoints(svg, 'rgb(77,128,26)');
    assert.deepEqual(polygon, STAR);  // the control polygon at the points' own pixels
    const [curve] = svgPoints(svg, 'rgb(77,0,0)');
    assert.equal(curve.length, 501);
    // Every vertex of the SVG's curve lies on the curve's pixels in the canvas.
    const near = ([x, y]) => [-1, 0, 1].some((dy) => [-1, 0, 1].some((dx) => {
      const i = (shown.width * (Math.round(y) + dy) + Math.round(x) + dx) * 4;
      return COLOURS.curve.every((v, k) => Math.abs(shown.data[i + k] - v) <= 3);
    }));
    assert.ok(curve.filter(near).length >= 495, 'the SVG curve is not where the canvas draws it');
    assert.match(svg, /<rect width="800" height="600" fill="rgb\(204,204,204\)"\/>/);
    assert.equal((svg.match(/<polygon points="[^"]*" fill="rgb\(77,128,26\)"\/>/g) || []).length, STAR.length);
  });

  test('the comb appears and disappears and leaves the program\'s pixels alone', async () => {
    const curvix = await shared.openPage();
    await starWithCurve(curvix);
    const without = await canvasShot(curvix);
    assert.equal(countColour(without, COMB), 0);
    await toggleComb(curvix);
    const withComb = await canvasShot(curvix);
    assert.ok(countColour(withComb, COMB) > 500, 'no comb drawn');
    assert.equal((await curvix.page.evaluate(() => window.curvixCombTeeth())).length, 499);
    // Under the comb the program's picture is the one without it.
    await curvix.page.evaluate(() => (document.getElementById('comb').style.visibility = 'hidden'));
    assert.equal(differing(await canvasShot(curvix), without), 0);
    await curvix.page.evaluate(() => (document.getElementById('comb').style.visibility = ''));
    await toggleComb(curvix);
    assert.equal(differing(await canvasShot(curvix), without), 0, 'the comb stayed');

    // Without a curve, after three D-D steps: the comb of the new level, closed, at every vertex.
    await toggleComb(curvix);
    for (const key of 'aaasss') await curvix.key(key);
    assert.equal((await curvix.status()).points, STAR.length * 8);
    assert.equal((await curvix.page.evaluate(() => window.curvixCombTeeth())).length, STAR.length * 8);
    assert.ok(countColour(await canvasShot(curvix), COMB) > 500);
    assert.deepEqual(curvix.errors, []);
  });

  test('at a phone\'s size the buttons are in the panels and the comb follows the window', async () => {
    const phone = await shared.openPage(SCREENS.phone);
    for (const [x, y] of [[60, 60], [300, 60], [300, 220], [60, 220]]) await phone.tap(x, y);
    await phone.tapElement('#comb-switch');
    await phone.touchMenu('bezier', 180, 250);
    const size = await phone.page.$eval('#comb', (c) => [c.width, c.height]);
    assert.deepEqual(size, [364, 273]);
    assert.ok(countColour(await canvasShot(phone), COMB) > 50);
    for (const id of ['#save-points', '#open-points', '#copy-link', '#download-picture'])
      assert.ok(await phone.page.$eval(id, (b) => b.getBoundingClientRect().width > 0), id);
  });
});
