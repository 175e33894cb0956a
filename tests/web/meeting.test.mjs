// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's coins marker and its meetings, in Debian's chromium: the keys, the pointer, a
// finger and a replay's frames reach the module's chart model, whose rules its native tests
// hold, and the page draws and says what it gives, checked against the copied table.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chartAgainstRecords, chartedRun, closeDialog, dialog, drawnChart, finger, middle, settle,
  startSite, violations } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const marker = (page) => page.locator('.coins-marker').evaluate((slider) => ({
  // The slider's value is -coins (0 - value, never -0).
  coins: 0 - Number(slider.getAttribute('aria-valuenow')), said: slider.getAttribute('aria-valuetext'),
  shown: slider.ownerSVGElement.querySelector('.coins-text').textContent }));

const meeting = (title) => title.match(/^Meeting (\d+) of 1000: lowest balance (-?\d+), after guest (\d+) of \d+$/)?.slice(1).map(Number);

// At 1000 guests a bar is a few pixels wide: a tap on the one right of the marker falls within
// the marker's grab distance of its line, and is the bar's tap all the same.
for (const [screen, options] of [['a standard', {}],
  ['a phone', { viewport: { width: 390, height: 844 }, isMobile: true }]]) {
  test(`on ${screen} touch screen a finger drags the marker, taps a bar for its tooltip and again for its meeting, and steps it`, async () => {
    const { page } = await chartedRun({ hasTouch: true, ...options }, '1000');
    const touch = await finger(page);
    // The bar left of the tallest, which the bars chose, and one further left, with their tips.
    const value = Number(await page.locator('.bar.chosen').getAttribute('data-value')) - 1;
    const [bar, far] = [value, value - 5].map((v) => page.locator(`.bar[data-value="${v}"]`));
    const tip = (v) => page.locator(`.choice:has(.bar[data-value="${v}"]) title`).textContent();
    const grip = await middle(page.locator('.coins-marker .grip'));
    await touch.drag(grip, { x: (await bar.boundingBox()).x, y: grip.y });
    // The tips shown, each under the tapped bar, moved left into the page if need be, wherever
    // the page is scrolled; the marker's coins; and the lowest balance of a meeting shown.
    const shown = async (tapped) => [await page.getByRole('tooltip').evaluateAll((tips, at) =>
      tips.map((tip) => [tip.textContent, tip.getBoundingClientRect()]).map(([text, box]) => [text,
        (box.left >= at.x - 1 || box.right >= innerWidth - 5) && Math.abs(box.top - at.y - at.height - 4) < 1.5]),
      await tapped?.boundingBox()), Number(await page.locator('.coins-marker')
      .getAttribute('aria-valuenow')) * -1, meeting((await drawnChart(page)).title)?.[1]];
    await touch.tap(await middle(far));
    assert.deepEqual(await shown(far), [[[await tip(value - 5), true]], -value, undefined], 'far');
    await touch.tap(await middle(bar));
    assert.deepEqual(await shown(bar), [[[await tip(value), true]], -value, undefined], 'beside');
    await touch.tap(await middle(bar));
    assert.deepEqual(await shown(), [[], -value, value], 'the second tap opens the meeting');
    await touch.tap(await middle(page.locator('.step')));
    assert.match((await drawnChart(page)).status, /^After guest 1 of 1000: /);
    await page.keyboard.press('ArrowRight');  // on Step, as on Replay
    assert.match((await drawnChart(page)).status, /^After guest 2 of 1000: /);
    assert.deepEqual(page.errors, []);
  });
}

test('a bar shows its meetings in turn, replays one, and goes back', async () => {
  const { page, table } = await chartedRun({ keepModule: true });
  const value = Number(table.slice(1, 64).find(([, count]) => Number(count) >= 2)[0]);
  const byTheory = Number(table.at(-1)[2]);
  // The marker's keys, its value -coins: Left adds a coin, PgUp takes five, End takes all,
  // out of the way of the pointer, right of the bars clicked. It says the share short. (That a
  // bar without a meeting shows none, the chart model's table holds: the page forwards a
  // pointer on any bar alike.)
  await page.locator('.coins-marker').focus();
  for (const [key, coins] of [['ArrowLeft', byTheory + 1], ['PageUp', byTheory - 4], ['End', 0]]) {
    await page.keyboard.press(key);
    const shown = await marker(page);
    assert.deepEqual([shown.coins, shown.said], [coins, shown.shown], key);
    assert.match(shown.said, new RegExp(`^Prepare ${coins} coins?: short in .+ by theory$`));
  }

  // A value's meetings, by the pointer, then the next by Enter after Esc or Backspace.
  await page.locator(`.choice:has(.bar[data-value="${value}"]) .band`).click();
  for (const back of ['Escape', 'Backspace']) {
    const { title, label } = await drawnChart(page);
    const [, lowest, guest] = meeting(title);
    assert.deepEqual([lowest, label], [value, `Lowest ${value}, after guest ${guest}`]);
    await page.keyboard.press(back);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'listbox');
    await page.keyboard.press('Enter');
  }
  assert.deepEqual(await violations(page), []);

  // Replay: paused it stays and says where, Right steps a guest, and it ends with the last.
  await page.keyboard.press('Space');  // on Replay, which has the focus
  await page.waitForTimeout(1000);
  await page.keyboard.press('Space');
  const paused = (await drawnChart(page)).status;
  const guests = Number(paused.match(/^After guest (\d+) of 100/)[1]);
  assert.ok(guests > 5 && guests < 95, paused);
  const { drawn: walk, recorded } = await chartAgainstRecords(page);
  assert.deepEqual(walk, recorded);
  await page.waitForTimeout(400);
  assert.deepEqual([(await drawnChart(page)).status, await page.locator('.replay').textContent(),
    await page.locator('.replay-said').textContent()], [paused, 'Resume', paused]);
  await page.keyboard.press('ArrowRight');
  assert.match((await drawnChart(page)).status, new RegExp(`^After guest ${guests + 1} of 100:`));
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('.replay').textContent === 'Replay',
    null, { timeout: 8000 });
  assert.match((await drawnChart(page)).status, /^After guest 100 of 100: /);

  // Init stops a replay at once: no frame after it, and the chart shows no run.
  await page.keyboard.press('Space');
  await page.evaluate(() => {
    window.asked = 0;
    const request = requestAnimationFrame;
    window.requestAnimationFrame = (callback) => ++window.asked && request(callback);
  });
  await page.waitForTimeout(100);
  await page.locator('#Command3').click();
  await page.evaluate(() => { window.asked = 0; });
  await page.waitForTimeout(300);
  assert.deepEqual([await page.evaluate(() => window.asked), (await drawnChart(page)).title],
    [0, 'No run shown: Init cleared the table']);

  // On the next run's chart, Exit pauses a replay before its message: no frame after it. Its
  // OK ends the program, and the chart goes with the windows.
  await settle(page);
  await page.locator('#Command1').click();
  await page.locator('.bars').focus();
  await page.keyboard.press('Enter');
  await page.keyboard.press('Space');
  await page.locator('#Command2').click();
  await page.evaluate(() => { window.asked = 0; });
  await page.waitForTimeout(300);
  assert.deepEqual([await page.evaluate(() => window.asked),
    await page.locator('.replay').textContent()], [0, 'Resume']);
  await closeDialog(page, () => dialog(page).locator('#Ok').click());
  assert.deepEqual([await drawnChart(page), await page.locator('#ended').isVisible()],
    [null, true]);
});
