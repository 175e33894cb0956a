// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests share: the built site served on loopback, Debian's chromium driven
// by playwright-core, and the page's dialogs answered as a user would.

import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { chromium } from 'playwright-core';

export const site = process.env.OMBRIX_WEB_SITE ?? 'build-web/site';
/** The module in the test language, en-XA, beside the site's (test.sh web builds it). */
export const testLanguageModule = `${site}/../module/bin/en-XA`;

/** Serves a folder on a free loopback port. */
async function serve(directory) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
    '--directory', directory], { stdio: ['ignore', 'pipe', 'ignore'] });
  // Read to the end: a pipe closed while the server prints makes it fail.
  let output = '';
  const port = await new Promise((resolve, reject) => {
    server.stdout.on('data', (chunk) => {
      output += chunk;
      const found = /port (\d+) .*\n/.exec(output)?.[1];
      if (found) resolve(found);
    });
    server.on('exit', () => reject(new Error(`the server ended: ${output}`)));
  });
  return { url: `http://127.0.0.1:${port}/`, stop: () => server.kill() };
}

/** The system's chromium, headless, with the flags a closed network and root need. */
const kLaunchOptions = {
  executablePath: process.env.OMBRIX_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--no-first-run', '--disable-sync'],
};

let server;
let browser;

/**
 * Serves the site (or a copy of it elsewhere) and starts the browser for open(); returns
 * what stops both.
 */
export async function startSite(directory = site) {
  server = await serve(directory);
  browser = await chromium.launch(kLaunchOptions);
  return async () => {
    await browser.close();
    server.stop();
  };
}

/** Stops serving the site, as when the network is gone; the browser stays. */
export const stopServing = () => server.stop();

/**
 * The site in a second browser that keeps its profile in `profile`, as a user's does: a site
 * opened in open()'s contexts, which keep nothing, cannot be installed. `options` add to or
 * override the launch options (`{ headless: false }` shows it). Closing the page's context
 * ends that browser.
 */
export async function openInProfile(profile, options = {}) {
  const context = await chromium.launchPersistentContext(profile,
    { ...kLaunchOptions, ...options });
  const page = context.pages()[0] ?? await context.newPage();
  await page.goto(server.url);
  return page;
}

/**
 * A fresh page at the site, in a context of its own. It records the length in seconds of
 * every cue it starts (page.cues()): a cue started while its audio context is not running
 * (a page may start sound only once the user has acted) is recorded as silent. `options` are
 * the context's, such as a touch screen; with `keepModule`, the module the page makes is kept
 * as window.ombrix, for chartAgainstRecords(); with `moduleFrom`, the page loads the module
 * built in that folder instead of its own (testLanguageModule); `query` follows the address.
 */
export async function open({ keepModule = false, moduleFrom = '', query = '', ...options } = {}) {
  // The table's copies are read back from the clipboard.
  const context = await browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'],
    ...options });
  if (moduleFrom) {
    await context.route(/\/ombrix\.(js|wasm)$/, (route) => route.fulfill(
      { path: `${moduleFrom}/${new URL(route.request().url()).pathname.split('/').at(-1)}` }));
  }
  if (keepModule) {
    await context.route('**/ombrix.js', async (route) => {
      const response = await route.fetch();
      const body = (await response.text()).replace(/export default (\w+);\s*$/,
        'export default async (...args) => (window.ombrix = await $1(...args));');
      await route.fulfill({ response, body });
    });
  }
  await context.addInitScript(() => {
    // As in a browser that has seen nothing of the user yet, and unlike this driven one:
    // audio contexts start suspended, and sound needs them resumed.
    const Context = AudioContext;
    window.AudioContext = class extends Context {
      constructor(options) {
        super(options);
        this.suspend();
      }
    };
    window.cuesStarted = [];
    window.policyViolations = [];
    document.addEventListener('securitypolicyviolation', (event) =>
      window.policyViolations.push(`${event.effectiveDirective} ${event.blockedURI}`));
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.cuesStarted.push(this.context.state === 'running' ? this.buffer.duration : 'silent');
      return start.apply(this, args);
    };
  });
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && page.errors.push(message.text()));
  page.cues = () => page.evaluate(() => window.cuesStarted);
  await page.goto(server.url + query);
  await dialog(page).waitFor();
  return page;
}

