// The browser page's figures in Chromium, Firefox and WebKit: load to first frame, and frame rates
// and the browsers' CPU time against an empty page that clears a canvas of the same size every
// frame.
//   ORRERY_PAGE=$PWD/build-web/orrery.html node bench/web_bench.mjs
// (after scripts/test or `npm ci` in tests/web, whose driver this uses).
import { readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { ENGINE_NAMES, countFrames, itemCentre, launch, openPage, sleep } from '../tests/web/browser.mjs';

const RUNS = 5;
const WINDOW_MS = 5000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// CPU seconds used so far by the process `root` and all its descendants.
function treeCpuSeconds(root) {
  const parents = new Map();
  const ticks = new Map();
  for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      parents.set(pid, fields[1]);
      ticks.set(pid, Number(fields[11]) + Number(fields[12]));
    } catch { /* gone meanwhile */ }
  }
  const inTree = (pid) => pid === String(root) || (parents.has(pid) && parents.get(pid) !== '0' && inTree(parents.get(pid)));
  let total = 0;
  for (const [pid, t] of ticks) if (inTree(pid)) total += t;
  return total / 100;  // USER_HZ
}

async function cpuOver(browser, ms) {
  const start = treeCpuSeconds(browser.process().pid);
  await sleep(ms);
  return treeCpuSeconds(browser.process().pid) - start;
}

async function framesPerSecond(page) {
  const before = await page.evaluate(() => window.orreryFrames);
  await sleep(WINDOW_MS);
  return ((await page.evaluate(() => window.orreryFrames)) - before) / (WINDOW_MS / 1000);
}

async function loadTimes(engine) {
  const times = [];
  for (let run = 0; run < RUNS; run++) {
    const browser = await launch(engine);
    const { page } = await openPage(browser);
    times.push(await page.evaluate(() => window.orreryFirstFrameMs));
    await browser.close();
  }
  return times;
}

const EMPTY_PAGE = `<!doctype html><canvas id="canvas" width="1000" height="1000"></canvas><script>
const gl = document.getElementById('canvas').getContext('webgl');
(function frame() { gl.clear(gl.COLOR_BUFFER_BIT); requestAnimationFrame(frame); })();
</script>`;

for (const engine of ENGINE_NAMES) {
  const times = await loadTimes(engine);
  console.log(`${engine}: load to first drawn frame, median ${median(times).toFixed(0)} ms of ${times.map((t) => t.toFixed(0)).join(' ')}`);
}

// Frame rates and CPU time of the page's overview and Earth's close-up, and of the empty page, in
// one browser of each engine. The empty page shows what the browser's compositing alone costs.
for (const engine of ENGINE_NAMES) {
  const browser = await launch(engine);
  const { page } = await openPage(browser);
  await sleep(1000);
  console.log(`${engine}: overview ${(await framesPerSecond(page)).toFixed(1)} frames/s`);
  const pageCpu = await cpuOver(browser, WINDOW_MS);
  await page.mouse.click(500, 200, { button: 'right' });
  await page.mouse.move(...Object.values(await itemCentre(page, '행성하나씩 보기 ')));
  await page.mouse.click(...Object.values(await itemCentre(page, 'Earth')));
  await sleep(1000);
  console.log(`${engine}: close-up of Earth ${(await framesPerSecond(page)).toFixed(1)} frames/s`);
  await page.close();

  const emptyFile = join(tmpdir(), 'orrery-bench-empty.html');
  writeFileSync(emptyFile, EMPTY_PAGE);
  const empty = await browser.newPage();
  await empty.setViewport({ width: 1024, height: 1150 });
  await empty.evaluateOnNewDocument(countFrames);
  await empty.goto(`file://${emptyFile}`);
  await sleep(1000);
  console.log(`${engine}: empty clearing canvas ${(await framesPerSecond(empty)).toFixed(1)} frames/s`);
  const emptyCpu = await cpuOver(browser, WINDOW_MS);
  console.log(`${engine}: CPU of all its processes over ${WINDOW_MS / 1000} s: overview ${pageCpu.toFixed(2)} s, ` +
              `empty clearing canvas ${emptyCpu.toFixed(2)} s, ratio ${(pageCpu / emptyCpu).toFixed(2)}`);
  await browser.close();
}
