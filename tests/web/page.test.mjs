// The page as a person uses it, in Chromium, Firefox and WebKit: opened from disk, watched,
// turned with a key and by touch, a body chosen from the menu both ways, hidden and shown again.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { dirname, join } from 'node:path';

import {
  ENGINE_NAMES, PAGE, SIDE_PX, canvasPicture, canvasShot, changedPixels, decode, consoleText, framesDrawn, freshFrames, hider,
  itemCentre, launch, menusShown, near, openPage, paceFrames, readUntil, shows, sleep, toPixel, waitForConsole,
} from './browser.mjs';

const SIZE_LINE = 'ChangeSize call, nRange=50.000000';
const SUN = [230, 50, 0];  // the overview Sun, and the grid in its colour
const EARTH = [60, 90, 250];
const AXIS = [0, 255, 0];
const HOLD_MS = 500;  // the page's long press
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
// Why an engine cannot be told which language its user prefers.
const NO_LANGUAGE = { webkit: "WebKitGTK's WebDriver starts MiniBrowser with no language to set: neither " +
                              'LANGUAGE nor LANG in its environment reaches navigator.languages' };
// Why an engine's driver cannot touch the page.
const NO_TOUCH = { firefox: "touch emulation is Chromium's",
                   webkit: "WebKitGTK's WebDriver sends a touch pointer's actions as mouse events" };

// Each probe that fails, with what it expected and what it saw.
function failures(probes) {
  return probes.filter((p) => !p.ok).map((p) => `${p.what}: expected ${p.want}, saw ${p.saw}`);
}
const probe = (picture, what, x, y, want) =>
  ({ what: `${what} at (${Math.round(x)}, ${Math.round(y)})`, ok: shows(picture, x, y, want),
     want: `rgb(${want})`, saw: `rgb(${picture.at(x, y)})` });

// From above (key a) the grid's inner lines cross the canvas every 100 pixels; a planet may hide
// a few of the probes on them.
function gridFromAbove(picture) {
  const probes = [];
  for (let c = -40; c <= 40; c += 10) {
    const [at] = toPixel(c, 0);
    for (const across of [150, 850]) {
      probes.push(probe(picture, 'grid line', at, across, SUN));
      probes.push(probe(picture, 'grid line', across, at, SUN));
    }
  }
  return failures(probes);
}

// Earth's close-up: the green axis tilted 23° beyond both poles, the blue wire sphere inside.
function earthCloseUp(picture) {
  const tilt = (23 * Math.PI) / 180;
  const probes = [];
  for (const r of [33, 37, 41, 45, -33, -37, -41, -45]) {
    const [x, y] = toPixel(r * Math.sin(tilt), r * Math.cos(tilt));
    probes.push(probe(picture, `axis ${r} units out`, x, y, AXIS));
  }
  let wire = 0;
  let outside = 0;
  for (let y = 0; y < picture.height; y += 2) {
    for (let x = 0; x < picture.width; x += 2) {
      if (!near(picture.at(x, y), EARTH)) continue;
      wire++;
      if (Math.hypot(x - SIDE_PX / 2, y - SIDE_PX / 2) > 305) outside++;
    }
  }
  probes.push({ what: 'blue wire pixels (every second pixel)', ok: wire > 2000, want: '> 2000', saw: wire });
  probes.push({ what: 'blue pixels beyond the sphere', ok: outside === 0, want: 0, saw: outside });
  return failures(probes);
}

// Neptune's orbital angle in degrees, from the centre of its disc seen from above (key a), where
// a planet at angle a and orbit radius r lies at (-r sin a, r cos a) on the screen.
function neptuneAngle(picture) {
  const [colour, orbitPx] = [[60, 110, 200], 440];
  let [sumX, sumY, count] = [0, 0, 0];
  for (let y = 0; y < picture.height; y++) {
    for (let x = 0; x < picture.width; x++) {
      const r = Math.hypot(x - SIDE_PX / 2, y - SIDE_PX / 2);
      if (Math.abs(r - orbitPx) > 30 || !near(picture.at(x, y), colour)) continue;
      [sumX, sumY, count] = [sumX + x, sumY + y, count + 1];
    }
  }
  assert.ok(count > 100, `Neptune's disc from above: ${count} pixels of its colour`);
  const angle = (Math.atan2(SIDE_PX / 2 - sumX / count, SIDE_PX / 2 - sumY / count) * 180) / Math.PI;
  return (angle + 360) % 360;
}