/** The layout records in `language`, from a module of the page's own. */
export const layouts = (page, language = 'en') => page.evaluate(async (wanted) => {
  const module = await (await import('./ombrix.js')).default();
  module.useLanguage([wanted]);
  return { main: module.mainWindow(), help: module.helpWindow(), inputBox: module.inputBox(),
    messageBox: module.messageBox() };
}, language);

const axe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

/** axe-core's findings on the page as it stands, each as "rule: the elements". */
export async function violations(page) {
  // Evaluated, not added as a script, which the page's policy refuses.
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(readFileSync(axe, 'utf8'));
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return found.map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target).join(' ')}`);
}

export const dialog = (page) => page.locator('dialog[open]');
/** The open dialog's title as drawn: innerText keeps a blank only where the page shows it. */
export const dialogTitle = (page) => dialog(page).locator('h1').innerText();
/** A control's text as the eye sees it: without the words for a screen reader alone. */
export const text = (page, id) => page.locator(`[id="${id}"]`).evaluate((control) =>
  [...control.childNodes].filter((node) => !node.classList?.contains('spoken'))
    .map((node) => node.textContent).join(''));

/** Does `action`, which closes the open dialog, and waits until that dialog has gone. */
export async function closeDialog(page, action) {
  const closing = await dialog(page).elementHandle();
  await action();
  await closing.waitForElementState('hidden');
}

/** Types `answer` into the open settings dialog and presses OK. */
export function answer(page, typed) {
  return closeDialog(page, async () => {
    await dialog(page).locator('#Answer').fill(typed);
    await dialog(page).locator('#Ok').click();
  });
}

/** Accepts both settings dialogs with these answers. */
export async function settle(page, guests = '100', experiments = '1000') {
  await answer(page, guests);
  await answer(page, experiments);
}

/** The copied table's lines, each split at its tabs. */
export const rows = (copied) => copied.trimEnd().split('\n').map((line) => line.split('\t'));

/**
 * A fresh page (open()'s `options`) with a run of `guests` and 1000 experiments, its table
 * copied and its chart open: the page and the copied table's rows.
 */
export async function chartedRun(options = {}, guests = '100') {
  const page = await open(options);
  await settle(page, guests, '1000');
  await page.locator('#Command1').click();
  await page.keyboard.press('Control+c');
  const table = rows(await page.evaluate(() => navigator.clipboard.readText()));
  await page.keyboard.press('Control+g');
  return { page, table };
}

/**
 * The chart's words as drawn and said (its title, a replay's status and the lowest point's
 * label, each of its lines joined), its bars' values and tooltips; null without it.
 */
export function drawnChart(page) {
  return page.evaluate(() => {
    const chart = document.getElementById('Chart');
    if (!chart) return null;
    const texts = (selector) => [...chart.querySelectorAll(selector)].map((shown) =>
      shown.textContent);
    const lines = (role) => texts(`svg .${role}`).join(' ') || undefined;
    const figure = chart.querySelector('.chart-figure');
    return {
      title: lines('chart-title'), status: lines('replay-status'), label: lines('lowest-label'),
      values: [...chart.querySelectorAll('.bar')].map((bar) => Number(bar.dataset.value)),
      tips: texts('.choice title'),
      name: figure.getAttribute('aria-label'),
      close: [chart.querySelector('.close')?.getAttribute('aria-label'),
        chart.querySelector('.close')?.title],
      focused: chart.contains(document.activeElement),
      dashed: chart.querySelector('.marker.by-theory')?.hasAttribute('stroke-dasharray'),
      // The option a screen reader is told is chosen, the bar drawn chosen, and the bar a pointer
      // on its middle reaches, through the focus frame.
      chosen: [document.getElementById(chart.querySelector('.bars')
        .getAttribute('aria-activedescendant') ?? '')?.querySelector('.bar')?.dataset.value,
      ...[chart.querySelector('.bar.chosen')].map((bar) => [bar?.dataset.value, bar && document
        .elementFromPoint(bar.getBoundingClientRect().x + 2, bar.getBoundingClientRect().bottom - 2)
        ?.closest('.choice')?.querySelector('.bar')?.dataset.value]).flat()],
    };
  });
}

/**
 * The chart as drawn and as the module's records give it (a page opened with keepModule):
 * each shape as its element, role and the attributes its kind shows, in order, and the
 * drawing's size beside its figure's; equal where the page draws every record.
 */
export const chartAgainstRecords = (page) => page.evaluate(async () => {
  // The figure's size reaches the model at the frame after a change.
  for (let frame = 0; frame < 2; ++frame) await new Promise((done) => requestAnimationFrame(done));
  const { scene } = window.ombrix.chartNow();
  // Each element's attributes, and what of its record each shows; an edge only where it has a
  // width, and nothing where a record gives none.
  const edged = (field) => (shape) => (shape.strokeWidth ? shape[field] : null);
  const edge = { stroke: edged('stroke'), 'stroke-width': edged('strokeWidth'),
    'stroke-dasharray': edged('dash') };
  const shown = {
    line: { x1: 'x1', y1: 'y1', x2: 'x2', y2: 'y2', ...edge },
    polyline: { points: 'points', ...edge },
    rect: { x: (r) => r.box.x, y: (r) => r.box.y, width: (r) => r.box.width,
      height: (r) => r.box.height, fill: 'fill', rx: (r) => r.radius || null, ...edge },
    circle: { cx: 'cx', cy: 'cy', r: 'r', fill: 'fill', ...edge },
    text: { x: 'x', y: 'y', 'font-size': 'pixels', fill: 'fill', 'text-anchor': 'anchor',
      'font-weight': (t) => (t.bold ? 'bold' : null), 'dominant-baseline': () => 'central',
      transform: (t) => (t.upright ? `rotate(-90 ${t.x} ${t.y})` : null), '': 'text' },
  };
  const tag = { line: 'line', path: 'polyline', rect: 'rect', circle: 'circle', text: 'text' };
  const plain = (value) => (value === '' || value == null ? null : String(value));
  const recorded = (shape) => [tag[shape.kind], shape.role, ...Object.values(shown[tag[shape.kind]])
    .map((field) => plain(typeof field === 'function' ? field(shape) : shape[field]))];
  const drawn = (element) => [element.tagName, element.getAttribute('class'),
    ...Object.keys(shown[element.tagName]).map((name) =>
      plain(name ? element.getAttribute(name) : element.textContent))];
  const svg = document.querySelector('#Chart svg');
  const figure = svg.parentElement.getBoundingClientRect();
  const [back, bars, marker, front] = [...svg.children].map((group) => [...group.children]);
  return {
    drawn: { size: [figure.width, figure.height, svg.viewBox.baseVal.width,
      svg.viewBox.baseVal.height], shapes: [...back, ...bars.map((option) =>
      option.querySelector('.bar, .point') ?? option), ...marker, ...front].map(drawn) },
    recorded: { size: [scene.width, scene.height, scene.width, scene.height], shapes: [
      ...scene.back, ...scene.bars, ...scene.focus, ...scene.marker, ...scene.front].map(recorded) },
  };
});

/** The middle of what a locator finds, in the page's pixels. */
export async function middle(locator) {
  const box = await locator.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

/** A finger on a page opened with a touch screen, through chromium's own touch events. */
export async function finger(page) {
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, ...touchPoints) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints });
  /** Lands at `at`, and lifts once `meanwhile` is done. */
  const press = async (at, meanwhile = async () => {}) => {
    await touch('touchStart', at);
    await meanwhile();
    await touch('touchEnd');
  };
  return { press, tap: (at) => press(at), drag: (from, to) => press(from, async () => {
    for (let part = 1 / 8; part <= 1; part += 1 / 8) await touch('touchMove',  // in eight moves
      { x: from.x + (to.x - from.x) * part, y: from.y + (to.y - from.y) * part });
  }) };
}
