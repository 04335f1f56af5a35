// Takes the README's picture of the page: node picture.mjs OUTPUT.png
// (the page built in build-web/web, Chromium as in the tests).

import {CurvixPage, launchBrowser, startServer} from './support/harness.mjs';

const output = process.argv[2];
if (!output) {
  console.error('usage: node picture.mjs OUTPUT.png');
  process.exit(2);
}
const POINTS = [
  [120, 420], [200, 180], [330, 120], [470, 260], [560, 140], [690, 230], [640, 450], [420, 500]
];

const server = await startServer();
const browser = await launchBrowser();
try {
  const curvix = await CurvixPage.open(browser, server.url);
  for (const [x, y] of POINTS) await curvix.click(x, y);
  await curvix.menu('RBF interpolation');
  await curvix.move(780, 580);
  await curvix.settle();
  await curvix.page.screenshot({path: output});
} finally {
  await browser.close();
  await server.close();
}
