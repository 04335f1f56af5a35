// The canvas as a person uses it: placing, hovering, dragging, deleting,
// clearing and reloading points; each curve; each scheme; a resize of the
// window panel. Checked through the pixels on screen and the status panel.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {COLOURS, sharedBrowser} from './support/harness.mjs';

const SQUARE = [[100, 100], [300, 100], [300, 300], [100, 300]];
const RBF_LEVEL = [26, 128, 77];         // the RBF schemes' new level
const FOUR_POINT_LEVEL = [26, 77, 128];  // NR4's and D-D's new level
const MARKER_AREA = 36;                  // pixels GL fills for a 6 x 6 marker square

const shared = sharedBrowser();

async function placeAll(curvix, points) {
  for (const [x, y] of points) await curvix.click(x, y);
}

function inkAround(pixels, [x, y], half = 3) { return pixels.count(x, y, half, COLOURS.ink); }

function colourAnywhere(pixels, colour) {
  return pixels.count(
      pixels.width >> 1, pixels.height >> 1, Math.max(pixels.width, pixels.height), colour);
}

describe('editing the control polygon', () => {
  test('place, hover, drag, delete, clear and reload', async () => {
    const curvix = await shared.openPage();
    await placeAll(curvix, SQUARE.slice(0, 3));
    assert.equal(await curvix.statusPanel('points'), '3');
    await curvix.move(600, 500);  // off every marker: all filled
    await curvix.settle();
    let pixels = await curvix.pixels();
    for (const point of SQUARE.slice(0, 3)) assert.ok(inkAround(pixels, point) >= MARKER_AREA - 4);
    assert.deepEqual(pixels.at(200, 250), COLOURS.background);
    // The polygon's edge between the first two points.
    assert.ok(inkAround(pixels, [200, 100], 1) >= 3);

    // Hovering outlines the marker: its middle shows the background.
    await curvix.move(101, 101);
    await curvix.settle();
    pixels = await curvix.pixels();
    assert.deepEqual(pixels.at(100, 101), COLOURS.background);
    assert.ok(
        inkAround(pixels, [100, 100]) >= 16 && inkAround(pixels, [100, 100]) < MARKER_AREA - 6);

    // While the button is held the marker follows the pointer to where it is now.
    await curvix.down(300, 100);
    for (const [x, y] of [[310, 110], [330, 130], [360, 160]]) await curvix.move(x, y);
    await curvix.settle();
    pixels = await curvix.pixels();
    assert.ok(inkAround(pixels, [360, 160]) >= 20, 'no marker under the pointer during the drag');
    assert.ok(inkAround(pixels, [330, 130]) < 10, 'a marker stayed at the previous position');
    await curvix.up(360, 160);
    await curvix.settle();
    assert.deepEqual((await curvix.page.evaluate(() => Module.curvixPoints()))[1], [360, 160]);

    // Delete the point under the pointer through the menu, opened on it.
    await curvix.menu('delete point', 360, 160);
    assert.equal(await curvix.statusPanel('points'), '2');
    pixels = await curvix.pixels();
    assert.equal(inkAround(pixels, [360, 160], 2), 0);

    await curvix.menu('clear');
    assert.equal(await curvix.statusPanel('points'), '0');
    assert.equal(colourAnywhere(await curvix.pixels(), COLOURS.ink), 0);

    // Reload brings back the user's placements after a refinement.
    await placeAll(curvix, SQUARE);
    await curvix.key('s');
    assert.equal(await curvix.statusPanel('points'), '8');
    await curvix.menu('reload');
    assert.equal(await curvix.statusPanel('points'), '4');
    assert.deepEqual(await curvix.page.evaluate(() => Module.curvixPoints()), SQUARE);
    assert.deepEqual(curvix.errors, []);
    await curvix.page.close();
  });

  test('each curve and each scheme shows in its colour', async () => {
    const curvix = await shared.openPage();
    await placeAll(curvix, SQUARE);
    await curvix.move(600, 500);
    assert.equal(colourAnywhere(await curvix.pixels(), COLOURS.curve), 0);
    // The Bezier curve of the square passes through (250, 200) at t = 1/2.
    await curvix.menu('bezier');
    assert.equal(await curvix.statusPanel('curve'), 'bezier');
    let pixels = await curvix.pixels();
    assert.ok(pixels.count(250, 200, 2, COLOURS.curve) > 0, 'no Bezier curve at its midpoint');
    // The Lagrange and RBF curves run through the points, outside the polygon.
    for (const [label, probe] of [['lagrange', [200, 80]], ['RBF interpolation', [200, 80]]]) {
      await curvix.menu(label);
      assert.equal(await curvix.statusPanel('curve'), label);
      pixels = await curvix.pixels();
      assert.ok(colourAnywhere(pixels, COLOURS.curve) > 300, `no ${label} curve`);
      assert.equal(pixels.count(250, 200, 2, COLOURS.curve), 0, `${label}: curve inside`);
      assert.ok(pixels.count(probe[0], probe[1], 25, COLOURS.curve) > 0, `${label}: not outside`);
    }
    // Each scheme in turn: the key a selects it, s draws the new level in its colour.
    for (const [scheme, colour] of [
             ['RBF6', RBF_LEVEL], ['NR4', FOUR_POINT_LEVEL], ['D-D', FOUR_POINT_LEVEL],
             ['RBF4', RBF_LEVEL]]) {
      await curvix.menu('reload');
      await curvix.key('a');
      assert.equal(await curvix.statusPanel('scheme'), scheme);
      await curvix.key(scheme === 'RBF6' ? 'w' : 's');  // RBF6 needs six points: first a refusal
      if (scheme === 'RBF6') {
        await curvix.key('q');
        await curvix.key('a');
        await curvix.key('a');
        await curvix.key('a');
        await curvix.key('s');  // RBF4 makes 8 points
        await curvix.key('a');  // RBF6
        await curvix.key('s');
      }
      assert.equal(await curvix.statusPanel('curve'), 'none');
      assert.ok(colourAnywhere(await curvix.pixels(), colour) > 100, `${scheme}: no new level`);
    }
    assert.deepEqual(curvix.errors, []);
    await curvix.page.close();
  });

  test('resizing the window panel reshapes the window', async () => {
    const curvix = await shared.openPage();
    const panel = await (await curvix.page.$('#canvas-panel')).boundingBox();
    // The panel's own resize grip, in its lower right corner.
    const grip = [panel.x + panel.width - 4, panel.y + panel.height - 4];
    await curvix.page.mouse.move(grip[0], grip[1]);
    await curvix.page.mouse.down();
    await curvix.page.mouse.move(grip[0] - 200, grip[1] - 150, {steps: 5});
    await curvix.page.mouse.up();
    await curvix.settle();
    const status = await curvix.status();
    assert.ok(
        status.width < 700 && status.height < 520,
        `not reshaped: ${status.width}x${status.height}`);
    assert.equal(await curvix.page.$eval('#canvas', (c) => c.width), status.width);
    assert.equal(await curvix.statusPanel('height'), String(status.height));
    // The picture follows: a point placed now shows where the pointer was.
    await curvix.click(120, 90);
    await curvix.move(400, 300);
    await curvix.settle();
    const pixels = await curvix.pixels();
    assert.equal(pixels.width, status.width);
    assert.ok(inkAround(pixels, [120, 90]) >= MARKER_AREA - 4);
    assert.deepEqual(curvix.errors, []);
    await curvix.page.close();
  });
});
