// The page on touch screens, with real touch input (touch emulation, touch
// events through the DevTools protocol): the layout of a phone and a tablet, a
// finger as the left button, the long press as the menu button, the key pad
// against the keyboard, knot entry from the input line, and the installed page
// without a network.

import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import {describe, test} from 'node:test';
import {PNG} from 'pngjs';

import {PAGE_DIR, SCREENS, sharedBrowser, sleep} from './support/harness.mjs';

const MENU_LABELS = [
  'clear', 'reload', 'lagrange', 'bezier', 'RBF interpolation', 'subdivision', 'delete point',
  'knot vectors', 'quit'
];
// The key table of the README: each key-pad label and the key it stands for.
const KEY_PAD = {
  'r −': ',',
  'r +': '.',
  'C −': 'k',
  'C +': 'l',
  'w −': 'h',
  'w +': 'j',
  'pd −': 'q',
  'pd +': 'w',
  'basis': 'b',
  'scheme': 'a',
  'stationary': 'n',
  'step': 's',
  'RBF curve': 'r',
  'clear': 'c',
  'reload': 'd',
  'trace': 'p',
  'quit': 'Escape',
};
// Every button at least once, each pair both ways, in an order where each one shows.
const PAD_SEQUENCE = [
  ['r −', 'r +', 'r +'], ['C −', 'C +', 'C +'], ['w −', 'w +', 'w +'], ['pd −', 'pd +', 'pd +'],
  ['basis', 'RBF curve', 'trace', 'step', 'stationary', 'step', 'scheme', 'reload', 'clear']
].flat();
const PHONE_POINTS = [[40, 40], [300, 50], [310, 220], [50, 230]];

const shared = sharedBrowser();

async function layout(curvix) {
  return curvix.page.evaluate(() => {
    const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
    return {
      pageWidth: document.documentElement.scrollWidth,
      canvas: box('canvas'),
      panel: {
        width: document.getElementById('canvas-panel').clientWidth,
        height: document.getElementById('canvas-panel').clientHeight,
      },
      side: box('side'),
      keyPadShown: !document.getElementById('key-pad').hidden,
      canvasTouchAction: getComputedStyle(document.getElementById('canvas')).touchAction,
    };
  });
}

// The window fills the canvas panel, which fits the screen's width; the panels
// come below it; the key pad shows without being asked for.
async function checkFits(curvix, screen) {
  const shape = await layout(curvix);
  const status = await curvix.status();
  assert.ok(shape.pageWidth <= screen.width, `the page is ${shape.pageWidth} pixels wide`);
  assert.ok(shape.canvas.x >= 0 && shape.canvas.right <= screen.width, 'canvas off the screen');
  assert.deepEqual([status.width, status.height], [shape.panel.width, shape.panel.height]);
  assert.deepEqual([shape.canvas.width, shape.canvas.height], [status.width, status.height]);
  assert.ok(shape.panel.width >= screen.width - 30, `a ${shape.panel.width}-pixel canvas`);
  assert.ok(shape.side.top >= shape.canvas.bottom, 'the panels are not below the canvas');
  assert.ok(shape.keyPadShown, 'no key pad on a touch screen');
}

// Mouse events the browser itself made from touches (trusted, unlike the
// page's own) that reached the canvas since the page opened.
async function watchBrowserMouse(curvix) {
  await curvix.page.evaluate(() => {
    window.browserMouseEvents = [];
    for (const type of ['mousedown', 'mouseup', 'click', 'contextmenu']) {
      document.getElementById('canvas').addEventListener(type, (event) => {
        if (event.isTrusted) window.browserMouseEvents.push(type);
      });
    }
  });
}

const points = (curvix) => curvix.page.evaluate(() => Module.curvixPoints());
const isWaiting = (curvix) =>
    curvix.page.$eval('#console-panel', (panel) => panel.classList.contains('waiting'));

// The version a build gives the cache: the first 16 hex digits of the SHA-256
// of the lines "<SHA-256 of the file> <file>", one per cached file in order.
function buildVersion(cachedFiles) {
  const sha256 = (data) => crypto.createHash('sha256').update(data).digest('hex');
  const lines =
      cachedFiles.map((file) => `${sha256(fs.readFileSync(path.join(PAGE_DIR, file)))} ${file}\n`);
  return sha256(lines.join('')).slice(0, 16);
}

async function padButton(curvix, label) {
  for (const button of await curvix.page.$$('#key-pad button')) {
    if (await button.evaluate((b) => b.textContent) === label) return button;
  }
  throw new Error(`no key-pad button "${label}"`);
}

