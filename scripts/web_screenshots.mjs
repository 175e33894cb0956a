// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the browser edition's pictures for the README: the first settings dialog, the main
// window after a run, the chart beside it with its coins marker moved (also as a red-green
// colour-blind eye sees it, deuteranopia), one of its meetings and the help window, in Debian's
// chromium at 1024 x 768 (the chart at 1366 x 768). Then on a phone's 390 x 844 touch screen:
// the main window after a run, the chart and a meeting. Then the chart of the run the
// desktop's golden images draw (seed 20261206, the clock at noon), with its coins marker at 10
// coins and as a finished walk, beside those images; and the seeded runs of the walks, the
// markers and the thin bars those images show too: a 10-guest meeting, a lowest of +1, the
// marker at 9 coins and 1000 guests in a 498-pixel chart. In a Japanese browser: the first
// dialog, the main window after a run, the chart, a meeting and the help window. In both
// languages, the coins against the guests after a sweep.
//
//   node scripts/web_screenshots.mjs DIRECTORY   (after scripts/web.sh has built the site)

import { execFileSync } from 'node:child_process';
import { closeDialog, dialog, finger, middle, open, settle, startSite }
  from '../tests/web/browser.mjs';

/**
 * The page again, its module seeded as the desktop's golden images are: the generator's seed
 * is read from the first 8 random bytes it asks for, and the clock stands at noon.
 */
async function seeded(page) {
  await page.clock.setFixedTime(new Date('2026-12-07T12:00:00Z'));
  await page.context().addInitScript(() => {
    const bytes = [0, 0, 0, 0, ...new Uint8Array(new Uint32Array([20261206]).buffer)];
    const fill = crypto.getRandomValues.bind(crypto);
    crypto.getRandomValues = (array) => {
      if (!bytes.length) return fill(array);
      for (let k = 0; k < array.length; ++k) array[k] = bytes.shift();
      return array;
    };
  });
  await page.reload();
  await dialog(page).waitFor();
}

/**
 * The coins against the guests after a sweep and a run by hand at 300 guests after Init: taken
 * at `path`, then closed.
 * @param {import('playwright-core').Page} page
 * @param {string} path
 */
async function coverage(page, path) {
  await page.keyboard.press('Control+Shift+Z');
  await page.locator('#Chart .sweep').click();
  await page.waitForFunction(() => document.querySelectorAll('#Chart .point').length === 7
    && !document.querySelector('#Chart svg .sweep-status')?.textContent);
  await page.locator('#Command3').click();
  await settle(page, '300', '1000');
  await page.locator('#Command1').click();
  await page.screenshot({ path });
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
}

