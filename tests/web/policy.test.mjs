// SPDX-License-Identifier: GPL-3.0-or-later
// The page's Content-Security-Policy: a whole lesson, offline reload included, breaks none of
// it, and an inline script is refused.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { closeDialog, dialog, open, settle, startSite } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const violations = (page) => page.evaluate(() => window.policyViolations);

test('a whole lesson loads nothing the policy refuses; an inline script is refused', async () => {
  const page = await open();
  await settle(page, '100', '200');
  await page.locator('#Command1').click();
  // The chart, one meeting replayed, and its picture copied.
  await page.keyboard.press('Control+g');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Space');
  await page.keyboard.press('Control+c');
  await page.waitForFunction(async () =>
    (await navigator.clipboard.read())[0]?.types.includes('image/png'));
  // Help and back, and the exit message answered by Init's dialogs left empty.
  await page.locator('#Command4').click();
  await page.locator('#Form2 #Command1').click();
  await settle(page, '10', '1');
  const seen = await violations(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.context().setOffline(true);
  await page.reload();
  await settle(page, '1000', '10000');
  await page.locator('#Command1').click();
  await page.locator('#Command3').click();
  await closeDialog(page, () => dialog(page).locator('#Cancel').click());
  await closeDialog(page, () => page.keyboard.press('Enter'));
  await page.locator('#ended').waitFor();
  assert.deepEqual([seen, await violations(page)], [[], []]);

  const ran = await page.evaluate(() => {
    const script = document.createElement('script');
    script.textContent = 'window.inlineRan = true;';
    document.head.append(script);
    return 'inlineRan' in window;
  });
  assert.deepEqual([ran, await violations(page)], [false, ['script-src-elem inline']]);
});
