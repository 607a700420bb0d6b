// The system's browsers and what a person sees of the page in them: the canvas as pixels, the
// console panel, the menu's elements. Headless Chromium and Firefox are driven by puppeteer-core,
// WebKit by classic WebDriver (webdriver.mjs), through the same calls.
import puppeteer from 'puppeteer-core';
import { PNG } from 'pngjs';

import { WebDriverBrowser, WebDriverPage } from './webdriver.mjs';

export const PAGE = process.env.ORRERY_PAGE;
export const SIDE_PX = 1000;

// All three draw WebGL in software here: Chromium through its SwiftShader, Firefox and WebKit
// through Mesa, which Firefox leaves alone only with these settings.
const ENGINES = {
  chromium: {
    browser: 'chrome',
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           '--disable-background-networking', '--disable-component-update', '--no-first-run'],
  },
  firefox: {
    browser: 'firefox',
    executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: {
      'webgl.force-enabled': true,
      'gfx.webrender.software': true,
      'webgl.disable-fail-if-major-performance-caveat': true,
      'webgl.out-of-process': false,
    },
    env: { ...process.env, LIBGL_ALWAYS_SOFTWARE: '1', MOZ_WEBGL_FORCE_EGL: '0' },
  },
  webkit: {},
};
export const ENGINE_NAMES = Object.keys(ENGINES);

// `language`, where given, is the one the browser prefers: Chromium's --lang (which headless
// Chromium leaves to --accept-lang) or Firefox's intl.accept_languages; WebKit cannot be told.
export function launch(engine, language) {
  if (engine === 'webkit') return WebDriverBrowser.launch();
  const options = { headless: true, ...ENGINES[engine] };
  if (language && engine === 'chromium') options.args = [...options.args, `--lang=${language}`, `--accept-lang=${language}`];
  if (language && engine === 'firefox')
    options.extraPrefsFirefox = { ...options.extraPrefsFirefox, 'intl.accept_languages': language };
  return puppeteer.launch(options);
}

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Counts the frames the page draws (each begins with one clear), and notes when the first began
// after the page's navigation started; installed before the program runs.
export function countFrames() {
  window.orreryFrames = 0;
  const clear = WebGLRenderingContext.prototype.clear;
  WebGLRenderingContext.prototype.clear = function (...args) {
    if (window.orreryFrames++ === 0) window.orreryFirstFrameMs = performance.now();
    return clear.apply(this, args);
  };
}

// A display at `hz` in place of the browser's, for `ticks` frames: time stamps 1000 / hz ms apart,
// given as fast as the page takes them, so the count holds however busy the machine is. The
// frames drawn so far are noted at each.
export function paceFrames(hz, ticks) {
  const [channel, waiting, paced] = [new MessageChannel(), [], (window.orreryPaced = [])];
  let [stamp, pending] = [0, false];
  const tick = () => { pending = paced.length < ticks; if (pending) channel.port2.postMessage(0); };
  channel.port1.onmessage = () => {
    stamp = stamp ? stamp + 1000 / hz : performance.now();
    waiting.splice(0).forEach((callback) => callback(stamp));
    paced.push(window.orreryFrames);
    if (waiting.length) tick(); else pending = false;
  };
  window.requestAnimationFrame = (callback) => { if (waiting.push(callback) && !pending) tick(); };
}

// What the page logs and every request it makes, as puppeteer hears of them.
function watch(page) {
  const [logged, requests] = [[], []];
  page.on('console', (message) => logged.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => logged.push(`pageerror: ${error.message}`));
  page.on('request', (request) => requests.push(request.url()));
  return { console: async () => logged, requests: async () => requests };
}

// Opens the page from disk in a viewport that holds the whole canvas and its console, and waits
// for the first frame. `seen.console()` and `seen.requests()` give what it logged and fetched.
// Each of `scripts`, [function, ...arguments], runs before the program, after the frame counter.
export async function openPage(browser, viewport = { width: 1024, height: 1150 }, ...scripts) {
  const page = await browser.newPage();
  const seen = page instanceof WebDriverPage ? page.watch() : watch(page);
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(countFrames);
  for (const [script, ...args] of scripts) await page.evaluateOnNewDocument(script, ...args);
  await page.goto(`file://${PAGE}`);
  await page.waitForFunction(() => window.orreryFrames > 0);
  return { page, seen };
}