const directory = process.argv[2] ?? 'docs';
const stop = await startSite();
try {
  const page = await open();
  await page.setViewportSize({ width: 1024, height: 768 });
  await page.screenshot({ path: `${directory}/web-settings-dialog.png` });
  await settle(page, '100', '1000');
  await page.locator('#Command1').click();
  await page.screenshot({ path: `${directory}/web-main-window.png` });
  // The chart beside the main window, on a Chromebook's 1366 x 768 screen.
  await page.setViewportSize({ width: 1366, height: 768 });
  await page.keyboard.press('Control+g');
  await page.screenshot({ path: `${directory}/web-chart.png` });
  // The coins marker four coins left of the theory's 95 %; then the meeting of the tallest bar,
  // which the bars choose first, its replay played to the end.
  await page.locator('.coins-marker').focus();
  for (let coins = 0; coins < 4; ++coins) await page.keyboard.press('ArrowLeft');
  await page.screenshot({ path: `${directory}/web-coins-marker.png` });
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setEmulatedVisionDeficiency', { type: 'deuteranopia' });
  await page.locator('#Chart').screenshot({ path: `${directory}/web-chart-deuteranopia.png` });
  await cdp.send('Emulation.setEmulatedVisionDeficiency', { type: 'none' });
  await page.locator('.bars').focus();
  await page.keyboard.press('Enter');
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('.replay')?.textContent === 'Replay');
  await page.screenshot({ path: `${directory}/web-meeting-walk.png` });
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  await coverage(page, `${directory}/web-coverage.png`);
  await page.setViewportSize({ width: 1024, height: 768 });
  await page.locator('#Command4').click();
  await page.screenshot({ path: `${directory}/web-help-window.png` });
  await page.locator('#Command1').click();
  await closeDialog(page, () => dialog(page).locator('#Cancel').click());
  await page.screenshot({ path: `${directory}/web-exit-message.png` });

  // The same in a Japanese browser: the first dialog, the main window after a run, the chart
  // beside it, the tallest bar's meeting and the help window.
  const japanese = await open({ locale: 'ja-JP', viewport: { width: 1024, height: 768 } });
  await japanese.screenshot({ path: `${directory}/web-ja-settings-dialog.png` });
  await settle(japanese, '100', '1000');
  await japanese.locator('#Command1').click();
  await japanese.screenshot({ path: `${directory}/web-ja-main-window.png` });
  await japanese.setViewportSize({ width: 1366, height: 768 });
  await japanese.keyboard.press('Control+g');
  await japanese.screenshot({ path: `${directory}/web-ja-chart.png` });
  await japanese.locator('.bars').focus();
  await japanese.keyboard.press('Enter');
  await japanese.screenshot({ path: `${directory}/web-ja-meeting.png` });
  await japanese.keyboard.press('Escape');
  await japanese.keyboard.press('Escape');
  await coverage(japanese, `${directory}/web-ja-coverage.png`);
  await japanese.setViewportSize({ width: 1024, height: 768 });
  await japanese.locator('#Command4').click();
  await japanese.screenshot({ path: `${directory}/web-ja-help-window.png` });

  // A phone, at twice its CSS pixels as its screen shows them; the meeting of the tallest bar,
  // which the bars choose first, by a tap.
  const phone = await open({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 2,
    isMobile: true, hasTouch: true });
  await settle(phone, '100', '1000');
  await phone.locator('#Command1').tap();
  await phone.screenshot({ path: `${directory}/web-phone-main-window.png` });
  await phone.keyboard.press('Control+g');
  await phone.screenshot({ path: `${directory}/web-phone-chart.png` });
  await (await finger(phone)).tap(await middle(phone.locator('.bar.chosen')));
  await phone.screenshot({ path: `${directory}/web-phone-meeting.png` });

  // The seeded run in both editions: the desktop's golden images, left, beside the page's.
  const twin = await open({ timezoneId: 'UTC' });
  await seeded(twin);
  await settle(twin, '100', '1000');
  await twin.locator('#Command1').click();
  await twin.keyboard.press('Control+g');
  await twin.locator('.coins-marker').focus();
  await twin.keyboard.press('End');
  for (let coins = 0; coins < 10; ++coins) await twin.keyboard.press('ArrowLeft');
  const client = twin.locator('#Chart .client');
  await client.screenshot({ path: '/tmp/web-seeded-coins-marker.png' });
  await twin.locator('.bars').focus();
  await twin.keyboard.press('Enter');
  await client.screenshot({ path: '/tmp/web-seeded-meeting.png' });
  execFileSync('convert', ['(', 'tests/golden/chart-window-coins-marker.png',
    '/tmp/web-seeded-coins-marker.png', '+append', ')', '(', 'tests/golden/chart-window-meeting.png',
    '/tmp/web-seeded-meeting.png', '+append', ')', '-background', 'white', '-splice', '0x8',
    '-append', `${directory}/chart-both-editions.png`]);

  for (const { name, guests, experiments, width, meetingOf, coins } of [
    { name: '10-guests-meeting', guests: '10', experiments: '100', width: 640, meetingOf: -2 },
    { name: 'lowest-plus-one', guests: '10', experiments: '100', width: 640, meetingOf: 1 },
    { name: '9-coins', guests: '100', experiments: '1000', width: 640, coins: 9 },
    { name: '1000-guests', guests: '1000', experiments: '10000', width: 498, coins: 60 }]) {
    const run = await open({ timezoneId: 'UTC', viewport: { width: 1366, height: 768 } });
    await seeded(run);
    await settle(run, guests, experiments);
    await run.locator('#Command1').click();
    await run.keyboard.press('Control+g');
    await run.locator('#Chart .client').evaluate((client, wide) => {
      client.style.width = `${wide}px`;
    }, width);
    if (coins !== undefined) {
      await run.locator('.coins-marker').focus();
      await run.keyboard.press('End');
      for (let coin = 0; coin < coins; ++coin) await run.keyboard.press('ArrowLeft');
    } else {
      await run.locator(`.bar[data-value="${meetingOf}"]`).click();
    }
    await run.locator('#Chart').screenshot({ path: `${directory}/web-chart-${name}.png` });
  }
} finally {
  await stop();
}
