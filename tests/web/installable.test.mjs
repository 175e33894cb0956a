// SPDX-License-Identifier: GPL-3.0-or-later
// The site as an app: after one visit it runs with the server gone and the network off, a new
// build replacing the old one's cache on the next visit; and chromium finds it installable,
// with the icons it names.

import assert from 'node:assert/strict';
import { appendFileSync, cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync }
  from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { dialog, open, openInProfile, settle, site, startSite, stopServing } from './browser.mjs';

/** This origin's caches, each with the addresses it holds, sorted. */
const caches = (page) => page.evaluate(async () => Promise.all((await window.caches.keys()).map(
  async (name) => ({ name, urls: (await (await window.caches.open(name)).keys())
    .map((request) => request.url).sort() }))));

/** The version the built service worker in `directory` names its cache by. */
const workerVersion = (directory) => /const kSiteVersion = '([0-9a-f]+)';/.exec(
  readFileSync(join(directory, 'service_worker.js'), 'utf8'))[1];

/** A temporary folder that is removed after the test. */
function scratch(t, prefix) {
  const folder = mkdtempSync(join(tmpdir(), prefix));
  t.after(() => rmSync(folder, { recursive: true, force: true }));
  return folder;
}

test('after one visit the site runs offline; a new build replaces the cache on the next visit',
  async (t) => {
    const copy = scratch(t, 'ombrix-site-');
    cpSync(site, copy, { recursive: true });
    t.after(await startSite(copy));
    const page = await open();
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // Every file of the built site is kept, and the folder's own address, which is the
    // page's; the worker itself the browser keeps on its own.
    const files = readdirSync(copy).filter((file) => file !== 'service_worker.js');
    const base = page.url();
    const kept = [base, ...files.map((file) => new URL(file, base).href)].sort();
    assert.deepEqual(await caches(page), [{ name: `ombrix ${base} ${workerVersion(copy)}`,
      urls: kept }]);

    // As scripts/web.sh would build it after a change to one file: a new worker, named anew.
    appendFileSync(join(copy, 'style.css'), '\n/* rebuilt */\n');
    const worker = join(copy, 'service_worker.js');
    const version = workerVersion(copy);
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(version, `ffff${version.slice(4)}`));
    await page.reload();
    // The browser looks for a new worker a few seconds after a visit; asked, at once.
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration())?.update());
    const renamed = `ombrix ${base} ${workerVersion(copy)}`;
    for (let tries = 0; (await page.evaluate(() => window.caches.keys())).join() !== renamed;) {
      assert.ok(++tries < 200, 'the new build is not kept');
      await page.waitForTimeout(100);
    }
    assert.deepEqual(await caches(page), [{ name: renamed, urls: kept }]);

    stopServing();
    await page.context().setOffline(true);
    await page.reload();
    await settle(page, '100', '1000');
    await page.locator('#Command1').click();
    const counts = await page.locator('[id^="dosu("] > [aria-hidden]').allTextContents();
    assert.equal(counts.reduce((sum, count) => sum + Number(count), 0), 1000);
    assert.match(await page.evaluate(async () => (await fetch('style.css')).text()), /rebuilt/);
    assert.deepEqual(page.errors, []);
  });

test('chromium finds the site installable, with the manifest and icons it names', async (t) => {
  t.after(await startSite());
  const page = await openInProfile(scratch(t, 'ombrix-profile-'));
  t.after(() => page.context().close());
  await dialog(page).waitFor();
  const cdp = await page.context().newCDPSession(page);
  assert.deepEqual(await cdp.send('Page.getInstallabilityErrors'), { installabilityErrors: [] });
  const { url, errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(data);
  assert.deepEqual([manifest.name, manifest.display, manifest.start_url, manifest.scope],
    ['Ombrix', 'standalone', './', './']);

  const appleIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute('href');
  const icons = [...manifest.icons, { src: appleIcon, sizes: '180x180', type: 'image/png' }];
  assert.deepEqual(icons.map(({ purpose }) => purpose ?? 'any').sort(),
    ['any', 'any', 'any', 'maskable']);
  for (const { src, sizes, type } of icons) {
    const response = await fetch(new URL(src, url));
    const png = Buffer.from(await response.arrayBuffer());
    // A PNG's header: its signature, then the width and height of its IHDR chunk.
    assert.deepEqual([response.headers.get('content-type'), png.toString('latin1', 1, 4),
      `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`], [type, 'PNG', sizes], src);
  }
});
