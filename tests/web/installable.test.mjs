// SPDX-License-Identifier: GPL-3.0-or-later
// The site as an app: chromium finds it installable, with the icons it names, and after one
// visit it runs with the server gone and the network off; a new build replaces the old one's
// cache on the next visit.

import assert from 'node:assert/strict';
import { appendFileSync, cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync,
  writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { dialog, open, openInProfile, settle, site, startSite, stopServing } from './browser.mjs';

/** Waits until the site's service worker has cached the site and controls the page. */
function controlled(page) {
  return page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
    { timeout: 20_000 });
}

/** This origin's caches, each with the addresses it holds, sorted. */
function caches(page) {
  return page.evaluate(async () => Promise.all((await window.caches.keys()).map(
    async (name) => ({ name, urls: (await (await window.caches.open(name)).keys())
      .map((request) => request.url).sort() }))));
}

/** The version the built service worker in `directory` names its cache by. */
const workerVersion = (directory) =>
  /const kSiteVersion = '([0-9a-f]+)';/.exec(
    readFileSync(join(directory, 'service_worker.js'), 'utf8'))?.[1];

/** Width and height from a PNG's header, or null for what is not a PNG. */
function pngSize(bytes) {
  const signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
  if (!bytes.subarray(0, 8).equals(signature) || bytes.toString('latin1', 12, 16) !== 'IHDR')
    return null;
  return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

/** A temporary folder that is removed after the test. */
function scratch(t, prefix) {
  const folder = mkdtempSync(join(tmpdir(), prefix));
  t.after(() => rmSync(folder, { recursive: true, force: true }));
  return folder;
}

test('after one visit the site runs with the server gone and the network off', async (t) => {
  t.after(await startSite());
  const page = await open();
  await controlled(page);
  // Every file of the built site is kept, and the folder's own address, which is the page's;
  // the worker itself the browser keeps on its own.
  const files = readdirSync(site, { recursive: true, encoding: 'utf8' })
    .filter((file) => statSync(join(site, file)).isFile() && file !== 'service_worker.js');
  const base = page.url();
  assert.deepEqual(await caches(page), [{ name: `ombrix ${base} ${workerVersion(site)}`,
    urls: [base, ...files.map((file) => new URL(file, base).href)].sort() }]);

  stopServing();
  await page.context().setOffline(true);
  await page.reload();
  await dialog(page).waitFor();
  await settle(page, '100', '1000');
  await page.locator('#Command1').click();
  const counts = await page.locator('[id^="dosu("] > [aria-hidden]').allTextContents();
  assert.equal(counts.length, 63);
  assert.equal(counts.reduce((sum, count) => sum + Number(count), 0), 1000);
  assert.deepEqual(page.errors, []);
});

test('a new build replaces the cache of the one before on the next visit', async (t) => {
  const copy = scratch(t, 'ombrix-site-');
  cpSync(site, copy, { recursive: true });
  t.after(await startSite(copy));
  const page = await open();
  await controlled(page);
  const before = await caches(page);

  // As scripts/web.sh would build it after a change to one file: a new worker, named anew.
  appendFileSync(join(copy, 'style.css'), '\n/* rebuilt */\n');
  const worker = join(copy, 'service_worker.js');
  const version = workerVersion(copy);
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(version, 'ffff' + version.slice(4)));
  await page.reload();
  await dialog(page).waitFor();
  // The browser looks for a new worker after a visit has loaded, a few seconds later; a slow
  // machine waits no longer for it when the page asks at once.
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration())?.update());
  let after;
  for (const started = Date.now(); Date.now() - started < 20_000;) {
    after = await caches(page);
    if (after.length === 1 && after[0].name !== before[0].name) break;
    await page.waitForTimeout(100);
  }
  assert.deepEqual(after.map(({ name }) => name), [`ombrix ${page.url()} ${workerVersion(copy)}`]);
  assert.deepEqual(after[0].urls, before[0].urls);
  // From the new cache, not the network: the site is served no more.
  stopServing();
  assert.match(await page.evaluate(async () => (await fetch('style.css')).text()), /rebuilt/);
});

test('chromium finds the site installable, with the manifest, colours and icons it names',
  async (t) => {
    t.after(await startSite());
    const profile = scratch(t, 'ombrix-profile-');
    const page = await openInProfile(profile);
    t.after(() => page.context().close());
    await dialog(page).waitFor();
    const cdp = await page.context().newCDPSession(page);
    assert.deepEqual(await cdp.send('Page.getInstallabilityErrors'), { installabilityErrors: [] });
    const { url, errors, data } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.deepEqual([manifest.name, manifest.display, manifest.start_url, manifest.scope],
      ['Ombrix', 'standalone', './', './']);

    // The colours of the page it opens on: its ground, and the caption bar over its windows.
    const rgb = (hex) => `rgb(${hex.slice(1).match(/../g).map((byte) => parseInt(byte, 16))
      .join(', ')})`;
    assert.deepEqual(await page.evaluate(() => ({
      ground: getComputedStyle(document.body).backgroundColor,
      captionBar: getComputedStyle(document.documentElement).getPropertyValue('--caption-bar'),
      meta: document.querySelector('meta[name="theme-color"]')?.getAttribute('content'),
    })), { ground: rgb(manifest.background_color), captionBar: manifest.theme_color,
      meta: manifest.theme_color });

    const appleIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute('href');
    const icons = [...manifest.icons, { src: appleIcon, sizes: '180x180', type: 'image/png' }];
    assert.deepEqual(icons.map(({ purpose }) => purpose ?? 'any').sort(),
      ['any', 'any', 'any', 'maskable']);
    for (const { src, sizes, type } of icons) {
      const response = await fetch(new URL(src, url));
      assert.equal(response.headers.get('content-type'), type, src);
      assert.equal(pngSize(Buffer.from(await response.arrayBuffer())), sizes, src);
    }
  });