// How many of three grid probes on the canvas's vertical centre line show: all from above (key a).
async function onCentreLine(page) {
  const picture = await freshFrames(page).then(() => canvasPicture(page));
  return [1, 2, 3].filter((i) => shows(picture, picture.width / 2, (i * picture.height) / 8, SUN)).length;
}

// The page's language, the console's name and the line of controls in it, one below the other
// under a canvas of its usual size, and a console with the program's output alone.
async function controlsIn(page, lang, name, words) {
  const shown = await page.evaluate(() => {
    const box = (id) => document.getElementById(id).getBoundingClientRect();
    return { lang: document.documentElement.lang, text: document.getElementById('controls').textContent,
             name: document.getElementById('console').getAttribute('aria-label'),
             canvas: [box('canvas').width, box('canvas').height, box('canvas').bottom],
             console: [box('console').top, box('console').bottom], controlsTop: box('controls').top };
  });
  assert.equal(shown.lang, lang, "the page's language");
  assert.equal(shown.name, name, "the console's name");
  for (const word of [...words, 'Shift+F10', 'a / s / d']) assert.ok(shown.text.includes(word), `'${word}' in '${shown.text}'`);
  assert.deepEqual(shown.canvas.slice(0, 2), [SIDE_PX, SIDE_PX], 'the canvas as before');
  // Half a pixel for layout's rounding.
  assert.ok(shown.canvas[2] <= shown.console[0] && shown.console[1] <= shown.controlsTop + 0.5,
            `canvas, console, controls one below the other: ${JSON.stringify(shown)}`);
  assert.equal(await consoleText(page), SIZE_LINE);
}

async function openBodyList(page) {
  await page.mouse.click(500, 200, { button: 'right' });
  await page.mouse.move(...Object.values(await itemCentre(page, '행성하나씩 보기 ')));
}

