// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the browser edition's pictures for the README: the first settings dialog, the main
// window after a run, the chart beside it with its coins marker moved, one of its meetings and
// the help window, in Debian's chromium at 1024 x 768 (the chart at 1366 x 768).
//
//   node scripts/web_screenshots.mjs DIRECTORY   (after scripts/web.sh has built the site)

import { closeDialog, dialog, open, settle, startSite } from '../tests/web/browser.mjs';

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
  await page.locator('.bars').focus();
  await page.keyboard.press('Enter');
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('.replay')?.textContent === 'Replay');
  await page.screenshot({ path: `${directory}/web-meeting-walk.png` });
  await page.keyboard.press('Escape');
  await page.keyboard.press('Escape');
  await page.setViewportSize({ width: 1024, height: 768 });
  await page.locator('#Command4').click();
  await page.screenshot({ path: `${directory}/web-help-window.png` });
  await page.locator('#Command1').click();
  await closeDialog(page, () => dialog(page).locator('#Cancel').click());
  await page.screenshot({ path: `${directory}/web-exit-message.png` });
} finally {
  await stop();
}
