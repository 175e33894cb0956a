// SPDX-License-Identifier: GPL-3.0-or-later
// The page with the module in the test language, en-XA, whose every message is marked ⟦so⟧:
// a word the page shows or says outside the marks did not come from the catalogue.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { answer, dialog, open, settle, startSite, testLanguageModule }
  from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

/**
 * Every text of the page a user sees or a screen reader is told, each with a word outside the
 * marks as "where: text", but for a language's name in its own words. The keys' own names
 * ("Ctrl+G", "Esc") stay as the keys show them; the chart's texts wrapped over lines are
 * joined again.
 */
const unmarked = (page) => page.evaluate(() => {
  const texts = new Map();
  const add = (where, text) => text && texts.set(where, `${texts.get(where) ?? ''} ${text}`);
  for (const element of document.body.querySelectorAll('*')) {
    if (!element.checkVisibility() && !element.closest('.spoken, [aria-live]')) continue;
    if (element.closest('body [lang]')) continue;  // another language's, on purpose
    const where = element.id || element.getAttribute('class');
    const own = [...element.childNodes].filter((node) => node.nodeType === Node.TEXT_NODE);
    add(element.closest('svg') ? `svg ${where}` : `${where} ${texts.size}`,
      own.map((node) => node.textContent).join(''));
    for (const name of ['aria-label', 'title', 'aria-valuetext', 'aria-description'])
      add(`${where} ${name}`, element.getAttribute(name));
  }
  const marks = /⟦[^⟦⟧]*⟧|\b(?:(?:Ctrl|Shift)\+)*(?:[A-Z]|F\d+|Left|Right|Up|Down|Home|End|PgUp|PgDown|Enter|Space|Esc|Backspace|Menu)\b/g;
  const words = (text) => {
    for (let last = ''; last !== text;) [last, text] = [text, text.replace(marks, ' ')];
    return /[A-Za-z]/.test(text);
  };
  return [...texts].filter(([, text]) => words(text)).map(([where, text]) => `${where}: ${text}`);
});

test('in the test language every word the page shows or says is the catalogue\'s', async () => {
  const page = await open({ moduleFrom: testLanguageModule, query: '?lang=en-XA' });
  const seen = [];
  const look = async (when) => seen.push(...(await unmarked(page)).map((line) => `${when}: ${line}`));
  await look('dialog');
  await answer(page, '5');  // refused: asked again
  await settle(page);
  await page.locator('#Command1').click();
  await look('after a run');
  await page.locator('#Label5').click({ button: 'right' });
  await page.locator('.menu').waitFor();
  await look('menu');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Control+g');
  await page.locator('.bars').focus();
  await look('chart');
  await page.keyboard.press('Enter');
  await page.locator('.replay').click();
  await look('meeting');
  await page.locator('#Command4').click();
  await look('help');
  await page.locator('#Form2 #Command1').click();
  await settle(page);
  await page.locator('#Command2').click();
  await dialog(page).waitFor();
  await look('exit message');
  assert.deepEqual(seen, [], `words that are not the catalogue's:\n${seen.join('\n')}`);
  assert.deepEqual(page.errors, []);
});
