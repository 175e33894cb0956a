// SPDX-License-Identifier: GPL-3.0-or-later
// The site as an app: after one visit it runs with the server gone and the network off, a new
// build replacing the old one's cache on the next visit, its Content-Security-Policy letting
// in no inline script; and chromium finds it installable, with the icons it names.

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

/** The version a built service worker names its cache by. */
const version = (folder) => /const kSiteVersion = '([0-9a-f]+)';/.exec(
  readFileSync(join(folder, 'service_worker.js'), 'utf8'))[1];

test('after one visit the site runs offline, its policy refusing nothing; a new build replaces it', async (t) => {
  const copy = mkdtempSync(join(tmpdir(), 'ombrix-site-'));
  t.after(() => rmSync(copy, { recursive: true, force: true }));
  cpSync(site, copy, { recursive: true });
  t.after(await startSite(copy));
  const page = await open();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  // Every file of the built site is kept, and the folder's own address, which is the page's;
  // the worker itself the browser keeps on its own.
  const base = page.url();
  const kept = [base, ...readdirSync(copy).filter((file) => file !== 'service_worker.js')
    .map((file) => new URL(file, base).href)].sort();
  assert.deepEqual(await caches(page), [{ name: `ombrix ${base} ${version(copy)}`, urls: kept }]);

  // Rebuilt after a change to one file, as scripts/web.sh would: a new worker, named anew,
  // takes over on the next visit and leaves no cache of the build before.
  appendFileSync(join(copy, 'style.css'), '/* rebuilt */');
  const styleSheet = () => page.evaluate(async () => (await fetch('style.css')).text());
  // Till then the page gets its own build's files, not the server's newer ones.
  assert.doesNotMatch(await styleSheet(), /rebuilt/);
  const worker = join(copy, 'service_worker.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(version(copy), 'f'.repeat(16)));
  await page.reload();
  await page.evaluate(async () => (await navigator.serviceWorker.getRegistration())?.update());
  const renamed = `ombrix ${base} ${'f'.repeat(16)}`;
  for (let tries = 0; (await page.evaluate(() => window.caches.keys())).join() !== renamed;) {
    assert.ok(++tries < 200, 'the new build is not kept alone');
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
  assert.match(await styleSheet(), /rebuilt/);

  // The page's policy refuses an inline script, and nothing of the run before it. Chromium
  // reports what the policy refuses as an error on the console, which every page's test finds
  // in page.errors: the one in the test language goes through a whole lesson (the chart, a
  // meeting replayed, Help and Close), the chart's test copies the chart as a picture.
  assert.deepEqual(await page.evaluate(() => new Promise((resolve) => {
    const said = () => resolve(['inlineRan' in window, window.policyViolations]);
    document.addEventListener('securitypolicyviolation', said);
    setTimeout(said, 2000);
    const script = document.createElement('script');
    script.textContent = 'window.inlineRan = true;';
    document.head.append(script);
  })), [false, ['script-src-elem inline']]);

  // A teacher's link in Japanese opens offline too, in Japanese, with its face.
  await page.goto(`${base}?lang=ja`);
  await dialog(page).waitFor();
  assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, [...document.fonts]
    .filter((face) => face.status === 'loaded').map((face) => face.family.replaceAll('"', ''))]),
  ['ja', ['Ombrix Gothic ja']]);
});

test('chromium finds the site installable, with the manifest and icons it names', async (t) => {
  t.after(await startSite());
  const profile = mkdtempSync(join(tmpdir(), 'ombrix-profile-'));
  const page = await openInProfile(profile);
  t.after(async () => {
    await page.context().close();  // before its profile goes, which chromium writes till then
    rmSync(profile, { recursive: true, force: true });
  });
  await dialog(page).waitFor();
  const cdp = await page.context().newCDPSession(page);
  assert.deepEqual(await cdp.send('Page.getInstallabilityErrors'), { installabilityErrors: [] });
  const { url, errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(data);
  assert.deepEqual([manifest.name, manifest.description, manifest.lang, manifest.display,
    manifest.start_url, manifest.scope, manifest.icons.map((icon) => icon.purpose).join()],
  ['Ombrix', 'Learn probability by experiment: how many coins to prepare as change', 'en',
    'standalone', './?lang=en', './', 'any,any,maskable']);
  // Installed from a page in Japanese, the app is named and described in Japanese, and starts
  // in it.
  await page.goto(`${url.replace(/[^/]*$/, '')}?lang=ja`);
  await dialog(page).waitFor();
  // Asked before the page names its language's manifest, chromium keeps the first one it read
  // for the page; once named, it reads it a moment later.
  await page.waitForFunction(() => document.querySelector('link[rel="manifest"]')
    ?.getAttribute('href') === 'manifest-ja.webmanifest');
  let named = await cdp.send('Page.getAppManifest');
  for (let tries = 0; tries < 300 && !named.url.endsWith('manifest-ja.webmanifest'); ++tries) {
    await page.waitForTimeout(100);
    named = await cdp.send('Page.getAppManifest');
  }
  const japanese = JSON.parse(named.data);
  assert.deepEqual([japanese.description, japanese.lang, japanese.start_url],
    [readFileSync('po/ja.po', 'utf8').match(/msgid "Learn probability by experiment: how many coins to prepare as change"\nmsgstr "(.*)"/)?.[1], 'ja', './?lang=ja']);

  const appleIcon = await page.locator('link[rel="apple-touch-icon"]').getAttribute('href');
  const icons = [...manifest.icons, { src: appleIcon, sizes: '180x180', type: 'image/png' }];
  for (const { src, sizes } of icons) {
    // A PNG's header: its signature, then the width and height of its IHDR chunk.
    const png = Buffer.from(await (await fetch(new URL(src, url))).arrayBuffer());
    assert.equal(`${png.toString('latin1', 1, 4)} ${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`,
      `PNG ${sizes}`, src);
  }
});