for (const engine of ENGINE_NAMES) {
  describe(engine, () => {
    let browser;
    before(async () => { browser = await launch(engine); });
    after(async () => { await browser?.close(); });

    test('opens from disk with nothing fetched, titled, 1000 × 1000, its size in the console on every change', async () => {
      const { page, seen } = await openPage(browser);
      await sleep(500);
      assert.deepEqual((await seen.requests()).filter((url) => !/^(file|data):/.test(url)), [],
                       'requests beyond the page and its inlined program');
      assert.equal(await page.title(), 'Vornak Telqui의 태양계');
      const canvas = await page.$eval('#canvas', (c) =>
        [c.getBoundingClientRect().width, c.getBoundingClientRect().height, c.width / devicePixelRatio]);
      assert.deepEqual(canvas, [SIDE_PX, SIDE_PX, SIDE_PX], 'CSS width, height, buffer per device pixel');
      assert.equal(await consoleText(page), SIZE_LINE);
      assert.deepEqual(await seen.console(), [], 'the browser console');
      await page.setViewport({ width: 700, height: 600 });
      await waitForConsole(page, SIZE_LINE.repeat(2));
      assert.equal(await page.$eval('#canvas', (c) => c.width), 600, 'a smaller page, a smaller square');
      await page.close();
    });

    test('a line of controls under the console, in English by default, the canvas and console as before', async () => {
      const { page } = await openPage(browser);
      await controlsIn(page, 'en', 'Console', ['right button', 'long press']);
      await page.close();
    });

    test('that line in Korean, and the page in Korean, where the browser prefers Korean',
         { skip: NO_LANGUAGE[engine] }, async () => {
      const korean = await launch(engine, 'ko');
      try {
        const { page } = await openPage(korean);
        await controlsIn(page, 'ko', '콘솔', ['오른쪽 버튼', '길게 누르기']);
      } finally {
        await korean.close();
      }
    });

    test('twice the pixel density, which no resize announces, doubles the drawing buffer',
         { skip: engine === 'webkit' && 'classic WebDriver cannot set a device pixel ratio' }, async () => {
      const { page } = await openPage(browser);
      // Chromium's emulated ratio fires no media query's change event either.
      await page.setViewport({ width: 1024, height: 1150, deviceScaleFactor: 2 });
      await waitForConsole(page, SIZE_LINE.repeat(2));
      assert.equal(await page.$eval('#canvas', (c) => c.width), 2 * SIDE_PX, 'buffer at 2 device pixels a CSS pixel');
      await page.close();
    });

    test('the Sun at the centre, planets that move, and the grid from above on key a', async () => {
      const { page } = await openPage(browser);
      const first = await canvasPicture(page);
      assert.deepEqual(failures([probe(first, 'Sun', 500, 500, SUN)]), []);
      const moved = await readUntil(async () => changedPixels(first, await canvasPicture(page)), (n) => n > 500);
      assert.ok(moved > 500, `pixels changed as the planets move: ${moved}`);
      await page.keyboard.press('a');
      await freshFrames(page);
      const missed = gridFromAbove(await canvasPicture(page));
      assert.ok(missed.length <= 4, `grid probes missed:\n${missed.join('\n')}`);
      await page.close();
    });

    test('the menu: a click on Earth, a drag onto Pluto, the wheel and Escape choosing nothing', async () => {
      const { page, seen } = await openPage(browser);
      const named = () => page.$eval('#canvas', (c) => `${c.getAttribute('role')}: ${c.getAttribute('aria-label')}`);
      assert.equal(await named(), 'img: 태양계 전체 모습: 태양과 그 둘레를 도는 아홉 행성');
      await openBodyList(page);
      assert.equal(await menusShown(page), 2, 'menus shown');
      // The page as a person sees it with the menu open, beside the page: the picture in docs/browser.md.
      await page.screenshot({ path: join(dirname(PAGE), `${engine}-menu.png`) });
      await page.mouse.click(...Object.values(await itemCentre(page, 'Earth')));
      await waitForConsole(page, `${SIZE_LINE}5 select \n`);
      assert.equal(await named(), 'img: 지구 가까이 보기: 자전축을 따라 도는 지구');
      assert.equal(await menusShown(page), 0, 'menus shown after the choice');
      await freshFrames(page);
      assert.deepEqual(earthCloseUp(await canvasPicture(page)), []);

      await page.mouse.move(500, 200);
      await page.mouse.down({ button: 'right' });
      await page.mouse.move(...Object.values(await itemCentre(page, '행성하나씩 보기 ')), { steps: 4 });
      await page.mouse.move(...Object.values(await itemCentre(page, 'Pluto')), { steps: 4 });
      await page.mouse.up({ button: 'right' });
      await waitForConsole(page, `${SIZE_LINE}5 select \n11 select \n`);
      assert.equal(await named(), 'img: 명왕성 가까이 보기: 자전축을 따라 도는 명왕성');

      await page.mouse.click(500, 200, { button: 'right' });
      assert.equal(await menusShown(page), 1, 'the main menu open');
      await page.mouse.wheel({ deltaY: 100 });
      await page.keyboard.press('Escape');
      await sleep(200);
      assert.equal(await menusShown(page), 0, 'menus shown after Escape');
      assert.equal(await consoleText(page), `${SIZE_LINE}5 select \n11 select \n`);
      assert.deepEqual(await seen.console(), [`log: ${SIZE_LINE}5 select `, 'log: 11 select '], 'the browser console');
      await page.close();
    });

    test('Shift+F10 and the Menu key each open the menu at the canvas centre; the keys choose Earth', async () => {
      const { page } = await openPage(browser);
      let expected = SIZE_LINE;
      // WebDriver, BiDi (Firefox) and classic (WebKit), has no Menu key to press.
      for (const keys of [['Shift', 'F10'], ...(engine === 'chromium' ? [['ContextMenu']] : [])]) {
        for (const key of keys) await page.keyboard.down(key);
        for (const key of keys.reverse()) await page.keyboard.up(key);
        assert.deepEqual(await page.evaluate(() => {
          const [c, m] = ['#canvas', '[role="menu"]:not([hidden])'].map((s) => document.querySelector(s).getBoundingClientRect());
          return [m.left - c.left, m.top - c.top];
        }), [SIDE_PX / 2, SIDE_PX / 2], `the menu's corner on the canvas after ${keys}`);
        for (const key of ['Enter', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
        await waitForConsole(page, expected += '5 select \n');
      }
      await page.close();
    });

    test('touch: a drag turns the view, a long press opens the menu, taps choose Earth',
         { skip: NO_TOUCH[engine] }, async () => {
      const { page } = await openPage(browser, PHONE);
      assert.equal(await page.$eval('#canvas', (c) => getComputedStyle(c).touchAction), 'none', 'touch-action');
      await page.keyboard.press('a');  // from above, a grid line runs down the canvas's middle
      assert.equal(await onCentreLine(page), 3, 'grid probes on the centre line from above');
      // A drag whose first move comes half a second after its touch is a long press, as the page
      // rightly takes it: on a loaded machine that drag is made again.
      for (let started = 0, tries = 0; tries < 5; tries++) {
        started = Date.now();
        await page.touchscreen.touchStart(100, 150);
        await page.touchscreen.touchMove(110, 160);
        const moveMs = Date.now() - started;
        for (let step = 2; step <= 10; step++) await page.touchscreen.touchMove(100 + 10 * step, 150 + 10 * step);
        await page.touchscreen.touchEnd();
        if (moveMs < HOLD_MS) break;
        if (await menusShown(page)) await page.keyboard.press('Escape');
      }
      assert.ok(await onCentreLine(page) <= 1, 'grid probes on the centre line after the drag');
      const lines = await consoleText(page);  // with a size line for each screenshot in this emulation
      await page.touchscreen.touchStart(200, 100);
      await page.waitForFunction(() => document.querySelector('[role="menu"]:not([hidden])'), { timeout: 5000 });
      await page.touchscreen.touchEnd();
      for (const label of ['행성하나씩 보기 ', 'Earth']) await page.touchscreen.tap(...Object.values(await itemCentre(page, label)));
      await waitForConsole(page, `${lines}5 select \n`);
      assert.equal(await menusShown(page), 0, 'menus shown after the choice');
      await page.close();
    });

    test('several fingers: the first alone drags or works the menu; after a storm of touches the keys still choose Earth',
         { skip: NO_TOUCH[engine] }, async () => {
      const { page, seen } = await openPage(browser, PHONE);
      const cdp = await page.createCDPSession();
      // Each start or move names every finger on the screen; an end names those lifted.
      const touch = (type, ...fingers) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: fingers });
      // The first finger stays below the probes, where the menu opens if it is held long enough.
      const [first, second] = [{ id: 1, x: 100, y: 300 }, { id: 2, x: 200, y: 150 }];
      await page.keyboard.press('a');
      await touch('touchStart', first);
      await touch('touchStart', first, second);
      for (let step = 0; step < 10; step++) await touch('touchMove', first, Object.assign(second, { x: second.x + 10, y: second.y + 10 }));
      await touch('touchEnd', second);
      await touch('touchEnd', first);
      // A planet may hide one of them; a drag of 40° turns the line away from all but one.
      assert.ok(await onCentreLine(page) >= 2, "grid probes on the centre line after a second finger's drag");
      await page.keyboard.press('Escape');
      await touch('touchStart', first);
      await page.waitForFunction(() => document.querySelector('[role="menu"]:not([hidden])'), { timeout: 5000 });
      const entry = await itemCentre(page, '행성하나씩 보기 ');
      await touch('touchStart', first, { id: 3, ...entry });
      await touch('touchEnd', { id: 3, ...entry });
      assert.equal(await menusShown(page), 1, "menus shown after a second finger's tap on the entry");
      await touch('touchEnd', first);

      // Taps, drags, long presses and cancels of one to three fingers, a key after each: the same every run.
      let seed = 7;
      const random = (n) => (seed = (seed * 16807) % 2147483647) % n;
      for (let gesture = 0; gesture < 24; gesture++) {
        const fingers = Array.from({ length: 1 + random(3) }, (_, i) => ({ id: 10 + 3 * gesture + i, x: 20 + random(350), y: 20 + random(350) }));
        for (let down = 1; down <= fingers.length; down++) await touch('touchStart', ...fingers.slice(0, down));
        const kind = gesture % 4;
        for (let step = 0; step < (kind % 2) * 5; step++) {
          await touch('touchMove', ...fingers.map((f) => Object.assign(f, { x: f.x + 6, y: f.y + 4 })));
        }
        if (kind === 2) await sleep(HOLD_MS + 100);
        if (kind === 3) await touch('touchCancel');
        else for (const finger of random(2) ? fingers : fingers.reverse()) await touch('touchEnd', finger);
        await page.keyboard.press(['a', 's', 'd', 'ArrowLeft', 'ArrowDown', 'x'][random(6)]);
      }
      await page.keyboard.press('Escape');
      await freshFrames(page, 10);
      const lines = await consoleText(page);
      await page.keyboard.down('Shift');
      await page.keyboard.press('F10');
      await page.keyboard.up('Shift');
      for (const key of ['Enter', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
      await waitForConsole(page, `${lines}5 select \n`);
      const programLines = (await consoleText(page)).split('\n').slice(0, -1).map((line) => `log: ${line}`);
      assert.deepEqual(await seen.console(), programLines, "the browser console: the program's lines alone");
      await page.close();
    });

    test('60 steps a second on 75 and 144 Hz displays, one a refresh at 50 Hz', async () => {
      for (const [hz, steps] of [[75, 60], [144, 60], [50, 50]]) {
        // Frames drawn over the display's second and third seconds, by its own time stamps.
        const { page } = await openPage(browser, undefined, [paceFrames, hz, 3 * hz]);
        const paced = await page.waitForFunction((n) => window.orreryPaced.length >= n && window.orreryPaced,
                                                 { polling: 100, timeout: 60000 }, 3 * hz).then((handle) => handle.jsonValue());
        const rate = (paced[3 * hz - 1] - paced[hz - 1]) / 2;
        assert.ok(Math.abs(rate - steps) <= 3, `${hz} Hz: expected ${steps} ± 3 steps a second, saw ${rate}`);
        await page.close();
      }
    });

    test('a lost WebGL context: nothing drawn or thrown while lost, the Sun again once restored', async () => {
      const { page, seen } = await openPage(browser);
      // A lost context gives out no extensions: the one to restore it is taken beforehand.
      const context = (call) => page.evaluate((c) => (window.loseContext ??= document.getElementById('canvas')
        .getContext('webgl').getExtension('WEBGL_lose_context'))[c](), call);
      const framesLost = await context('loseContext').then(() => sleep(200)).then(() => framesDrawn(page));
      assert.equal(await sleep(500).then(() => framesDrawn(page)) - framesLost, 0, 'frames drawn while lost');
      await context('restoreContext');
      await page.waitForFunction((n) => window.orreryFrames > n + 10, { timeout: 10000 }, framesLost);
      assert.deepEqual(failures([probe(await canvasPicture(page), 'Sun', 500, 500, SUN)]), []);
      assert.equal(await consoleText(page), SIZE_LINE);
      assert.deepEqual(await seen.console(), [], 'the browser console');
      await page.close();
    });

    test('nothing drawn or stepped while the page is hidden, going on when shown', async () => {
      const { page } = await openPage(browser);
      const hiding = await hider(browser, page);
      await page.keyboard.press('a');
      await freshFrames(page);
      // Neptune turns 0.1° a step. Across the hidden time it may turn only by the steps of the
      // moments the page was still or again shown, at most one a 60th of a second.
      let shownMs = Date.now();
      const before = await canvasShot(page);
      await hiding.hide();
      shownMs = Date.now() - shownMs;
      await page.waitForFunction(() => document.visibilityState === 'hidden', { polling: 50 });
      const framesHidden = await framesDrawn(page);
      await sleep(2000);
      assert.equal(await framesDrawn(page) - framesHidden, 0, 'frames drawn while hidden');
      const shownAgain = Date.now();
      await hiding.show();
      const shown = neptuneAngle(await canvasPicture(page));
      shownMs += Date.now() - shownAgain;
      // Going on: 3° are 30 steps, half a second at full rate, waited for as long as they take.
      const later = await readUntil(async () => neptuneAngle(await canvasPicture(page)), (angle) => angle - shown > 3);
      const stepsAcross = (shown - neptuneAngle(decode(before))) / 0.1;
      const stepsShown = Math.ceil((shownMs * 60) / 1000) + 2;
      assert.ok(stepsAcross <= stepsShown,
                `${stepsAcross.toFixed(1)} steps across the hidden time, ${stepsShown} in the ${shownMs} ms shown`);
      assert.ok(later - shown > 3, `Neptune turned ${(later - shown).toFixed(2)}° in the 20 s after`);
      await hiding.close();
      await page.close();
    });
  });
}
