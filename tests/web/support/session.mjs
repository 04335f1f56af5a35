// One scripted session, played twice: natively through the program's callbacks
// (session_replay) and on the page with real input. The script format is
// session_replay's; typed lines are fed to the knot entry in order.

import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import {REPLAY} from './harness.mjs';

// Runs the script natively in a fresh folder; resolves to {stdout, debug}
// (debug: the trace file's text, or null when none was written).
export function runNative(script, typed = []) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'curvix-replay-'));
  try {
    const scriptFile = path.join(folder, 'session.txt');
    fs.writeFileSync(scriptFile, script.join('\n') + '\n');
    const stdout = execFileSync(REPLAY, [scriptFile], {
      cwd: folder,
      input: typed.map((line) => line + '\n').join(''),
      encoding: 'latin1',
    });
    const debugFile = path.join(folder, 'debug.txt');
    const debug = fs.existsSync(debugFile) ? fs.readFileSync(debugFile, 'latin1') : null;
    return {stdout, debug};
  } finally {
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

// Plays the script on an open CurvixPage. A "menu knot vectors" step takes
// the next typed line(s) through the console input until the program stops
// waiting. Resolves to the text to compare: the program's output with the
// marked lines at the same places as the native run prints them.
export async function runOnPage(curvix, script, typed = []) {
  const lines = [...typed];
  let text = '';
  let seen = 0;
  const takeOutput = async () => {
    const stdout = await curvix.stdout();
    text += stdout.slice(seen);
    seen = stdout.length;
  };
  for (const step of script) {
    const [verb, ...rest] = step.split(' ');
    const x = Number(rest[0]);
    const y = Number(rest[1]);
    if (verb === 'move')
      await curvix.move(x, y);
    else if (verb === 'down')
      await curvix.down(x, y);
    else if (verb === 'up')
      await curvix.up(x, y);
    else if (verb === 'key')
      await curvix.key(rest.join(' '));
    else if (verb === 'menu') {
      await curvix.menu(rest.join(' '));
      while (await curvix.page.evaluate(
          () => document.getElementById('console-panel').classList.contains('waiting'))) {
        if (lines.length === 0) throw new Error('the program waits for a line the script lacks');
        await curvix.type(lines.shift());
      }
    } else if (verb === 'points' || verb === 'status') {
      await curvix.settle();
      await takeOutput();
      const marked = await curvix.page.evaluate(
          (what) => (what === 'points' ? Module.curvixPointsText() : Module.curvixStatusText()),
          verb);
      text += `${verb} ${marked}\n`;
    } else {
      throw new Error(`bad script step: ${step}`);
    }
  }
  await curvix.settle();
  await takeOutput();
  return text;
}

// Script steps that click each point in turn.
export function clicks(points) {
  return points.flatMap(([x, y]) => [`down ${x} ${y}`, `up ${x} ${y}`]);
}