// Hides the page and shows it again as a person would: behind another tab, or where another
// window in front hides nothing (WebKit), by minimising its window.
export async function hider(browser, page) {
  if (page instanceof WebDriverPage) return { hide: () => page.minimise(), show: () => page.bringToFront(), close() {} };
  const other = await browser.newPage();
  await page.bringToFront();
  return { hide: () => other.bringToFront(), show: () => page.bringToFront(), close: () => other.close() };
}

export const framesDrawn = (page) => page.evaluate(() => window.orreryFrames);
// Waits until `count` more frames have been drawn, so that a picture shows what came before.
export async function freshFrames(page, count = 2) {
  const from = await framesDrawn(page);
  await page.waitForFunction((n) => window.orreryFrames >= n, { polling: 50, timeout: 20000 }, from + count);
}
// Reads `read()` until `done` holds for its value or `ms` have passed; gives the last value.
export async function readUntil(read, done, ms = 20000) {
  let value = await read();
  for (const end = Date.now() + ms; !done(value) && Date.now() < end;) value = await sleep(100).then(read);
  return value;
}
export const consoleText = (page) => page.evaluate(() => document.getElementById('console').textContent);

// Waits until the console panel reads `text`, or says what it read instead.
export async function waitForConsole(page, text) {
  try {
    await page.waitForFunction((t) => document.getElementById('console').textContent === t,
                               { timeout: 5000 }, text);
  } catch {
    throw new Error(`console panel: expected ${JSON.stringify(text)}, read ${JSON.stringify(await consoleText(page))}`);
  }
}

// The canvas as the screen shows it, as a PNG, and then as one entry per CSS pixel.
export async function canvasShot(page) {
  const canvas = await page.$('#canvas');
  return Buffer.from(await canvas.screenshot({ encoding: 'binary' }));
}

export function decode(shot) {
  const png = PNG.sync.read(shot);
  return {
    width: png.width,
    height: png.height,
    at(x, y) {
      const i = (Math.round(y) * png.width + Math.round(x)) * 4;
      return [png.data[i], png.data[i + 1], png.data[i + 2]];
    },
  };
}

export const canvasPicture = async (page) => decode(await canvasShot(page));

export const near = (rgb, want, tolerance = 3) => rgb.every((c, i) => Math.abs(c - want[i]) <= tolerance);

// Whether `want` shows at (x, y) or a pixel beside it (lines fall on either side of a boundary).
export function shows(picture, x, y, want, tolerance = 3) {
  for (let dy = -1; dy <= 1; dy++) {
    for (let dx = -1; dx <= 1; dx++) {
      if (near(picture.at(x + dx, y + dy), want, tolerance)) return true;
    }
  }
  return false;
}

// Screen pixel of scene point (x, y) in the square canvas with the view's range of 50 units.
export const toPixel = (x, y, side = SIDE_PX) => [side / 2 + (x * side) / 100, side / 2 - (y * side) / 100];

// Pixels that differ between two pictures by more than the tolerance in some channel.
export function changedPixels(a, b, tolerance = 8) {
  let changed = 0;
  for (let y = 0; y < a.height; y++) {
    for (let x = 0; x < a.width; x++) {
      if (!near(a.at(x, y), b.at(x, y), tolerance)) changed++;
    }
  }
  return changed;
}

// The centre of the visible menu item labelled `label`, in page coordinates.
export async function itemCentre(page, label) {
  const box = await page.evaluate((text) => {
    for (const item of document.querySelectorAll('[role="menuitem"]')) {
      if (item.textContent === text && !item.parentElement.hidden) {
        const r = item.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
      }
    }
    return null;
  }, label);
  if (!box) throw new Error(`no visible menu item ${JSON.stringify(label)}`);
  return box;
}

export const menusShown = (page) =>
  page.evaluate(() => [...document.querySelectorAll('[role="menu"]')].filter((m) => !m.hidden).length);
