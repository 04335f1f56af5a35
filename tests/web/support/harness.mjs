// Shared by the browser journeys: a static server for the built page on a free
// loopback port, headless Chromium with WebGL (its profile removed when it
// closes, or at the latest when the process exits), and the ways a person uses
// the page (pointer or finger on the canvas, keys, the pop-up menu, the console
// input line), plus what the checks read back (canvas pixels, panels, the transcript).

import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import {after, before} from 'node:test';
import {fileURLToPath} from 'node:url';
import {PNG} from 'pngjs';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const SOURCE_DIR = path.resolve(here, '../../..');
export const PAGE_DIR = process.env.CURVIX_WEB_DIR || path.join(SOURCE_DIR, 'build-web/web');
export const REPLAY = process.env.CURVIX_SESSION_REPLAY ||
    path.join(SOURCE_DIR, 'build-web-native/tests/web/session_replay');
const CHROMIUM = process.env.CURVIX_CHROMIUM || '/usr/bin/chromium';

const TYPES = {
  '.html': 'text/html',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// Serves PAGE_DIR on 127.0.0.1 at a free port; resolves to {url, close,
// setOffline, override}. setOffline(true) makes it drop every connection
// unanswered, as a network that is gone; override(name, text) serves `text` for
// the file `name` (relative to PAGE_DIR) from then on, as a new build would.
export function startServer() {
  let offline = false;
  const overrides = new Map();
  const server = http.createServer((request, response) => {
    if (offline) {
      request.socket.destroy();
      return;
    }
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(PAGE_DIR, name === '/' ? 'index.html' : name);
    const relative = path.relative(PAGE_DIR, file);
    if (overrides.has(relative)) {
      response.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'text/plain'});
      response.end(overrides.get(relative));
      return;
    }
    if (!file.startsWith(PAGE_DIR) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(
        200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
        setOffline: (value) => {
          offline = value;
        },
        override: (name, text) => overrides.set(name, text),
      });
    });
  });
}

// Profiles of browsers still open, with their browser: a test that fails or a
// file that crashes still leaves no profile behind.
const openProfiles = new Map();
process.on('exit', () => {
  for (const [profile, browser] of openProfiles) {
    browser?.process()?.kill('SIGKILL');
    fs.rmSync(profile, {recursive: true, force: true});
  }
});

function removeProfile(profile) {
  fs.rmSync(profile, {recursive: true, force: true});
  openProfiles.delete(profile);
}

export async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'curvix-chromium-'));
  openProfiles.set(profile, null);
  let browser;
  try {
    browser = await launchWithProfile(profile);
  } catch (error) {
    removeProfile(profile);
    throw error;
  }
  openProfiles.set(profile, browser);
  const close = browser.close.bind(browser);
  browser.close = async () => {
    try {
      await close();
    } finally {
      removeProfile(profile);
    }
  };
  return browser;
}

