// SPDX-License-Identifier: GPL-3.0-or-later
// What a run gives besides its table, in Debian's chromium: the cells' tooltips and spoken
// words, the copied table, the table's menu, and the chart window with its figures and its
// lifetime. Every figure is checked against another that the page shows or copies, and
// axe-core finds no violation in any of them.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chartAgainstRecords, chartedRun, drawnChart, finger, open, rows, settle, startSite, text,
  violations } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const clipboard = (page) => page.evaluate(() => navigator.clipboard.readText());
const setClipboard = (page, text) => page.evaluate((t) => navigator.clipboard.writeText(t), text);
const experiments = (count) => `${count} experiment${count === '1' ? '' : 's'}`;

/** Each count cell as shown and explained, bin 1 first. */
const cells = (page) => page.locator('[id^="dosu("]').evaluateAll((all) => all.map((cell) => ({
  shown: cell.querySelector('[aria-hidden]').textContent, tip: cell.getAttribute('title') })));

/**
 * What a screen reader is given of the main window: its values, and its table as chromium's
 * accessibility tree has it, each cell as its role and name.
 */
async function heard(page) {
  const tree = await page.locator('#Form1').ariaSnapshot();
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const [named, table] = [(node) => `${node.role.value} ${node.name.value}`, nodes.find((node) =>
    node.role.value === 'table')];
  const inside = (node) => node.childIds.map((id) => nodes.find((child) => child.nodeId === id));
  return { values: tree.match(/(Number of \w+|Average of shortage): [^ "]+/g),
    table: table && [named(table), ...inside(table).map((row) => inside(row).map(named))] };
}

/**
 * The table a screen reader should be given: a row of headers over each row of counts, the
 * open ends' headers said by their values, and each count said by `said`.
 */
const kTable = (copied, said) => ['table Frequency table', ...Array.from({ length: 14 }, (_, row) =>
  [`rowheader ${row % 2 ? 'Frequency' : 'Shortage'}`, ...copied.slice(1 + 9 * (row >> 1),
    10 + 9 * (row >> 1)).map(([name, count]) => (row % 2 ? `cell shortage ${name}: ${said(count)}`
    : `columnheader ${name.includes(' or ') ? `shortage ${name}` : name}`))])];
const kHint = 'After a run: right-click (or Menu) for the chart and the copy';

test('after a run each cell tells its count aloud and in its tooltip, as the copy does',
  async () => {
    const page = await open({ hasTouch: true });
    await settle(page, '100', '1000');
    assert.deepEqual((await cells(page)).filter((cell) => cell.tip !== kHint), [], 'before a run');
    await page.locator('#Command1').click();
    await page.keyboard.press('Control+c');
    const copied = await clipboard(page);
    const table = rows(copied);

    for (const [bin, cell] of (await cells(page)).entries()) {
      const [name, count] = table[1 + bin];
      assert.equal(cell.shown, count, name);
      // The tooltips' words are the core's, held to the desktop's in both builds: here, that
      // each cell has its own run's.
      assert.ok(cell.tip.startsWith(`Shortage ${name}\nObserved: ${experiments(count)}\nExpected: `)
        && cell.tip.endsWith('\nRight-click (or Menu): the chart, the copy'), cell.tip);
    }

    assert.deepEqual(await heard(page), {
      values: ['Number of guests: 100', `Average of shortage: ${table.at(-2)[1]}`,
        'Number of experiments: 1000'],
      table: kTable(table, experiments),
    });

    // A finger is shown a tooltip too, until it touches anything else.
    await page.locator('[id="dosu(40)"]').tap();
    assert.equal(await page.getByRole('tooltip').textContent(), (await cells(page))[39].tip);
    await page.locator('#Label84').tap();
    await page.waitForTimeout(700);  // longer than a long press: no menu comes of the taps
    assert.deepEqual([await page.getByRole('tooltip').count(), await page.getByRole('menu').count()],
      [0, 0]);

    // The average's tooltip, as the copy gives its figures. (That the average is the counts'
    // one, the core's tests hold, in WebAssembly too.)
    const [average, coins] = table.slice(-2);
    assert.match(await page.locator('#Label3').getAttribute('title'), new RegExp(
      `^Expected average for 100 guests: ${Number(average[2]).toFixed(2)}\n.*: ${coins[1]} by this run, ${coins[2]} by theory$`));

    // The table's menu copies the same, by the pointer and by the keyboard.
    await setClipboard(page, '');
    await page.locator('[id="dosu(40)"]').click({ button: 'right', position: { x: 5, y: 6 } });
    const [cell, menu] = await Promise.all(['[id="dosu(40)"]', '[role="menu"]'].map(
      (where) => page.locator(where).boundingBox()));
    // At the click: inside the cell's border, to the pixel.
    const off = Math.hypot(menu.x - cell.x - 5, menu.y - cell.y - 6);
    assert.ok(off <= 2, `the menu ${off} px off the click`);
    assert.deepEqual(await page.getByRole('menu', { name: 'Table' }).getByRole('menuitem')
      .allInnerTexts(), ['Show chart\nCtrl+G', 'Copy table\nCtrl+C',
      'Coins against guests\nCtrl+Shift+Z', '日本語']);
    assert.deepEqual(await violations(page), []);
    await page.getByRole('menuitem', { name: /^Copy table/ }).click();
    assert.equal(await clipboard(page), copied);
    await setClipboard(page, '');
    await page.locator('#Command4').focus();  // the click on the table took it
    await page.keyboard.press('Shift+F10');
    // From the first round to the last, and up twice.
    for (const key of ['ArrowUp', 'ArrowUp', 'ArrowUp', 'Enter'])
      await page.keyboard.press(key);
    assert.deepEqual([await page.getByRole('menu').count(), await clipboard(page), await page
      .evaluate(() => document.activeElement.id)], [0, copied, 'Command4'], 'copied by the keys');

    // A finger pressing long opens the menu, where a browser makes no right click of it; its
    // tap shows no tooltip then.
    await page.evaluate(() => addEventListener('contextmenu', (e) => e.stopPropagation(), true));
    await (await finger(page)).press(await page.locator('[id="dosu(40)"]').boundingBox(),
      () => page.getByRole('menu').waitFor());
    assert.equal(await page.getByRole('tooltip').count(), 0);
    await page.locator('[id="dosu(1)"]').click();  // outside it: it closes, and shows no tap tip
    assert.deepEqual([await page.getByRole('menu').count(), await page.getByRole('tooltip').count()],
      [0, 0]);
    for (const key of ['Shift+F10', 'Tab']) await page.keyboard.press(key);  // as does Tab
    assert.equal(await page.getByRole('menu').count(), 0);

    await page.evaluate(() => getSelection().selectAllChildren(document.getElementById('Label82')));
    await page.keyboard.press('Control+c');  // a selection is the browser's to copy, run or not
    assert.equal((await clipboard(page)).trim(), '100');

    // Init takes the run away: no counts, tooltips or count to say, nothing to copy.
    await page.locator('#Command3').click();
    for (const id of ['dosu(1)', 'dosu(33)', 'Label3', 'Label82', 'Label2'])
      assert.equal(await text(page, id), '', id);
    await settle(page);
    assert.deepEqual([(await cells(page))[55], await heard(page)], [{ shown: '', tip: kHint }, {
      values: ['Number of guests: 100', 'Average of shortage: none', 'Number of experiments: 1000'],
      table: kTable(table, () => 'no count') }]);
    assert.deepEqual([await page.locator('#Label3').getAttribute('title'),
      await page.locator('#Command1').isEnabled()], [null, true]);
    await page.keyboard.press('Shift+F10');
    assert.deepEqual(await page.getByRole('menuitem').evaluateAll(
      (items) => items.map((item) => item.getAttribute('aria-disabled'))), ['true', 'true', null,
      null]);
    await page.keyboard.press('Escape');
    assert.deepEqual(page.errors, []);
  });

test('the chart draws the run the table shows, and lives as long as its run and window',
  async () => {
    const { page, table } = await chartedRun({ keepModule: true });
    const chart = await drawnChart(page);
    // The bars have the focus, the highest of them chosen; the theory's marker is dashed.
    const highest = table.slice(1, 64).reduce((a, b) => (Number(b[1]) > Number(a[1]) ? b : a));
    assert.deepEqual([chart.focused, chart.chosen, chart.dashed],
      [true, [highest[0], highest[0], highest[0]], true]);

    // Every shape as the module gives it; the bars' tooltips are the table's counts.
    assert.deepEqual([chart.name, ...chart.close],
      ['Chart: 100 guests, 1000 experiments', 'Close chart', 'Close (Esc)']);
    const count = (value) => Number(table[59 + value][1]) || 'no';
    assert.deepEqual(chart.tips.map((tip) => tip.split(' experiment')[0]),
      chart.values.map((value) => `Shortage ${value}: ${count(value)}`));
    const { drawn, recorded } = await chartAgainstRecords(page);
    assert.deepEqual(drawn, recorded);
    assert.deepEqual(await violations(page), []);

    // Ctrl+C copies it as a picture, at twice its size, with the bars drawn in.
    await page.keyboard.press('Control+c');
    const picture = await page.evaluate(async () => {
      let item;  // once the picture is made, which a policy refusing its drawing would prevent
      for (const start = Date.now(); !(item = (await navigator.clipboard.read())[0]).types
        .includes('image/png'); await new Promise((resolve) => setTimeout(resolve, 50)))
        if (Date.now() - start > 5000) return 'no picture';
      const bitmap = await createImageBitmap(await item.getType('image/png'));
      const context = new OffscreenCanvas(1280, 960).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const cyan = new Uint32Array(context.getImageData(0, 0, 1280, 960).data.buffer)
        .filter((pixel) => pixel === 0xffffff80).length;  // the bars' fill, as RGBA bytes
      return [bitmap.width, bitmap.height, cyan > 60000];  // twice what a 1:1 drawing has
    });
    assert.deepEqual(picture, [1280, 960, true], page.errors.join('\n'));

    // Esc closes it, from its close button too, the focus going back; the menu opens it again.
    await page.getByRole('button', { name: 'Close chart' }).focus();
    await page.keyboard.press('Escape');
    assert.equal(await drawnChart(page), null);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Command4');
    for (const key of ['Shift+F10', 'Enter']) await page.keyboard.press(key);

    // Init clears it; the next run draws again.
    await page.locator('#Command3').click();
    const cleared = await drawnChart(page);
    assert.deepEqual([cleared.title, cleared.values, cleared.name],
      ['No run shown: Init cleared the table', [], 'Chart: no run shown']);
    await settle(page, '10', '100');
    const noRun = await chartAgainstRecords(page);
    assert.deepEqual(noRun.drawn, noRun.recorded);
    await page.locator('#Command1').click();
    const again = await drawnChart(page);
    assert.deepEqual(again.values, [-10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0, 1]);

    // Help takes it away with the main window. The end takes it away too: see the meetings' test.
    await page.locator('#Command4').click();
    assert.deepEqual([await drawnChart(page), page.errors], [null, []]);
  });
