// SPDX-License-Identifier: GPL-3.0-or-later
// The site as an app: after one visit it runs with the server gone and the network off, and
// chromium finds it installable, with the icons it names.

import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { dialog, open, openInProfile, settle, site, startSite, stopServing } from './browser.mjs';

/** This origin's caches, each with the addresses it holds, sorted. */
const caches = (page) => page.evaluate(async () => Promise.all((await window.caches.keys()).map(
  async (name) => ({ name, urls: (await (await window.caches.open(name)).keys())
    .map((request) => request.url).sort() }))));

/** The version the built service worker names its cache by. */
const version = () => /const kSiteVersion = '([0-9a-f]+)';/.exec(
  readFileSync(join(site, 'service_worker.js'), 'utf8'))[1];

test('after one visit the site runs with the server gone and the network off', async (t) => {
  t.after(await startSite());
  const page = await open();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // Every file of the built site is kept, and the folder's own address, which is the
  // page's; the worker itself the browser keeps on its own.
  const files = readdirSync(site).filter((file) => file !== 'service_worker.js');
  const base = page.url();
  const kept = [base, ...files.map((file) => new URL(file, base).href)].sort();
  assert.deepEqual(await caches(page), [{ name: `ombrix ${base} ${version()}`,
    urls: kept }]);

  stopServing();
  await page.context().setOffline(true);
  await page.reload();
  await settle(page, '100', '1000');
  await page.locator('#Command1').click();
  const counts = await page.locator('[id^="dosu("] > [aria-hidden]').allTextContents();
  assert.equal(counts.reduce((sum, count) => sum + Number(count), 0), 1000);
});

test('chromium finds the site installable, with the manifest and icons it names', async (t) => {
  t.after(await startSite());
  const profile = mkdtempSync(join(tmpdir(), 'ombrix-profile-'));
  t.after(() => rmSync(profile, { recursive: true, force: true }));
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

  const appleIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute('href');
  const icons = [...manifest.icons, { src: appleIcon, sizes: '180x180', type: 'image/png' }];
  for (const { src, sizes } of icons) {
    // A PNG's header: its signature, then the width and height of its IHDR chunk.
    const png = Buffer.from(await (await fetch(new URL(src, url))).arrayBuffer());
    assert.equal(`${png.toString('latin1', 1, 4)} ${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`,
      `PNG ${sizes}`, src);
  }
});
