// A construction that travels: saved and opened again, shared as a link and
// opened in a new page, each giving the same status and the same canvas
// pixels; bad files and bad links refused with one line and nothing changed;
// a desktop's construction opened on a phone.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {describe, test} from 'node:test';

import {CurvixPage, SCREENS, sharedBrowser, sleep} from './support/harness.mjs';

const shared = sharedBrowser();
const STAR = [[400, 80], [447, 235], [610, 235], [479, 330], [527, 490], [400, 400],
              [273, 490], [321, 330], [190, 235], [353, 235]];

async function build(curvix) {
  for (const [x, y] of STAR) await curvix.click(x, y);
  for (const key of '....kw') await curvix.key(key);  // r 1.2, C 0.95, pd 2
  await curvix.key('r');
}

async function canvasPng(curvix) {
  await curvix.move(790, 590);  // the pointer off every marker
  await curvix.settle();
  return (await curvix.page.$('#canvas')).screenshot({type: 'png'});
}

const SAVED = 'curvix-points.txt';
const savedPoints = async (curvix) => (await curvix.downloads('#save-points', [SAVED]))[SAVED].toString();

// Opens `contents` (text or bytes) through the file picker.
async function openFile(curvix, contents) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'curvix-open-'));
  try {
    const file = path.join(folder, 'points.txt');
    fs.writeFileSync(file, contents);
    const [chooser] = await Promise.all([curvix.page.waitForFileChooser(),
                                         curvix.page.click('#open-points')]);
    await chooser.accept([file]);
    await sleep(300);
    await curvix.settle();
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

const notes = (curvix) => curvix.page.$$eval('#console-output .note', (spans) => spans.map((s) => s.textContent));

describe('a construction that travels', () => {
  test('saved and opened again: the same status, pixels and placements', async () => {
    const curvix = await shared.openPage();
    await build(curvix);
    const status = await curvix.status();
    const pixels = await canvasPng(curvix);
    const saved = await savedPoints(curvix);
    assert.match(saved, /^# Curvix points: basis mq1, r 1.2000000000000002, C 0.95, pd 2,/);
    assert.equal(saved.split('\n').filter((l) => /^\d/.test(l)).length, STAR.length);
    await curvix.key('c');
    await openFile(curvix, saved);
    assert.deepEqual(await curvix.status(), status);
    assert.ok((await canvasPng(curvix)).equals(pixels), 'the canvas differs after open');
    await curvix.key('d');  // reload: the opened points are the placements
    assert.deepEqual(await curvix.page.evaluate(() => Module.curvixPoints()), STAR);
    // Points a click would pick (within 2 pixels of one placed) are placed by a drag.
    await openFile(curvix, '100,100\n101.4 101.6\n100,100\n');
    assert.deepEqual(await curvix.page.evaluate(() => Module.curvixPoints()),
                     [[100, 100], [101, 102], [100, 100]]);
    assert.match((await notes(curvix)).at(-1), /1 point has fractional coordinates: rounded/);
    assert.deepEqual(curvix.errors, []);
  });

  test('a link opened in a new page: the same status and pixels', async () => {
    const curvix = await shared.openPage();
    await build(curvix);
    await curvix.key('a');  // RBF6
    await curvix.key('n');
    const status = await curvix.status();
    const pixels = await canvasPng(curvix);
    await curvix.page.click('#copy-link');
    const url = await curvix.page.evaluate(() => location.href);
    assert.match(url, /#points=400%2C80%3B447%2C235/);
    const opened = await CurvixPage.open(shared.browser, url);
    assert.deepEqual(await opened.status(), status);
    assert.ok((await canvasPng(opened)).equals(pixels), 'the canvas differs in the new page');
    assert.deepEqual(await opened.page.evaluate(() => Module.curvixPoints()), STAR);
    // r = 1.2 as a person writes it is the four presses the program makes 1.2000000000000002.
    const written = url.replace(/r=[^&]*/, 'r=1.2');
    assert.equal((await (await CurvixPage.open(shared.browser, written)).status()).r, status.r);
  });

  test('bad files and links are refused with their line, and nothing changes', async () => {
    const curvix = await shared.openPage();
    await build(curvix);
    const before = await curvix.page.evaluate(() => Module.curvixPoints());
    const many = Array.from({length: 501}, (_, i) => `${i % 700},${Math.floor(i / 700) + 10}\n`).join('');
    await openFile(curvix, '# header\n10,10\n20;20\n');
    await openFile(curvix, many);
    await openFile(curvix, Buffer.from([0x31, 0x2c, 0x32, 0x0a, 0x00, 0xff]));
    assert.deepEqual((await notes(curvix)).slice(-3), [
      '[page] Open points: points.txt: line 3: expected "x,y" or "x y"; nothing was changed.\n',
      '[page] Open points: points.txt: more than the 500 points the program holds (line 501); nothing was changed.\n',
      '[page] Open points: points.txt: not a text file; nothing was changed.\n',
    ]);
    assert.deepEqual(await curvix.page.evaluate(() => Module.curvixPoints()), before);

    const start = await (await shared.openPage()).status();
    const link = await curvix.page.evaluate(() => location.href);
    for (const [fragment, why] of [
      ['#points=1,2&basis=mq1&r=1.23&C=1&pd=1&w=0.125&scheme=RBF4&stationary=0&curve=none',
       'r = 1.23 is not reached by the keys from 1 (steps of 0.05)'],
      ['#points=1,2&basis=mq9&r=1&C=1&pd=1&w=0.125&scheme=RBF4&stationary=0&curve=none',
       "basis = 'mq9' is not one the key b reaches"],
      ['#points=1,2&colour=red', "unknown field 'colour'"],
      ['#points=1;2&basis=mq1&r=1&C=1&pd=1&w=0.125&scheme=RBF4&stationary=0&curve=none',
       'points: point 1: expected "x,y" or "x y"'],
    ]) {
      const opened = await CurvixPage.open(shared.browser, link.replace(/#.*$/, '') + fragment);
      assert.deepEqual(await opened.status(), start, fragment);
      assert.deepEqual(await notes(opened), [`[page] The link was not opened: ${why}.\n`]);
    }
  });

  test('a desktop construction opened on a phone is scaled into its window', async () => {
    const desktop = await shared.openPage();
    await build(desktop);
    const saved = await savedPoints(desktop);
    const phone = await shared.openPage(SCREENS.phone);
    await openFile(phone, saved);
    const status = await phone.status();
    assert.equal(status.points, STAR.length);
    const points = await phone.page.evaluate(() => Module.curvixPoints());
    assert.ok(points.every(([x, y]) => x < status.width && y < status.height));
    assert.match((await notes(phone)).at(-1), /span 610 by 490 pixels, the window is 364 by 273: moved into it and scaled by 0\.555, then rounded/);
  });
});