function launchWithProfile(profile) {
  return puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox',
      '--use-angle=swiftshader',
      '--enable-unsafe-swiftshader',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The screens the journeys use: the desktop's, and a phone and a tablet with
// touch input (touch events, no mouse) at their CSS pixel sizes.
export const SCREENS = {
  desktop: {width: 1320, height: 760},
  phone: {width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true},
  tablet: {width: 820, height: 1180, deviceScaleFactor: 1, isMobile: true, hasTouch: true},
};
const LONG_PRESS_HOLD = 800;  // ms a finger rests for a long press: past the page's 500

// One open page with the program started. Coordinates given to its methods
// are window pixels (x from the left, y down from the top), as the program
// receives them.
export class CurvixPage {
  static async open(browser, url, screen = SCREENS.desktop) {
    const page = await browser.newPage();
    await page.setViewport(screen);
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error.message || error)));
    await page.goto(url);
    await page.waitForFunction(
        () => window.curvixTranscript.stdout.includes('D-D  :'), {timeout: 30000});
    const self = new CurvixPage(page, errors);
    await self.settle();
    return self;
  }

  constructor(page, errors) {
    this.page = page;
    this.errors = errors;
  }

  // Clicks `selector` and returns the files the page downloads that are
  // named in `names`, as Buffers by name, once all have arrived or after 5 s.
  async downloads(selector, names) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'curvix-download-'));
    try {
      const cdp = await this.page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
      await this.page.click(selector);
      const arrived = (name) => fs.existsSync(path.join(folder, name));
      for (let i = 0; i < 100 && !names.every(arrived); ++i) await sleep(50);
      return Object.fromEntries(
          names.filter(arrived).map((name) => [name, fs.readFileSync(path.join(folder, name))]));
    } finally {
      fs.rmSync(folder, {recursive: true, force: true});
    }
  }

  // The saved debug.txt as text (latin1, byte for byte), or null when no file arrives.
  async downloadTrace() {
    const trace = (await this.downloads('#download-trace', ['debug.txt']))['debug.txt'];
    return trace === undefined ? null : trace.toString('latin1');
  }

  async canvasOrigin() {
    const box = await (await this.page.$('#canvas')).boundingBox();
    return {x: box.x, y: box.y};
  }

  // Two animation frames: any redisplay asked for has run.
  async settle() {
    await this.page.evaluate(
        () =>
            new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  }

  async move(x, y) {
    const origin = await this.canvasOrigin();
    await this.page.mouse.move(origin.x + x, origin.y + y);
  }
  async down(x, y) {
    await this.move(x, y);
    await this.page.mouse.down();
  }
  async up(x, y) {
    await this.move(x, y);
    await this.page.mouse.up();
  }
  async click(x, y) {
    await this.down(x, y);
    await this.up(x, y);
    await this.settle();
  }
  // A drag in whole-pixel steps, one motion event each.
  async drag(from, to, steps) {
    await this.down(from[0], from[1]);
    for (let i = 1; i <= steps; ++i) {
      await this.move(
          Math.round(from[0] + (to[0] - from[0]) * i / steps),
          Math.round(from[1] + (to[1] - from[1]) * i / steps));
    }
    await this.up(to[0], to[1]);
    await this.settle();
  }

  // A finger on the canvas at window pixels, in steps of one touch event each.
  // The canvas is scrolled into view first, as a person would (the input line
  // that takes typed values is far below it on a phone).
  async touch(points, holdMs = 0) {
    await (await this.page.$('#canvas')).scrollIntoView();
    const origin = await this.canvasOrigin();
    const at = ([x, y]) => [origin.x + x, origin.y + y];
    const touchscreen = this.page.touchscreen;
    await touchscreen.touchStart(...at(points[0]));
    if (holdMs > 0) await sleep(holdMs);
    for (const point of points.slice(1)) await touchscreen.touchMove(...at(point));
    await touchscreen.touchEnd();
    await this.settle();
  }
  async tap(x, y) { await this.touch([[x, y]]); }
  async touchDrag(from, to, steps) {
    const points = [from];
    for (let i = 1; i <= steps; ++i) {
      points.push([
        Math.round(from[0] + (to[0] - from[0]) * i / steps),
        Math.round(from[1] + (to[1] - from[1]) * i / steps)
      ]);
    }
    await this.touch(points);
  }
  // A finger resting at (x, y) past the long-press time; resolves to the menu's labels.
  async longPress(x, y) {
    await this.touch([[x, y]], LONG_PRESS_HOLD);
    return this.page.$$eval('#menu:not([hidden]) li', (items) => items.map((i) => i.textContent));
  }
  // A tap in the middle of an element (or of the one a selector finds), wherever
  // the page is scrolled.
  async tapElement(target) {
    const element = typeof target === 'string' ? await this.page.$(target) : target;
    if (element === null) throw new Error(`nothing on the page matches ${target}`);
    await element.scrollIntoView();
    const box = await element.boundingBox();
    await this.page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await this.settle();
  }
  async touchMenu(label, x, y) {
    const labels = await this.longPress(x, y);
    const index = labels.indexOf(label);
    if (index < 0) throw new Error(`no menu entry "${label}" in [${labels}]`);
    await this.tapElement(`#menu li:nth-child(${index + 1})`);
  }

  async key(character) {
    await this.page.keyboard.press(character === '\x1b' ? 'Escape' : character);
    await this.settle();
  }

  // Right click on the canvas at (x, y); resolves to the labels shown.
  async openMenu(x = 700, y = 500) {
    const origin = await this.canvasOrigin();
    await this.page.mouse.click(origin.x + x, origin.y + y, {button: 'right'});
    return this.page.$$eval('#menu:not([hidden]) li', (items) => items.map((i) => i.textContent));
  }
  async menu(label, x = 700, y = 500) {
    const labels = await this.openMenu(x, y);
    const index = labels.indexOf(label);
    if (index < 0) throw new Error(`no menu entry "${label}" in [${labels}]`);
    const items = await this.page.$$('#menu li');
    await items[index].click();
    await this.settle();
  }
  async type(line) {
    await this.page.type('#console-input', line);
    await this.page.keyboard.press('Enter');
    await this.settle();
  }

  async status() { return this.page.evaluate(() => Module.curvixStatus()); }
  async statusPanel(key) {
    return this.page.$eval(`#status-${key}`, (element) => element.textContent);
  }
  async consoleText() {
    return this.page.$eval('#console-output', (element) => element.textContent);
  }
  async stdout() { return this.page.evaluate(() => window.curvixTranscript.stdout); }

  // The canvas as shown on screen: {width, height, at(x, y) -> [r, g, b]}.
  async pixels() {
    const canvas = await this.page.$('#canvas');
    const png = PNG.sync.read(await canvas.screenshot({type: 'png'}));
    return {
      width: png.width,
      height: png.height,
      at(x, y) {
        const i = (png.width * y + x) * 4;
        return [png.data[i], png.data[i + 1], png.data[i + 2]];
      },
      // How many pixels in the square of half side `r` around (x, y) have `colour` (within 3).
      count(x, y, r, colour) {
        let n = 0;
        for (let v = y - r; v <= y + r; ++v) {
          for (let u = x - r; u <= x + r; ++u) {
            if (u < 0 || v < 0 || u >= png.width || v >= png.height) continue;
            const c = this.at(u, v);
            if (c.every((value, k) => Math.abs(value - colour[k]) <= 3)) ++n;
          }
        }
        return n;
      },
    };
  }
}

// The colours the program draws with, as 8-bit values.
export const COLOURS = {
  background: [204, 204, 204],
  ink: [77, 128, 26],
  curve: [77, 0, 0],
};

// One server and one browser for a whole test file, started before its tests
// and closed after them; openPage() opens a fresh program in a new page.
export function sharedBrowser() {
  const shared = {};
  before(async () => {
    shared.server = await startServer();
    shared.browser = await launchBrowser();
  });
  after(async () => {
    await shared.browser?.close();
    await shared.server?.close();
  });
  shared.openPage = (screen) => CurvixPage.open(shared.browser, shared.server.url, screen);
  return shared;
}
