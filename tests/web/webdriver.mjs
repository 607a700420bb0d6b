// WebKit, Safari's engine, driven through classic W3C WebDriver: WebKitGTK's MiniBrowser on a
// private Xvfb under Debian's WebKitWebDriver, with the protocol's few HTTP calls. Its pages
// answer the part of puppeteer's Page that the tests use, so the same tests run in it.
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { PNG } from 'pngjs';

const DRIVER = '/usr/bin/WebKitWebDriver';
const MINIBROWSER = readdirSync('/usr/lib').map((arch) => `/usr/lib/${arch}/webkit2gtk-4.1/MiniBrowser`).find(existsSync);
// WebDriver's codes for the keys the tests press; other keys are their own characters.
const KEYS = { Shift: '\uE008', Enter: '\uE007', Escape: '\uE00C', ArrowLeft: '\uE012', ArrowUp: '\uE013',
               ArrowRight: '\uE014', ArrowDown: '\uE015', F10: '\uE03A' };
const BUTTONS = { left: 0, middle: 1, right: 2 };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Xvfb writes its display's number to the descriptor given once it takes connections.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1280x24', '-nolisten', 'tcp'],
                         { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    let written = '';
    server.stdio[3].on('data', (data) => {
      written += data;
      if (written.endsWith('\n')) resolve({ server, display: `:${written.trim()}` });
    });
    server.on('exit', (code) => reject(new Error(`Xvfb exited (${code}) before taking connections`)));
  });
}