describe('the page on touch screens', () => {
  test('phone: layout, taps and drags, the long-press menu', async () => {
    const curvix = await shared.openPage(SCREENS.phone);
    await checkFits(curvix, SCREENS.phone);
    await watchBrowserMouse(curvix);

    await curvix.tap(60, 50);
    await curvix.tap(200, 150);
    assert.deepEqual(await points(curvix), [[60, 50], [200, 150]]);
    // An upward drag moves the point and leaves the page where it was.
    await curvix.touchDrag([200, 150], [250, 40], 6);
    assert.deepEqual(await points(curvix), [[60, 50], [250, 40]]);
    assert.equal(await curvix.page.evaluate(() => window.scrollY), 0, 'the drag scrolled the page');

    // A long press adds nothing and opens the menu at the finger, on the screen.
    assert.deepEqual(await curvix.longPress(300, 200), MENU_LABELS);
    assert.equal(await curvix.statusPanel('points'), '2');
    const menu = await curvix.page.$eval('#menu', (m) => m.getBoundingClientRect().toJSON());
    const canvas = await curvix.canvasOrigin();
    assert.ok(menu.right <= SCREENS.phone.width && menu.bottom <= SCREENS.phone.height);
    assert.ok(Math.abs(menu.right - (canvas.x + 300)) <= 4, 'the menu is not at the finger');
    await curvix.tapElement('#menu li:nth-child(4)');  // bezier
    assert.equal(await curvix.statusPanel('curve'), 'bezier');
    assert.equal(await curvix.page.$eval('#menu', (m) => m.hidden), true);

    // "delete point" takes the point the finger rested on; a touch off the menu closes it.
    await curvix.touchMenu('delete point', 60, 50);
    assert.deepEqual(await points(curvix), [[250, 40]]);
    await curvix.longPress(150, 150);
    await curvix.tap(100, 200);
    assert.equal(await curvix.page.$eval('#menu', (m) => m.hidden), true);
    assert.equal(await curvix.statusPanel('points'), '1', 'the touch that closed the menu added');

    assert.deepEqual(await curvix.page.evaluate(() => window.browserMouseEvents), []);
    assert.deepEqual(curvix.errors, []);
    await curvix.page.close();
  });

  test('tablet: each key-pad button does what its key does; the toggle shows the pad', async () => {
    // The same session twice, through the pad and through the keyboard.
    const sessions = [];
    for (const through of ['pad', 'keys']) {
      const curvix = await shared.openPage(SCREENS.tablet);
      if (through === 'pad') await checkFits(curvix, SCREENS.tablet);
      for (const [x, y] of [[120, 100], [600, 140], [560, 480], [150, 420], [380, 300]])
        await curvix.tap(x, y);
      const statuses = [await curvix.status()];
      for (const label of PAD_SEQUENCE) {
        if (through === 'pad')
          await curvix.tapElement(await padButton(curvix, label));
        else
          await curvix.key(KEY_PAD[label]);
        statuses.push(await curvix.status());
      }
      if (through === 'pad')
        await curvix.tapElement(await padButton(curvix, 'quit'));
      else
        await curvix.key('\x1b');
      sessions.push({
        statuses: statuses,
        stdout: await curvix.stdout(),
        exit: await curvix.page.$eval('#exit-panel', (p) => p.dataset.status),
        labels: await curvix.page.$$eval('#key-pad button', (bs) => bs.map((b) => b.textContent)),
      });
      assert.deepEqual(curvix.errors, []);
      await curvix.page.close();
    }
    const [pad, keys] = sessions;
    assert.deepEqual(pad.labels.sort(), Object.keys(KEY_PAD).sort());
    PAD_SEQUENCE.forEach((label, i) => {
      assert.deepEqual(pad.statuses[i + 1], keys.statuses[i + 1], `after "${label}"`);
      assert.notDeepEqual(keys.statuses[i + 1], keys.statuses[i], `"${label}" changed nothing`);
    });
    assert.equal(pad.stdout, keys.stdout);
    // quit is Escape: exit(-1), shown as 255.
    assert.deepEqual([pad.exit, keys.exit], ['255', '255']);

    // Without a touch screen the pad waits behind its toggle.
    const desk = await shared.openPage();
    assert.equal(await desk.page.$eval('#key-pad', (k) => k.hidden), true);
    await desk.page.click('#key-pad-toggle');
    await desk.page.click(`#key-pad button[title^="next basis"]`);
    await desk.settle();
    assert.equal(await desk.statusPanel('basis'), 'mq3');
    await desk.page.click('#key-pad-toggle');
    assert.equal(await desk.page.$eval('#key-pad', (k) => k.hidden), true);
    await desk.page.close();
  });

  test('phone: knot vectors typed on the on-screen keyboard', async () => {
    const curvix = await shared.openPage(SCREENS.phone);
    const input = await curvix.page.$eval(
        '#console-input', (i) => [i.inputMode, i.enterKeyHint, i.getAttribute('autocapitalize')]);
    assert.deepEqual(input, ['text', 'go', 'off']);
    for (const [x, y] of PHONE_POINTS) await curvix.tap(x, y);
    await curvix.touchMenu('knot vectors', 180, 130);
    assert.equal(await isWaiting(curvix), true);
    const focused = () => curvix.page.evaluate(() => document.activeElement.id);
    assert.equal(await focused(), 'console-input');
    // A touch on the canvas while the program waits neither adds a point nor
    // takes the focus (and the on-screen keyboard) from the input line.
    await curvix.tap(180, 130);
    assert.equal(await focused(), 'console-input');
    assert.equal(await curvix.statusPanel('points'), '4');

    await curvix.page.keyboard.type('0 0.5 1.7 3');
    await curvix.page.keyboard.press('Enter');  // the on-screen keyboard's Go
    await curvix.settle();
    assert.equal(await isWaiting(curvix), false);
    assert.ok((await curvix.consoleText())
                  .endsWith('enter 4 increasing knots vectors : \n0 0.5 1.7 3\n'));
    await curvix.touchMenu('RBF interpolation', 180, 130);
    assert.equal(await curvix.statusPanel('curve'), 'RBF interpolation');
    assert.deepEqual(curvix.errors, []);
    await curvix.page.close();
  });

  test('installable, and it starts without a network; a new build replaces the cache', async () => {
    const curvix = await shared.openPage(SCREENS.phone);
    const page = curvix.page;
    const cdp = await page.createCDPSession();
    const {data} = await cdp.send('Page.getAppManifest');
    const manifest = JSON.parse(data);
    assert.equal(manifest.short_name, 'Curvix');
    assert.equal(manifest.display, 'standalone');
    assert.equal(manifest.start_url, './');
    for (const size of [192, 512]) {
      const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}`);
      const bytes = await page.evaluate(async (src) => {
        const response = await fetch(src);
        return Array.from(new Uint8Array(await response.arrayBuffer()));
      }, icon.src);
      const png = PNG.sync.read(Buffer.from(bytes));
      assert.deepEqual([png.width, png.height], [size, size]);
    }

    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const cacheNames = () => page.evaluate(() => caches.keys());
    const worker = await page.evaluate(() => fetch('service_worker.js').then((r) => r.text()));
    const cachedFiles = [...worker.matchAll(/^ {2}'([^']+)',$/gm)].map((m) => m[1]);
    assert.ok(cachedFiles.includes('curvix.wasm') && cachedFiles.includes('icons/curvix-512.png'));
    const [first] = await cacheNames();
    assert.equal(first, `curvix-${buildVersion(cachedFiles)}`);

    const reloadOffline = async () => {
      shared.server.setOffline(true);
      await page.setOfflineMode(true);
      await page.reload();
      await page.waitForFunction(
          () => window.curvixTranscript.stdout.includes('D-D  :'), {timeout: 30000});
      await curvix.settle();
      await curvix.tap(100, 80);
      assert.deepEqual(await points(curvix), [[100, 80]]);
      for (const {src} of manifest.icons) {
        const answer =
            await page.evaluate((url) => fetch(url).then((r) => r.ok, () => 'none'), src);
        assert.equal(answer, true, `${src} is not kept offline`);
      }
      await page.setOfflineMode(false);
      shared.server.setOffline(false);
    };
    await reloadOffline();

    // A shared link opens offline as well: its fragment never reaches the network.
    shared.server.setOffline(true);
    await page.setOfflineMode(true);
    await page.goto('about:blank');
    await page.goto(shared.server.url + '#points=50,60;200,60;120,200&basis=mq3&r=1&C=1&pd=1' +
                    '&w=0.125&scheme=RBF4&stationary=0&curve=bezier');
    await page.waitForFunction(
        () => window.curvixTranscript.stdout.includes('D-D  :'), {timeout: 30000});
    await curvix.settle();
    assert.deepEqual(await points(curvix), [[50, 60], [200, 60], [120, 200]]);
    assert.deepEqual([(await curvix.status()).basis, (await curvix.status()).curve], ['mq3', 'bezier']);
    await page.setOfflineMode(false);
    shared.server.setOffline(false);
    await page.goto('about:blank');
    await page.goto(shared.server.url);
    await page.waitForFunction(
        () => window.curvixTranscript.stdout.includes('D-D  :'), {timeout: 30000});

    // A new build: the worker's version and the page change on the server.
    const next = first.replace(/^curvix-/, '').replace(/^./, (c) => (c === '0' ? '1' : '0'));
    shared.server.override('service_worker.js', worker.replace(first.slice(7), next));
    shared.server.override(
        'index.html',
        (await page.evaluate(() => fetch('index.html').then((r) => r.text())))
            .replace('<title>', '<meta name="curvix-build" content="next">\n<title>'));
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    for (let i = 0; i < 100 && (await cacheNames()).join() !== `curvix-${next}`; ++i)
      await sleep(100);
    assert.deepEqual(await cacheNames(), [`curvix-${next}`], 'the old cache stayed');
    await reloadOffline();
    assert.equal(await page.$eval('meta[name="curvix-build"]', (m) => m.content), 'next');
    assert.deepEqual(curvix.errors, []);
    await page.close();
  });
});
