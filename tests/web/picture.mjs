// Takes the README's pictures of the page: node picture.mjs OUTPUT.png [SCREEN]
// with SCREEN desktop (the default, mouse and keys), phone or tablet (touch:
// taps and a long press), the page built in build-web/web, Chromium as in the tests.

import {CurvixPage, launchBrowser, SCREENS, startServer} from './support/harness.mjs';

const [output, screenName = 'desktop'] = process.argv.slice(2);
const screen = SCREENS[screenName];
if (!output || !screen) {
  console.error(`usage: node picture.mjs OUTPUT.png [${Object.keys(SCREENS).join('|')}]`);
  process.exit(2);
}
// Where the points go in the 800 by 600 window; a smaller one takes them scaled.
const POINTS = [
  [120, 420], [200, 180], [330, 120], [470, 260], [560, 140], [690, 230], [640, 450], [420, 500]
];
const CURVE = 'RBF interpolation';

const server = await startServer();
const browser = await launchBrowser();
try {
  const curvix = await CurvixPage.open(browser, server.url, {...screen, deviceScaleFactor: 1});
  if (screen.hasTouch) {
    const {width, height} = await curvix.status();
    const scaled =
        POINTS.map(([x, y]) => [Math.round(x * width / 800), Math.round(y * height / 600)]);
    for (const [x, y] of scaled) await curvix.tap(x, y);
    await curvix.touchMenu(CURVE, Math.round(width / 2), Math.round(height / 2));
  } else {
    for (const [x, y] of POINTS) await curvix.click(x, y);
    await curvix.menu(CURVE);
    await curvix.move(780, 580);
  }
  await curvix.settle();
  await curvix.page.screenshot({path: output});
} finally {
  await browser.close();
  await server.close();
}
