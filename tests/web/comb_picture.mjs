// Takes the page guide's pictures of the curvature comb: node comb_picture.mjs
// OUTPUT.png SCHEME, with SCHEME rbf4, rbf6, nr4 or dd: the ten-point star of
// docs/examples/star.txt after three subdivision steps with the scheme, the
// comb switched on, the canvas alone (the page built in build-web/web).

import fs from 'node:fs';
import path from 'node:path';

import {CurvixPage, launchBrowser, SOURCE_DIR, startServer} from './support/harness.mjs';

const SCHEME_PRESSES = {rbf4: 0, rbf6: 1, nr4: 2, dd: 3};  // presses of the key a from RBF4
const [output, scheme] = process.argv.slice(2);
if (!output || !(scheme in SCHEME_PRESSES)) {
  console.error(`usage: node comb_picture.mjs OUTPUT.png ${Object.keys(SCHEME_PRESSES).join('|')}`);
  process.exit(2);
}
const star = fs.readFileSync(path.join(SOURCE_DIR, 'docs/examples/star.txt'), 'utf8')
                 .split('\n').filter((line) => /^\d/.test(line)).map((line) => line.split(',').map(Number));

const server = await startServer();
const browser = await launchBrowser();
try {
  const curvix = await CurvixPage.open(browser, server.url);
  for (const [x, y] of star) await curvix.click(x, y);
  for (let i = 0; i < SCHEME_PRESSES[scheme]; ++i) await curvix.key('a');
  for (let i = 0; i < 3; ++i) await curvix.key('s');
  await curvix.page.focus('#comb-switch');
  await curvix.page.keyboard.press('Space');
  await curvix.settle();
  const box = await (await curvix.page.$('#canvas')).boundingBox();
  await curvix.page.screenshot({path: output, clip: {...box, width: box.width - 16}});
} finally {
  await browser.close();
  await server.close();
}
