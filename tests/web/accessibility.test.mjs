// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition for every student: axe-core's checks on each window and dialog, and what
// a screen reader is given of them, read from the page's accessibility tree.

import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { dialog, open, settle, startSite } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

/** axe-core's violations on the page as it stands, each as "rule: the elements". */
async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ path: axePath });
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return found.map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target).join(' ')}`);
}

test('axe-core finds no violation on a dialog, the main window, the chart or the help', async () => {
  const page = await open();
  assert.deepEqual(await violations(page), [], 'the settings dialog');
  await settle(page, '100', '1000');
  await page.locator('#Command1').click();
  await page.locator('[id="dosu(40)"]').click({ button: 'right' });
  assert.deepEqual(await violations(page), [], 'the main window with its table menu');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Control+g');
  assert.deepEqual(await violations(page), [], 'the chart beside the main window');
  await page.locator('#Command4').click();
  assert.deepEqual(await violations(page), [], 'the help window');
  await page.locator('#Command1').click();  // Close
  await dialog(page).waitFor();
  await page.locator('#Command2').click({ force: true });  // dropped: a dialog is open
  assert.deepEqual([await violations(page), page.errors], [[], []], 'the dialog after Help');
});

test('a screen reader hears every control by its role and name, and each cell as a sentence',
  async () => {
    const page = await open();
    assert.equal(await page.locator('dialog[open]').ariaSnapshot(), [
      '- dialog "Setting the number of guests":',
      '  - heading "Setting the number of guests" [level=1]',
      '  - text: Please enter an integer between 10 and 1000 ...',
      '  - button "OK"',
      '  - button "Cancel"',
      '  - textbox "Please enter an integer between 10 and 1000 ...": "100"',
    ].join('\n'));
    await settle(page, '100', '1000');
    await page.locator('#Command1').click();
    const main = await page.locator('#Form1').ariaSnapshot();
    for (const button of ['Experiment Start', 'Exit', 'Init', 'Help'])
      assert.match(main, new RegExp(`^  - button "${button}"( \\[disabled\\])?$`, 'm'), button);
    // The cells say their value and count; the counts they say add up to the run.
    const said = [...main.matchAll(/shortage (-?\d+)( or less| or more)?: (\d+) experiments?/g)];
    assert.equal(said.length, 63);
    assert.equal(said.reduce((sum, [, , , count]) => sum + Number(count), 0), 1000);
    assert.deepEqual(said.slice(1, 62).map(([, value]) => Number(value)),
      Array.from({ length: 61 }, (_, k) => k - 57));
    assert.doesNotMatch(main, /^\s+- text: "?\d+"?$/m, 'a bare count, said without its value');

    await page.keyboard.press('Control+g');
    const chart = page.getByRole('img', { name: 'Chart: 100 guests, 1000 experiments' });
    assert.match(await chart.getAttribute('aria-describedby').then((id) =>
      page.locator(`[id="${id}"]`).textContent()), /^Bars for the shortages .* by theory\.$/);
    assert.equal(await chart.evaluate((figure) => figure === document.activeElement), true);
    assert.equal(await page.getByRole('button', { name: 'Close chart' }).count(), 1);
  });
