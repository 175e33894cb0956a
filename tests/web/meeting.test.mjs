// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's coins marker and its meetings, in Debian's chromium: the keys, the pointer, a
// finger and a replay's frames reach the module's chart model, whose rules its native tests
// hold, and the page draws and says what it gives, checked against the copied table.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chartAgainstRecords, open, settle, startSite, violations } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

/** A run of 100 guests and 1000 experiments with its chart open; its copied table's rows. */
async function chartedRun(options = {}) {
  const page = await open(options);
  await settle(page, '100', '1000');
  await page.locator('#Command1').click();
  await page.keyboard.press('Control+c');
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  await page.keyboard.press('Control+g');
  const counts = new Map(copied.trimEnd().split('\n').slice(1, 64)
    .map((line, bin) => [bin - 58, Number(line.split('\t')[1])]));
  return { page, counts, byTheory: Number(copied.trimEnd().split('\n').at(-1).split('\t')[2]) };
}

const marker = (page) => page.locator('.coins-marker').evaluate((slider) => ({
  coins: Number(slider.getAttribute('aria-valuenow')), said: slider.getAttribute('aria-valuetext'),
  shown: slider.ownerSVGElement.querySelector('.coins-text').textContent }));

test('the marker takes its keys and a drag, and says the share of meetings short', async () => {
  const { page, byTheory } = await chartedRun();
  // The share itself is the model's, held to the desktop's in its native tests.
  const check = async (coins) => {
    const shown = await marker(page);
    assert.deepEqual([shown.coins, shown.said], [coins, shown.shown]);
    assert.match(shown.said, new RegExp(`^Prepare ${coins} coins?: short in .+ by theory$`));
  };
  await page.keyboard.press('Tab');  // from the bars
  await page.keyboard.press('ArrowLeft');
  await check(byTheory + 1);
  await page.keyboard.press('PageDown');
  await check(byTheory - 4);
  // Dropped at the left edge of the bar of -5, it stands there.
  const bar = await page.locator('.bar[data-value="-5"]').boundingBox();
  const grip = await page.locator('.coins-marker .grip').boundingBox();
  await page.mouse.move(grip.x + grip.width / 2, grip.y + grip.height / 2);
  await page.mouse.down();
  await page.mouse.move(bar.x, grip.y, { steps: 5 });
  await page.mouse.up();
  await check(5);
  assert.deepEqual(page.errors, []);
});

test('a finger drags the coins marker by its grip', async () => {
  const { page } = await chartedRun({ hasTouch: true });
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, x, y) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
  // To the left edge of the bar of -5, and back to that of -8, each a drag of its own.
  for (const coins of [5, 8]) {
    const grip = await page.locator('.coins-marker .grip').boundingBox();
    const bar = await page.locator(`.bar[data-value="-${coins}"]`).boundingBox();
    const [x, y] = [grip.x + grip.width / 2, grip.y + grip.height / 2];
    await touch('touchStart', x, y);
    for (let step = 1; step <= 8; ++step)
      await touch('touchMove', x + (bar.x - x) * step / 8, y);
    await touch('touchEnd');
    assert.equal((await marker(page)).coins, coins, `dragged to the bar of -${coins}`);
  }
  assert.deepEqual(page.errors, []);
});

const drawn = (page) => page.evaluate(() => {
  const svg = document.querySelector('#Chart svg');
  return { title: svg.querySelector('.chart-title').textContent,
    status: svg.querySelector('.replay-status')?.textContent,
    label: svg.querySelector('.lowest-label')?.textContent };
});
const meeting = (title) => title.match(/^Meeting (\d+) of 1000: lowest balance (-?\d+), after guest (\d+) of 100$/)?.slice(1).map(Number);

test('a bar shows its meetings in turn, replays one, and goes back', async () => {
  const { page, counts } = await chartedRun({ keepModule: true });
  const [value] = [...counts].find(([, count]) => count >= 2);
  const empty = await page.locator('.bar[height="0"]').first().getAttribute('data-value');
  await page.locator('.coins-marker').focus();
  await page.keyboard.press('Home');  // out of the way of the pointer, right of the bars clicked
  await page.locator(`.choice:has(.bar[data-value="${empty}"]) .band`).click();
  assert.match((await drawn(page)).title, /^100 guests/);  // no meeting to show

  // A value's meetings, by the pointer, then the next by Enter after Esc or Backspace.
  await page.locator(`.choice:has(.bar[data-value="${value}"]) .band`).click();
  for (const back of ['Escape', 'Backspace']) {
    const { title, label } = await drawn(page);
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
  const paused = (await drawn(page)).status;
  const guests = Number(paused.match(/^After guest (\d+) of 100/)[1]);
  assert.ok(guests > 5 && guests < 95, paused);
  const { drawn: walk, recorded } = await chartAgainstRecords(page);
  assert.deepEqual(walk, recorded);
  await page.waitForTimeout(400);
  assert.deepEqual([(await drawn(page)).status, await page.locator('.replay').textContent(),
    await page.locator('.replay-said').textContent()], [paused, 'Resume', paused]);
  await page.keyboard.press('ArrowRight');
  assert.match((await drawn(page)).status, new RegExp(`^After guest ${guests + 1} of 100:`));
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('.replay').textContent === 'Replay',
    null, { timeout: 8000 });
  assert.match((await drawn(page)).status, /^After guest 100 of 100: /);

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
  assert.deepEqual([await page.evaluate(() => window.asked), (await drawn(page)).title],
    [0, 'No run shown: Init cleared the table']);

  // On the next run's chart, Exit pauses a replay before its message: no frame after it.
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
});
