// SPDX-License-Identifier: GPL-3.0-or-later
// The coins against the guests, in Debian's chromium: opened by the keyboard, the pointer and a
// finger; a sweep started, stopped, and stopped by Init, Help, closing the chart and Exit; the
// points kept through Init, replaced by a run by hand, their tooltips, their copy, and the
// drawing as the module's records give it.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { answer, chartAgainstRecords, dialog, finger, middle, open, rows, settle, startSite, text,
  violations } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

/** The view as drawn: its points' roles and tooltips, its buttons, and what it says. */
const view = (page) => page.evaluate(() => {
  const chart = document.getElementById('Chart');
  if (!chart) return null;
  const shown = (selector) => {
    const button = chart.querySelector(selector);
    return button && !button.closest('[hidden]') && !button.hidden ? button.textContent : null;
  };
  return {
    name: chart.querySelector('.chart-figure').getAttribute('aria-label'),
    points: [...chart.querySelectorAll('.choice')].map((choice) => [
      choice.querySelector('.point').getAttribute('class'), choice.querySelector('title').textContent]),
    sweep: shown('.sweep'), clear: shown('.clear-points'), back: shown('.coverage-back'),
    status: [...chart.querySelectorAll('svg .sweep-status')].map((line) => line.textContent).join(' '),
    sentence: [...chart.querySelectorAll('svg .sentence')].map((line) => line.textContent).join(' '),
    items: chart.querySelector('.bars').getAttribute('aria-label'),
    focused: document.activeElement?.className,
  };
});

/**
 * Starts a sweep and, once `points` are drawn, does `act` (a selector to click) between two of
 * its runs, inside the page, as a student's click comes between them: the view then.
 */
const sweepThen = (page, act, points = 2) => page.evaluate(([selector, wanted]) =>
  new Promise((done) => {
    document.querySelector('#Chart .sweep').click();
    const watch = () => {
      if (document.querySelectorAll('#Chart .point').length < wanted) return setTimeout(watch);
      const running = document.querySelector('#Chart .sweep').textContent;
      document.querySelector(selector).click();
      done(running);
    };
    watch();
  }), [act, points]);

const pointCount = (page) => page.locator('#Chart .point').count();

test('opened by key, pointer and finger; a sweep stops for Stop, close, Init, Help and Exit',
  async () => {
    const page = await open({ hasTouch: true });
    await settle(page, '100', '10000');
    // By its key, before any run: theory alone, with no way back to a distribution.
    await page.keyboard.press('Control+Shift+Z');
    assert.deepEqual(await view(page), { name: 'Chart: coins against guests', points: [],
      sweep: 'Run 10 to 1000 guests', clear: 'Clear the points', back: null, status: '',
      sentence: 'Run 500 guests or fewer to see what twice the guests need',
      items: 'Points: one for each guest count run', focused: 'sweep' });
    await page.keyboard.press('Escape');
    assert.equal(await view(page), null);
    // By the pointer, from the table's menu; by a finger's long press on the table.
    await page.locator('[id="dosu(40)"]').click({ button: 'right' });
    await page.getByRole('menuitem', { name: /^Coins against guests\s*Ctrl\+Shift\+Z$/ }).click();
    assert.equal((await view(page)).name, 'Chart: coins against guests');
    await page.locator('#Chart .close').click();
    await page.evaluate(() => addEventListener('contextmenu', (e) => e.stopPropagation(), true));
    const touch = await finger(page);
    await touch.press(await page.locator('[id="dosu(40)"]').boundingBox(),
      () => page.getByRole('menu').waitFor());
    await touch.tap(await middle(page.getByRole('menuitem', { name: /^Coins against guests/ })));
    assert.equal((await view(page)).name, 'Chart: coins against guests');

    // Stop and the close button act between runs: no run comes after them.
    for (const act of ['#Chart .sweep', '#Chart .close']) {
      await page.keyboard.press('Control+Shift+Z');
      await page.locator('#Chart .clear-points').click();
      assert.equal(await sweepThen(page, act), 'Stop', act);
      await page.waitForTimeout(300);
      await page.keyboard.press('Control+Shift+Z');
      assert.deepEqual([await pointCount(page), (await view(page)).sweep],
        [2, 'Run 10 to 1000 guests'], act);
    }
    // Init: stopped before its dialogs; the points stay.
    await sweepThen(page, '#Command3');
    await dialog(page).waitFor();
    await page.waitForTimeout(300);
    assert.deepEqual([await pointCount(page), (await view(page)).sweep], [2, 'Run 10 to 1000 guests']);
    await settle(page, '100', '10000');
    // Help takes the chart away and the sweep with it.
    await page.keyboard.press('Control+Shift+Z');
    await page.locator('#Chart .clear-points').click();
    await sweepThen(page, '#Command4');
    await page.waitForTimeout(300);
    await page.locator('#Command1').click();  // the help window's Close
    await settle(page, '100', '10000');
    await page.keyboard.press('Control+Shift+Z');
    assert.equal(await pointCount(page), 2, 'Help');
    // Exit: stopped before its message, which ends the program.
    await page.locator('#Chart .clear-points').click();
    await sweepThen(page, '#Command2');
    await dialog(page).waitFor();
    await page.waitForTimeout(300);
    assert.deepEqual([await pointCount(page), (await view(page)).sweep], [2, 'Run 10 to 1000 guests']);
    assert.deepEqual(page.errors, []);
  });

