// Same numbers as the desktop: each session is played natively through the
// program's callbacks and on the page with real input; the program's output
// (the trace included) and the points and settings read out at marked moments
// must agree character for character, and so must the downloaded trace file.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {sharedBrowser} from './support/harness.mjs';
import {clicks, runNative, runOnPage} from './support/session.mjs';

const SQUARE = [[100, 100], [300, 100], [300, 300], [100, 300]];
const HEXAGON = [[400, 80], [560, 160], [560, 340], [400, 420], [240, 340], [240, 160]];

const SESSIONS = {
  'the square refined twice with RBF4, traced':
      {script: [...clicks(SQUARE), 'key p', 'key s', 'key s', 'points', 'status']},
  'a hexagon refined with RBF6, traced, stationary': {
    script: [
      ...clicks(HEXAGON), 'key a', 'key n', 'key p', 'key s', 'points', 'key s', 'points', 'status'
    ]
  },
  'the square refined with NR4 (tension raised) and then D-D': {
    script: [
      ...clicks(SQUARE), 'key a', 'key a', 'key j', 'key j', 'key s', 'points', 'key a', 'key s',
      'points', 'status'
    ],
  },
  'basis, r, C and degree keys, traced RBF4 steps': {
    script: [
      ...clicks([...SQUARE, [200, 420]]), 'key b', 'key .', 'key .', 'key l', 'key w', 'key p',
      'key s', 'points', 'key b', 'key ,', 'key k', 'key q', 'key s', 'points', 'status'
    ],
  },
  'knot entry rejected then accepted, a drag, the RBF curve, a traced step': {
    script: [
      ...clicks(SQUARE), 'menu knot vectors', 'menu knot vectors', 'status',
      'menu RBF interpolation', 'down 300 300', 'move 320 310', 'move 340 330', 'up 340 330',
      'points', 'key p', 'key s', 'points', 'status'
    ],
    typed: ['0 2 1', '0 0.5 1.7 3'],
  },
};

const shared = sharedBrowser();

describe('the page computes what the desktop program computes', () => {
  for (const [name, session] of Object.entries(SESSIONS)) {
    test(name, async () => {
      const native = runNative(session.script, session.typed);
      const curvix = await shared.openPage();
      const onPage = await runOnPage(curvix, session.script, session.typed);
      assert.equal(onPage, native.stdout);
      assert.deepEqual(curvix.errors, []);
      await curvix.page.close();
    });
  }

  test('the downloaded debug.txt is the desktop trace file', async () => {
    const session = SESSIONS['the square refined twice with RBF4, traced'];
    const native = runNative(session.script);
    assert.ok(native.debug && native.debug.length > 0, 'the native run wrote no trace file');
    const curvix = await shared.openPage();
    await runOnPage(curvix, session.script);
    assert.equal(await curvix.downloadTrace(), native.debug);
    await curvix.page.close();
  });
});
