// The console panel, the pop-up menu, the knot entry with its asynchronous
// wait, the trace and its download, and the two ways the program ends.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {sharedBrowser} from './support/harness.mjs';

const MENU_LABELS = [
  'clear', 'reload', 'lagrange', 'bezier', 'RBF interpolation', 'subdivision', 'delete point',
  'knot vectors', 'quit'
];
const SQUARE = [[100, 100], [300, 100], [300, 300], [100, 300]];

const shared = sharedBrowser();

async function isWaiting(curvix) {
  return curvix.page.$eval('#console-panel', (panel) => panel.classList.contains('waiting'));
}

describe('console, menu and the end of the program', () => {
  test(
      'help text, the menu in place of the browser\'s, knot entry, trace and download',
      async () => {
        const curvix = await shared.openPage();
        const start = await curvix.consoleText();
        assert.ok(start.startsWith('Curvix tools by curvix@example.org 2002/12/27 \n'));
        assert.ok(
            start.includes('hj: decrease, increase W values in the NR4 subdivision scheme\n\n'));
        assert.equal(start.split('\n').length, 15);
        // The font file came with the page: start-up loaded it into the first slot.
        assert.equal((await curvix.status()).font, 0);

        // The right button opens the program's menu; the browser's stays away.
        await curvix.page.evaluate(() => {
          window.contextMenuPrevented = null;
          document.addEventListener('contextmenu', (e) => {
            window.contextMenuPrevented = e.defaultPrevented;
          });
        });
        assert.deepEqual(await curvix.openMenu(), MENU_LABELS);
        assert.equal(await curvix.page.evaluate(() => window.contextMenuPrevented), true);
        await curvix.page.keyboard.press('Escape');  // closes the menu, does not end the program
        assert.equal(await curvix.page.$eval('#menu', (m) => m.hidden), true);
        assert.equal(await curvix.page.$eval('#exit-panel', (p) => p.hidden), true);

        for (const [x, y] of SQUARE) await curvix.click(x, y);
        await curvix.menu('knot vectors');
        assert.ok(
            (await curvix.consoleText()).endsWith('please enter 4 increasing knots vectors : \n'));
        assert.equal(await isWaiting(curvix), true);
        // The page answers while the program waits, and the canvas takes no input.
        await curvix.click(500, 450);
        await curvix.key('c');
        assert.equal(await curvix.statusPanel('points'), '4');
        await curvix.page.click('#download-trace');
        assert.ok((await curvix.consoleText()).includes('debug.txt does not exist yet'));

        await curvix.type('0 1 1');
        assert.ok((await curvix.consoleText())
                      .endsWith('0 1 1\nError : please enter increasing knot vectors\n'));
        assert.equal(await isWaiting(curvix), false);
        // Values may come on more than one line; the entry ends after the fourth.
        await curvix.menu('knot vectors');
        await curvix.type('0 0.25');
        assert.equal(await isWaiting(curvix), true);
        await curvix.type('2.5 3');
        assert.equal(await isWaiting(curvix), false);
        assert.ok((await curvix.consoleText()).endsWith('0 0.25\n2.5 3\n'));
        // Keys reach the program again.
        await curvix.key('p');
        assert.equal(await curvix.statusPanel('tracing'), 'true');
        await curvix.key('s');
        const traced = await curvix.consoleText();
        assert.match(traced, / {2}0 :[- ]\d\.\d{4} /);
        assert.match(traced, / {2}3 :[- ]\d\.\d{4} /);

        const trace = await curvix.downloadTrace();
        assert.ok(trace !== null, 'no debug.txt was downloaded');
        // One record per inserted point, with the check point in parentheses.
        assert.equal(trace.match(/^ {2}\d :.*\( *-?\d+\.\d{4}, +-?\d+\.\d{4}\) /gm)?.length, 4);
        assert.deepEqual(curvix.errors, []);
        await curvix.page.close();
      });

  test('Escape ends with status 255, quit with 1; start again is a fresh program', async () => {
    for (const [how, status] of [['Escape', '255'], ['quit', '1']]) {
      const curvix = await shared.openPage();
      await curvix.click(200, 200);
      if (how === 'Escape')
        await curvix.key('\x1b');
      else
        await curvix.menu('quit');
      assert.equal(await curvix.page.$eval('#exit-panel', (p) => p.hidden), false);
      assert.equal(await curvix.page.$eval('#exit-panel', (p) => p.dataset.status), status);
      assert.match(
          await curvix.page.$eval('#exit-message', (p) => p.textContent),
          new RegExp(`exit status ${status} `));
      // Nothing reaches the ended program.
      await curvix.click(300, 300);
      assert.equal(await curvix.statusPanel('points'), '1');
      await Promise.all([curvix.page.waitForNavigation(), curvix.page.click('#restart')]);
      await curvix.page.waitForFunction(() => window.curvixTranscript.stdout.includes('D-D  :'));
      await curvix.settle();
      assert.equal(await curvix.statusPanel('points'), '0');
      assert.equal(await curvix.page.$eval('#exit-panel', (p) => p.hidden), true);
      assert.deepEqual(curvix.errors, []);
      await curvix.page.close();
    }
  });
});
