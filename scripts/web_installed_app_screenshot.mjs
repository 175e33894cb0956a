// SPDX-License-Identifier: GPL-3.0-or-later
// Takes docs/web-installed-app.png: the browser edition installed from chromium as an app,
// after a run in a window of its own, with the app's title bar and without the browser's
// toolbar. Needs an X display with a window manager, which scripts/web.sh screenshots starts.
//
//   node scripts/web_installed_app_screenshot.mjs DIRECTORY   (after scripts/web.sh has built
//                                                              the site)

import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { dialog, openInProfile, settle, startSite } from '../tests/web/browser.mjs';

const directory = process.argv[2] ?? 'docs';
// A fresh profile, as a new user's, which nothing has been installed in.
const profile = mkdtempSync(join(tmpdir(), 'ombrix-profile-'));
const stop = await startSite();
try {
  const page = await openInProfile(profile, { headless: false, viewport: null });
  const context = page.context();
  const url = page.url();
  // The app's identity as chromium resolves it from the manifest.
  const { manifest } = await (await context.newCDPSession(page)).send('Page.getAppManifest');
  const manifestId = manifest.id;
  const browser = await context.browser().newBrowserCDPSession();
  await browser.send('PWA.install', { manifestId, installUrlOrBundleUrl: url });
  // An app installed through the protocol opens in a tab unless the user's setting says
  // "open in a window", as installing it from the address bar sets it.
  await browser.send('PWA.changeAppUserSettings', { manifestId, displayMode: 'standalone' });
  const [app, { targetId }] = await Promise.all([context.waitForEvent('page'),
    browser.send('PWA.launch', { manifestId, url })]);
  // The browser's own window goes once the app's is open: closing the last one ends chromium.
  await page.close();
  const { windowId } = await browser.send('Browser.getWindowForTarget', { targetId });
  await browser.send('Browser.setWindowBounds',
    { windowId, bounds: { left: 16, top: 16, width: 680, height: 640 } });
  await dialog(app).waitFor();
  await settle(app, '100', '1000');
  await app.locator('#Command1').click();
  await app.waitForTimeout(500);  // the window manager's last repaint
  const { bounds } = await browser.send('Browser.getWindowForTarget', { targetId });
  const file = `${directory}/web-installed-app.png`;
  execFileSync('import', ['-window', 'root', '-crop',
    `${bounds.width}x${bounds.height}+${bounds.left}+${bounds.top}`, '+repage', file]);
  console.log(`wrote ${file}`);
  await context.close();
} finally {
  await stop();
  rmSync(profile, { recursive: true, force: true });
}
