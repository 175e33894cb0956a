// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: its link's, else the browser's, else English; switched mid-run with
// every number and the chart's meeting kept; and every Japanese text fitting its control.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { dialog, dialogTitle, open, settle, startSite } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const kGuests = 'Setting the number of guests';
const po = readFileSync('po/ja.po', 'utf8');
/** The Japanese of a message of one line, as the catalogue has it. */
const ja = (english) => {
  const quoted = english.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const found = po.match(new RegExp(`\\nmsgid "${quoted}"\\nmsgstr "(.+)"`))?.[1];
  assert.ok(found, `no Japanese for "${english}"`);
  return found;
};

test('the page starts in its link\'s language, else the browser\'s, else English, in its face alone', async () => {
  for (const [options, language, title] of [
    [{ locale: 'ja-JP' }, 'ja', ja(kGuests)], [{ locale: 'ja-JP', query: '?lang=en' }, 'en', kGuests],
    [{ query: '?lang=ja' }, 'ja', ja(kGuests)], [{ locale: 'fr-FR' }, 'en', kGuests]]) {
    const page = await open(options);
    // Its first dialog's title, its language, and the faces it loaded.
    assert.deepEqual([await dialogTitle(page), ...await page.evaluate(() => [document.documentElement
      .lang, [...document.fonts].filter((face) => face.status === 'loaded').map((face) => face.family
      .replaceAll('"', ''))])], [title, language, [`Ombrix Gothic ${language}`]], JSON.stringify(options));
    await page.context().close();
  }
});

/** The texts of the page's windows, dialogs and menu that overflow their controls. */
const overflowing = (page) => page.evaluate(() => [...document.querySelectorAll(
  '.window button, .window .label, dialog button, dialog .label, .menu button')]
  .filter((element) => element.checkVisibility() && (element.scrollWidth > element.clientWidth ||
    element.scrollHeight > element.clientHeight))
  .map((element) => `${element.id || element.className}: ${element.textContent}`));

test('switched mid-run, the numbers and the meeting stay, the words change, and each Japanese one fits', async () => {
  const page = await open();
  await settle(page);
  await page.locator('#Command1').click();
  await page.keyboard.press('Control+g');
  await page.locator('.bars').press('Enter');  // the highest bar's meeting
  // The counts, and the meeting as a language leaves it whatever room its words take: the
  // numbers of its title, and its walk as the level of each point among all its levels.
  const numbers = () => page.evaluate(() => [
    ...[...document.querySelectorAll('[id^="dosu("], #Label3, #Label82, #Label2')]
      .map((label) => label.firstChild?.textContent),
    [...document.querySelectorAll('#Chart svg .chart-title')].map((line) => line.textContent)
      .join(' ').match(/-?\d+/g)?.map(Number).sort((a, b) => a - b),
    ...[...document.querySelectorAll('#Chart svg polyline')].map((walk) => {
      const ys = walk.getAttribute('points')?.trim().split(/\s+/)
        .map((point) => Number(point.split(',')[1])) ?? [];
      const levels = [...new Set(ys)].sort((a, b) => a - b);
      return ys.map((y) => levels.indexOf(y));
    })].join());
  const words = () => page.evaluate(() => [
    ...['#Form1 h1', '#Chart h1', '#Command1', '#Command4', '#Chart .back']
      .map((selector) => document.querySelector(selector)?.textContent),
    document.getElementById('dosu(52)')?.title.split('\n')[0], document.title,
    document.getElementById('Label5')?.firstChild?.textContent,
    document.querySelector('#Chart svg')?.getAttribute('font-family')]);
  const switchLanguage = async (item, language) => {
    await page.locator('#Label5').click({ button: 'right' });
    await page.getByRole('menuitem', { name: item }).click();
    await page.waitForFunction((wanted) => document.documentElement.lang === wanted, language);
  };
  const [before, english] = [await numbers(), await words()];

  await switchLanguage('日本語', 'ja');
  assert.equal(await numbers(), before);
  const japanese = await words();
  assert.deepEqual(japanese.slice(2, 5), [ja('Experiment Start'), ja('Help'),
    ja('Back to the distribution')]);
  assert.deepEqual(japanese.filter((word, at) => word === english[at]), [], 'left in English');
  await page.locator('#Label5').click({ button: 'right' });
  assert.deepEqual(await overflowing(page), [], 'the main window, the meeting and the menu');
  await page.keyboard.press('Escape');
  await switchLanguage('English', 'en');
  assert.deepEqual([await numbers(), await words()], [before, english]);

  await switchLanguage('日本語', 'ja');
  await page.locator('#Command4').click();
  await page.waitForFunction(() => document.querySelector('#Form2 .printed'));
  assert.deepEqual([await overflowing(page), await page.locator('.printed')
    .evaluate((printed) => printed.style.transform)], [[], ''], 'the help, none of it narrowed');
  await page.locator('#Form2 #Command1').click();
  assert.deepEqual(await overflowing(page), [], 'the settings dialog');
  await settle(page);
  await page.locator('#Command2').click();
  await dialog(page).waitFor();
  assert.deepEqual(await overflowing(page), [], 'the exit message');
  assert.deepEqual(page.errors, []);
});