test('points outlive Init, a run by hand replaces the sweep\'s, and their words reach every user',
  async () => {
    const page = await open({ keepModule: true, hasTouch: true });
    await settle(page, '100', '1000');
    await page.locator('#Command1').click();
    await page.keyboard.press('Control+Shift+Z');
    assert.deepEqual((await view(page)).points.map(([role]) => role), ['point by-hand']);
    assert.equal((await view(page)).back, 'Back to the distribution');
    await page.locator('#Chart .sweep').click();
    await page.waitForFunction(() => document.querySelectorAll('#Chart .point').length === 7
      && document.querySelector('#Chart .sweep').textContent.startsWith('Run'));
    const swept = (await view(page)).points;
    assert.deepEqual(swept.map(([, tip]) => Number(tip.split(' ')[0])),
      [10, 20, 50, 100, 200, 500, 1000]);
    assert.match(swept[3][1], /^100 guests: \d+ coins cover 95 % by this run of 1000 experiments, 19 by theory\. Run by the sweep$/);
    assert.equal(swept[3][0], 'point by-sweep', 'the sweep replaces the hand\'s point');
    // The table and Experiment Start as the run by hand left them.
    assert.equal(await page.locator('#Command1').isDisabled(), true);
    assert.deepEqual([await text(page, 'Label82'), await text(page, 'Label2')], ['100', '1000']);
    // Init keeps them; the next run by hand takes back its count.
    await page.locator('#Command3').click();
    await answer(page, '100');
    await answer(page, '1000');
    assert.equal(await pointCount(page), 7);
    await page.locator('#Command1').click();
    assert.deepEqual((await view(page)).points.map(([role]) => role.split(' ')[1]),
      ['by-sweep', 'by-sweep', 'by-sweep', 'by-hand', 'by-sweep', 'by-sweep', 'by-sweep']);

    assert.deepEqual(await violations(page), []);
    // A finger's tap shows a point's tooltip; the keys choose the points and show theirs.
    const points = (await view(page)).points;
    await page.locator('#Chart .point').nth(5).scrollIntoViewIfNeeded();
    await (await finger(page)).tap(await middle(page.locator('#Chart .point').nth(5)));
    assert.deepEqual(await page.getByRole('tooltip').allTextContents(), [points[5][1]]);
    await page.locator('#Chart .bars').focus();
    await page.keyboard.press('Home');
    assert.deepEqual(await page.getByRole('tooltip').allTextContents(), [points[0][1]]);
    assert.equal(await page.locator('#Chart .bars [aria-selected="true"] title').textContent(),
      points[0][1]);
    // Ctrl+C copies them as a spreadsheet takes them.
    await page.keyboard.press('Control+c');
    const copied = rows(await page.evaluate(() => navigator.clipboard.readText()));
    assert.deepEqual(copied[0],
      ['Guests', 'Coins by the run', 'Coins by theory', 'Number of experiments', 'Run by']);
    assert.deepEqual(copied.slice(1).map((row) => [row[0], row[2], row[3], row[4]]),
      [['10', '6', '1000', 'sweep'], ['20', '8', '1000', 'sweep'], ['50', '13', '1000', 'sweep'],
        ['100', '19', '1000', 'hand'], ['200', '27', '1000', 'sweep'], ['500', '43', '1000', 'sweep'],
        ['1000', '61', '1000', 'sweep']]);
    assert.deepEqual(copied.slice(1).map((row) => row[1]),
      points.map(([, tip]) => tip.split(' ')[2]));
    // What a screen reader hears, and the drawing as the records give it.
    assert.match(await page.locator('#Chart-description').textContent(),
      /a dashed guide 1\.93 × √guests, and 7 points of the runs\. Twice the guests: about 1\.3 to 1\.5 times the coins\.$/);
    const { drawn, recorded } = await chartAgainstRecords(page);
    assert.deepEqual(drawn, recorded);
    // Clear the points, and Back to the distribution.
    await page.locator('#Chart .clear-points').click();
    assert.equal(await pointCount(page), 0);
    await page.locator('#Chart .coverage-back').click();
    assert.equal(await page.locator('#Chart .bars').getAttribute('aria-label'),
      'Bars: choose one to see a meeting');
    assert.deepEqual(page.errors, []);
  });