const freePort = () => new Promise((resolve) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// Classic WebDriver runs no script before the page's own, and tells nothing of the console: the
// page's own console object, wrapped before the program runs, does.
function catchConsole() {
  const seen = (window.orreryConsole = []);
  for (const type of ['log', 'info', 'warn', 'error', 'debug']) {
    const write = console[type];
    console[type] = (...args) => { seen.push(`${type}: ${args.join(' ')}`); write.apply(console, args); };
  }
  addEventListener('error', (event) => seen.push(`pageerror: ${event.message}`));
  addEventListener('unhandledrejection', (event) => seen.push(`pageerror: ${event.reason}`));
}

export class WebDriverBrowser {
  static async launch() {
    const { server, display } = await startXvfb();
    const port = await freePort();
    const driver = spawn(DRIVER, [`--port=${port}`], { stdio: 'ignore', env: { ...process.env, DISPLAY: display } });
    const browser = new WebDriverBrowser(server, driver, `http://127.0.0.1:${port}`);
    try {
      await browser.start();
    } catch (error) {
      await browser.close();
      throw error;
    }
    return browser;
  }

  async start() {
    if (!MINIBROWSER) throw new Error('no WebKitGTK MiniBrowser: install webkit2gtk-driver');
    for (const end = Date.now() + 20000; !(await this.call('GET', '/status').catch(() => null))?.ready;) {
      if (Date.now() > end) throw new Error(`${DRIVER} did not answer at ${this.url}`);
      await sleep(100);
    }
    const session = await this.call('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] } } } });
    this.url += `/session/${session.sessionId}`;
    // The first window stays open: the session ends with its last one.
    this.home = this.current = await this.call('GET', '/window');
  }

  constructor(server, driver, url) {
    Object.assign(this, { server, driver, url, copies: mkdtempSync(join(tmpdir(), 'orrery-webkit-')) });
  }

  async call(method, path, body) {
    const response = await fetch(this.url + path, {
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }

  async select(handle) {
    if (this.current !== handle) await this.call('POST', '/window', { handle });
    this.current = handle;
  }

  async newPage() {
    const { handle } = await this.call('POST', '/window/new', { type: 'window' });
    return new WebDriverPage(this, handle);
  }

  process() { return this.driver; }

  async close() {
    await this.call('DELETE', '').catch(() => {});
    for (const child of [this.driver, this.server]) child.kill();
    rmSync(this.copies, { recursive: true, force: true });
  }
}

export class WebDriverPage {
  constructor(browser, handle) {
    Object.assign(this, { browser, handle, beforePage: [], pointer: [0, 0], minimised: null });
    this.mouse = {
      move: (x, y, { steps = 1 } = {}) => {
        const [fromX, fromY] = this.pointer;
        this.pointer = [x, y];
        return this.act('pointer', Array.from({ length: steps }, (_, i) => ({ type: 'pointerMove', origin: 'viewport',
          x: Math.round(fromX + ((x - fromX) * (i + 1)) / steps), y: Math.round(fromY + ((y - fromY) * (i + 1)) / steps) })));
      },
      down: ({ button = 'left' } = {}) => this.act('pointer', [{ type: 'pointerDown', button: BUTTONS[button] }]),
      up: ({ button = 'left' } = {}) => this.act('pointer', [{ type: 'pointerUp', button: BUTTONS[button] }]),
      wheel: ({ deltaX = 0, deltaY = 0 }) => this.act('wheel', [{ type: 'scroll', origin: 'viewport',
        x: Math.round(this.pointer[0]), y: Math.round(this.pointer[1]), deltaX, deltaY }]),
      click: async (x, y, options) => {
        await this.mouse.move(x, y);
        await this.mouse.down(options);
        await this.mouse.up(options);
      },
    };
    const key = (type) => (name) => this.act('key', [{ type, value: KEYS[name] ?? name }]);
    this.keyboard = { down: key('keyDown'), up: key('keyUp'), press: async (name) => {
      await this.keyboard.down(name);
      await this.keyboard.up(name);
    } };
  }

  async call(method, path, body) {
    await this.browser.select(this.handle);
    return this.browser.call(method, path, body);
  }

  act(type, actions) {
    const parameters = type === 'pointer' ? { pointerType: 'mouse' } : undefined;
    return this.call('POST', '/actions', { actions: [{ type, id: type, parameters, actions }] });
  }

  // Runs `fn` in the page with `args`, as puppeteer's evaluate does; a promise it returns is waited for.
  evaluate(fn, ...args) {
    return this.call('POST', '/execute/sync', { script: `return (${fn}).apply(null, arguments);`, args });
  }

  $eval(selector, fn, ...args) {
    return this.evaluate(`function (selector, ...args) { return (${fn})(document.querySelector(selector), ...args); }`,
                         selector, ...args);
  }

  // An element as the screen shows it: cut from a shot of the page's area, since WebKitGTK's own
  // shot of an element draws a WebGL canvas afresh and cuts its long lines short.
  async $(selector) {
    return { screenshot: async () => {
      const box = await this.$eval(selector, (element) => {
        const r = element.getBoundingClientRect();
        return [r.left, r.top, r.width, r.height].map((v) => Math.round(v * devicePixelRatio));
      });
      const [shot, cut] = [PNG.sync.read(Buffer.from(await this.call('GET', '/screenshot'), 'base64')), new PNG({ width: box[2], height: box[3] })];
      PNG.bitblt(shot, cut, ...box, 0, 0);
      return PNG.sync.write(cut);
    } };
  }

  async waitForFunction(fn, { polling = 100, timeout = 30000 } = {}, ...args) {
    for (const end = Date.now() + timeout; ;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return { jsonValue: async () => value };
      if (Date.now() > end) throw new Error(`waiting for ${fn} timed out after ${timeout} ms`);
      await sleep(polling);
    }
  }

  // Scripts for the next page opened from disk, which opens as a copy with them in front of its own.
  evaluateOnNewDocument(fn, ...args) {
    this.beforePage.push(`<script>(${fn})(...${JSON.stringify(args)});</script>`);
  }

  async goto(url) {
    if (this.beforePage.length) {
      const copy = join(this.browser.copies, `${this.handle}.html`);
      const page = readFileSync(new URL(url), 'utf8');
      const at = page.includes('<head>') ? '<head>' : '<!doctype html>';
      writeFileSync(copy, page.replace(at, at + this.beforePage.join('')));
      url = `file://${copy}`;
    }
    await this.call('POST', '/url', { url });
  }

  // What the page wrote to its console and what it fetched, read from the page itself.
  watch() {
    this.evaluateOnNewDocument(catchConsole);
    return {
      console: () => this.evaluate(() => window.orreryConsole),
      requests: () => this.evaluate(() => performance.getEntriesByType('resource').map((entry) => entry.name)),
    };
  }

  title() { return this.call('GET', '/title'); }

  // The window is sized so that the page's own area is `width` × `height` CSS pixels.
  async setViewport({ width, height }) {
    const [innerWidth, innerHeight] = await this.evaluate(() => [window.innerWidth, window.innerHeight]);
    const rect = await this.call('GET', '/window/rect');
    await this.call('POST', '/window/rect', { width: rect.width + width - innerWidth, height: rect.height + height - innerHeight });
  }

  async screenshot({ path }) {
    writeFileSync(path, Buffer.from(await this.call('GET', '/screenshot'), 'base64'));
  }

  // Another window in front hides nothing from WebKit; a minimised one is hidden.
  async minimise() {
    const { width, height } = await this.call('GET', '/window/rect');
    await this.call('POST', '/window/minimize', {});
    this.minimised = { width, height };
  }

  async bringToFront() {
    if (!this.minimised) return this.browser.select(this.handle);
    await this.call('POST', '/window/rect', this.minimised);  // restores the window as it was
    this.minimised = null;
    // Restored, the page is seen once it has said so and drawn again.
    await this.waitForFunction(() => document.visibilityState === 'visible', { polling: 20 });
    await this.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
  }

  async close() {
    await this.call('DELETE', '/window');
    await this.browser.select(this.browser.home);
  }
}
