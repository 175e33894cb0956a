// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's figures, each beside what it is measured against in the same run:
//   - the engine's largest run (1000 guests x 10000 experiments) in chromium beside the native
//     benchmark's LargestRun, in alternating rounds, and Experiment Start's whole click there;
//   - from navigation to the first dialog, on a loopback server with a warm cache;
//   - every file of the site gzipped, with its share of the whole, fonts aside.
// Figures only: a timing decides nothing here.
//
//   node scripts/web_bench.mjs NATIVE_BENCH MODULE_DIR SITE_DIR
//     NATIVE_BENCH  the native ombrix_bench; MODULE_DIR  where ombrix_web_bench.js is built;
//     SITE_DIR      the built site

import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { open, settle, startSite } from '../tests/web/browser.mjs';

const [nativeBench, moduleDir, siteDir] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const print = (line) => console.log(`web bench: ${line}`);

function nativeLargestRun() {
  const output = execFileSync(nativeBench, ['--benchmark_filter=^LargestRun$',
    '--benchmark_repetitions=5'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  // Its report is coloured whatever the flags say.
  const plain = output.replace(/\x1b\[[\d;]*m/g, '');
  return Number(/LargestRun_median\s+([\d.]+) ms/.exec(plain)[1]);
}

async function browserLargestRun(page) {
  return page.evaluate(async () => {
    const bench = await (await import('./ombrix_web_bench.js')).default();
    bench.largestRun();  // compiled and warmed, as the native one is by its first iterations
    const times = Array.from({ length: 5 }, () => bench.largestRun().milliseconds);
    return times.sort((a, b) => a - b)[2];
  });
}

/** Experiment Start at the largest settings, from the click to the table filled. */
async function startClick(page) {
  const times = [];
  for (let round = 0; round < 5; ++round) {
    if (round) await page.locator('#Command3').click();  // Init
    await settle(page, '1000', '10000');
    times.push(await page.evaluate(() => {
      const start = performance.now();
      document.getElementById('Command1').click();
      return performance.now() - start;
    }));
  }
  return median(times);
}

/**
 * From navigation to the first dialog open, on reloads after the first visit that open() makes
 * has filled the caches.
 */
async function firstDialog() {
  const page = await open();
  await page.context().addInitScript(() => {
    new MutationObserver((_, observer) => {
      if (!document.querySelector('dialog[open]')) return;
      window.firstDialogAt = performance.now();
      observer.disconnect();
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  const times = [];
  for (let visit = 0; visit < 7; ++visit) {
    await page.reload();
    await page.waitForFunction(() => window.firstDialogAt !== undefined);
    times.push(await page.evaluate(() => window.firstDialogAt));
  }
  return median(times);
}

function sizes() {
  const files = readdirSync(siteDir).map((name) => {
    const content = readFileSync(join(siteDir, name));
    return { name, size: content.length, gzipped: gzipSync(content, { level: 9 }).length };
  });
  const counted = files.filter(({ name }) => !name.endsWith('.woff2'));
  const total = counted.reduce((sum, file) => sum + file.gzipped, 0);
  const kb = (bytes) => (bytes / 1024).toFixed(1).padStart(6);
  for (const file of files.sort((a, b) => b.gzipped - a.gzipped)) {
    const share = file.name.endsWith('.woff2') ? '  font'
      : `${(100 * file.gzipped / total).toFixed(1).padStart(5)} %`;
    print(`${file.name.padEnd(24)} ${kb(file.size)} KB ${kb(file.gzipped)} KB gzipped  ${share}`);
  }
  print(`all files but the font, gzipped: ${kb(total).trim()} KB`);
}

// The site with the engine's bench module beside it, served from one place.
const served = mkdtempSync(join(tmpdir(), 'ombrix-bench-'));
for (const name of readdirSync(siteDir)) copyFileSync(join(siteDir, name), join(served, name));
for (const name of ['ombrix_web_bench.js', 'ombrix_web_bench.wasm'])
  copyFileSync(join(moduleDir, name), join(served, name));
const stop = await startSite(served);
try {
  const page = await open();
  const native = [];
  const browser = [];
  for (let round = 0; round < 3; ++round) {
    native.push(nativeLargestRun());
    browser.push(await browserLargestRun(page));
  }
  const [nativeMs, browserMs] = [median(native), median(browser)];
  print(`largest run, engine alone: chromium ${browserMs.toFixed(1)} ms, native ` +
    `${nativeMs.toFixed(1)} ms: ratio ${(browserMs / nativeMs).toFixed(2)}`);
  const click = await startClick(page);
  print(`Experiment Start at the largest settings, click to table: ${click.toFixed(1)} ms ` +
    `(${(click / nativeMs).toFixed(2)} x the native engine's run)`);
  print(`navigation to the first dialog, warm cache: ${(await firstDialog()).toFixed(0)} ms`);
  sizes();
} finally {
  await stop();
  rmSync(served, { recursive: true });
}
