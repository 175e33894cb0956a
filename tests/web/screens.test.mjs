// SPDX-License-Identifier: GPL-3.0-or-later
// The page on the screens of a class, in Debian's chromium: a phone, an iPad, and a school
// laptop's 1024 x 768 at 200 % zoom. Every window fits the width, a dialog stays in
// what is visible above an on-screen keyboard, tips and menus stand inside it, the chart opens
// whole in view with its texts at 11 px or more, a window widened is scaled no more, and each target
// of the page's own fits a finger.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { finger, middle, open, settle, startSite } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

// keyboard: a page scale that leaves as little of the page visible as an on-screen keyboard
// does, where the dialog fits in what is left (a phone's takes the page's whole width).
const kScreens = [
  { name: 'a phone', viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true,
    keyboard: 1 },
  { name: 'an iPad', viewport: { width: 1024, height: 768 }, hasTouch: true, keyboard: 1.5 },
  { name: '1024 x 768 at 200 %', viewport: { width: 512, height: 384 }, keyboard: 1.2 },
];

/** The box of each element `selector` finds, with its gaps to the visible area's edges. */
const boxes = (page, selector) => page.locator(selector).evaluateAll((all) => all.map((element) => {
  const { left, top, right, bottom, width, height } = element.getBoundingClientRect();
  const view = visualViewport;
  return { width, height, left: left - view.offsetLeft, top: top - view.offsetTop,
    right: view.offsetLeft + view.width - right, bottom: view.offsetTop + view.height - bottom };
}));
const inView = (box) => Math.min(box.left, box.top, box.right, box.bottom) >= -0.5;
const acrossView = (box) => Math.min(box.left, box.right) >= -0.5;
const fingerSized = (box) => Math.min(box.width, box.height) >= 24;

/** Asserts that each element `selector` finds, one at least, passes each check. */
async function assertEach(page, selector, ...checks) {
  const found = await boxes(page, selector);
  assert.ok(found.length > 0, `${selector}: none`);
  for (const [box, fits] of found.flatMap((box) => checks.map((check) => [box, check])))
    assert.ok(fits(box), `${selector} not ${fits.name}: ${JSON.stringify(box)}`);
}

/** Scales the page as a pinch does, leaving less of it visible. */
async function pinch(page, scale) {
  await (await page.context().newCDPSession(page)).send('Emulation.setPageScaleFactor',
    { pageScaleFactor: scale });
  await page.waitForFunction((to) => Math.abs(visualViewport.scale - to) < 1e-3, scale);
}

for (const { name, keyboard, ...options } of kScreens) {
  test(`on ${name} the windows, dialogs, tips, menus and chart are in view and fit a finger`, async () => {
    const page = await open(options);
    await pinch(page, keyboard);
    await assertEach(page, 'dialog[open]', inView);
    assert.equal(await page.locator('dialog[open] input').getAttribute('inputmode'), 'decimal');
    await pinch(page, 1);
    await settle(page);
    await page.locator('#Command1').click();
    await assertEach(page, '#Form1', acrossView);
    await page.setViewportSize({ width: 1280, height: 800 });  // widened, it is scaled no more
    assert.equal(await page.locator('#Form1').evaluate(async (form) => {
      await new Promise(requestAnimationFrame);  // once the page has had its resize
      return form.getBoundingClientRect().width / form.offsetWidth;
    }), 1);
    await page.setViewportSize(options.viewport);
    if (options.hasTouch) {
      // Pinched, the tip of the last cell wholly in view, wider than the cell: it would stand
      // out of view but for being moved.
      await pinch(page, 1.5);
      const cell = (await boxes(page, '[id^="dosu("]')).findLastIndex(inView) + 1;
      await (await finger(page)).tap(await middle(page.locator(`[id="dosu(${cell})"]`)));
      await assertEach(page, '[role="tooltip"]', inView);
      await pinch(page, 1);
    }
    await page.keyboard.press('Shift+F10');
    await assertEach(page, '[role="menuitem"]', inView, fingerSized);
    await page.keyboard.press('Enter');  // Show chart
    await assertEach(page, '#Chart', inView);
    const smallest = Math.min(...await page.locator('#Chart svg text').evaluateAll((texts) =>
      texts.map((text) => text.getAttribute('font-size') * text.ownerSVGElement.getScreenCTM().a)));
    assert.ok(smallest > 10.99, `a chart text ${smallest} px high`);
    await assertEach(page, '#Chart .close, #Chart .grip', fingerSized);
    await page.keyboard.press('Enter');  // the chosen bar's meeting, its commands under it
    await assertEach(page, '.chart-commands:not([hidden]) button', fingerSized);
    await page.locator('#Chart .close').click();  // then the coins against the guests' commands
    await page.keyboard.press('Control+Shift+Z');
    await assertEach(page, '.coverage-commands button:not([hidden])', inView, fingerSized);
    // Help's text is narrowed into its area, in a window scaled or not.
    await page.locator('#Command4').click();
    assert.deepEqual(await page.locator('#Picture1').evaluate((area) => [...area.querySelectorAll(
      'span')].filter((line) => line.getBoundingClientRect().right > area.getBoundingClientRect()
      .right).map((line) => line.textContent)), [], 'help lines beyond their area');
    assert.deepEqual(page.errors, []);
  });
}
