// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in Debian's chromium: the windows against their records, the dialogs,
// the commands with their chimes, and the ending.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { answer, closeDialog, dialog, dialogTitle, layouts, open, settle, site, startSite, text,
  violations } from './browser.mjs';

let stopSite;
before(async () => { stopSite = await startSite(); });
after(() => stopSite());

const kGuests = 'Setting the number of guests';
const kExperiments = 'Setting the number of experiments';

/** How each control of a window is drawn: its box inside the client area, in CSS pixels. */
function drawn(page, windowName) {
  return page.evaluate((name) => {
    const client = document.getElementById(name).querySelector('.client').getBoundingClientRect();
    return Object.fromEntries([...document.getElementById(name).querySelectorAll('.client [id]')]
      .map((element) => {
        const box = element.getBoundingClientRect();
        const style = getComputedStyle(element);
        // A label with words for a screen reader shows its text in a part of its own.
        const shown = element.querySelector(':scope > [aria-hidden]') ?? element;
        const range = document.createRange();
        range.selectNodeContents(shown);
        const text = range.getBoundingClientRect();
        return [element.id, {
          box: [box.left - client.left, box.top - client.top, box.width, box.height],
          font: [style.fontSize, style.fontWeight], caption: shown.textContent,
          spoken: element.querySelector(':scope > .spoken')?.textContent ?? '',
          border: `${style.borderTopColor} ${style.borderBottomColor}`,
          background: style.backgroundColor,
          // The text's gaps to the box's left and top, and how far its centre is off the box's.
          text: [text.left - box.left, text.top - box.top,
            (text.left + text.right - box.left - box.right) / 2],
        }];
      }));
  }, windowName);
}

// A label's border as its record names it: sunken (shadow above, light below) or flat.
const kBorderColours = { sunken: 'rgb(159, 159, 159) rgb(255, 255, 255)',
  flat: 'rgb(0, 0, 0) rgb(0, 0, 0)' };

/** Asserts that window `name` is drawn as its record `layout` puts it; returns it as drawn. */
async function assertDrawnAsRecorded(page, name, layout, dynamicCaptions = []) {
  const actual = await drawn(page, name);
  for (const { kind, name, caption, rect, points, bold, border, topLeft, spoken }
    of layout.controls) {
    if (kind === 'media') continue;
    const where = `${layout.name}.${name}`;
    const control = actual[name];
    assert.deepEqual(control?.box, [rect.left, rect.top, rect.width, rect.height], where);
    assert.deepEqual(control.font, [`${Math.round(points * 4 / 3 * 100) / 100}px`,
      bold ? '700' : '400'], where);
    if (kind !== 'picture' && !dynamicCaptions.includes(name))
      assert.deepEqual([control.caption, control.spoken], [caption, spoken], where);
    if (kind === 'label' && border !== 'none')
      assert.equal(control.border, kBorderColours[border], where);
    const [left, top, offCentre] = control.text;
    if (kind === 'label' && control.caption !== '')
      assert.ok(topLeft ? left < 2 && top < 3 : Math.abs(offCentre) < 1, `${where}: text off`);
  }
  return actual;
}

test('every control of every window and dialog stands where its record puts it', async () => {
  const page = await open();
  const records = await layouts(page);
  assert.equal(await dialogTitle(page), kGuests);
  const inputBox = await assertDrawnAsRecorded(page, 'InputBox', records.inputBox, ['Prompt']);
  const main = await assertDrawnAsRecorded(page, 'Form1', records.main);
  await closeDialog(page, () => dialog(page).locator('#Cancel').click());
  const messageBox = await assertDrawnAsRecorded(page, 'MsgBox', records.messageBox, ['Prompt']);

  // Pinned apart from the records, which come from the same module as the page: the rule
  // under the buttons one pixel high with both end points, the buttons' words, the white answer
  // box, the prompt at the top left, the title's flat box on light cyan, a row caption on the
  // button face and a count cell on white.
  assert.deepEqual(main.Line1.box, [0, 24, 553, 1]);
  assert.deepEqual([inputBox.Ok.caption, inputBox.Cancel.caption, messageBox.Ok.caption,
    inputBox.Answer.background], ['OK', 'Cancel', 'OK', 'rgb(255, 255, 255)']);
  assert.ok(inputBox.Prompt.text[0] < 2 && inputBox.Prompt.text[1] < 3, 'prompt at top left');
  assert.deepEqual(['Label84', 'Label5', 'dosu(1)'].map((name) => [main[name].border,
    main[name].background]), [[kBorderColours.flat, 'rgb(128, 255, 255)'],
    [kBorderColours.sunken, 'rgb(239, 239, 239)'], [kBorderColours.sunken, 'rgb(255, 255, 255)']]);

  assert.deepEqual(page.errors, []);

  // Each language's face is cut down to the characters that window_texts lists for it; every
  // window's must be.
  for (const language of ['en', 'ja']) {
    const listed = new Set(readFileSync(`${site}/../window-texts-${language}.txt`, 'utf8'));
    const shown = Object.values(await layouts(page, language)).flatMap((window) => [window.caption,
      ...window.controls.map((control) => control.caption), ...window.lines ?? [],
      ...window.menu?.map((item) => item.caption) ?? []]);
    assert.deepEqual([...new Set(shown.join(''))].filter((character) => !listed.has(character)),
      [], language);
  }
});

test('the settings dialogs read answers as the desktop does and ask again out of range', async () => {
  const page = await open();
  assert.deepEqual(await violations(page), []);
  for (const refused of ['9', '1001', '0x3E8', 'ten'])
    await answer(page, refused);
  assert.equal(await dialogTitle(page), kGuests);
  // Typed over the default, which the dialog shows selected.
  await closeDialog(page, async () => {
    await page.keyboard.type('&H3E8');
    await page.keyboard.press('Enter');
  });
  assert.equal(await dialogTitle(page), kExperiments);
  await answer(page, '1e4');
  assert.deepEqual([await text(page, 'Label82'), await text(page, 'Label2')], ['1000', '10000']);
  await page.locator('#Command3').click();  // Init asks again, its titles drawn as they are
  assert.equal(await dialogTitle(page), ` ${kGuests}`);
});

test('an input method\'s Enter or Esc ends its conversion, not the dialog; full width reads', async () => {
  const page = await open();
  const cdp = await page.context().newCDPSession(page);
  const box = dialog(page).locator('#Answer');
  const stillAsked = async (after) => assert.equal(await dialogTitle(page), kGuests, after);
  await cdp.send('Input.imeSetComposition', { text: '１０', selectionStart: 2, selectionEnd: 2 });
  await page.keyboard.press('Enter');  // as chromium sends it: while composing
  await stillAsked('Enter while composing');
  await page.keyboard.press('Escape');
  await stillAsked('Esc while composing');
  await cdp.send('Input.insertText', { text: '１０' });
  for (const type of ['keyDown', 'keyUp'])  // as Safari sends it: once the composition has ended
    await cdp.send('Input.dispatchKeyEvent', { type, key: 'Enter', windowsVirtualKeyCode: 229 });
  await stillAsked('Enter with key code 229');
  // An Esc whose keydown is not marked, between compositionstart and compositionend.
  await box.dispatchEvent('compositionstart');
  await page.keyboard.press('Escape');
  await stillAsked('Esc during a composition');
  await box.dispatchEvent('compositionend');
  await closeDialog(page, () => page.keyboard.press('Enter'));
  await answer(page, '２\u3000０００');
  assert.deepEqual([await text(page, 'Label82'), await text(page, 'Label2')], ['10', '2000']);
});

test('Help shows the whole help text in its area; Close brings back a fresh main window', async () => {
  const page = await open();
  await settle(page);
  await page.locator('#Command1').click();
  await page.locator('#Command4').click();
  await assertDrawnAsRecorded(page, 'Form2', (await layouts(page)).help);
  assert.deepEqual(await violations(page), []);
  const fit = await page.evaluate(() => {
    const area = document.getElementById('Picture1');
    const inside = area.getBoundingClientRect();
    const right = inside.left + area.clientLeft + area.clientWidth;
    const bottom = inside.top + area.clientTop + area.clientHeight;
    const lines = [...area.querySelectorAll('span')].map((line) => line.getBoundingClientRect());
    const rows = [...area.firstChild.children].map((row) => row.getBoundingClientRect().top);
    return { count: lines.length, overflowing: lines.filter((line) => line.right > right + 0.5
      || line.bottom > bottom + 0.5).length, scale: area.firstChild.style.transform,
      pitch: (rows[34] - rows[0]) / 34 };
  });
  // One em a line at 11.25 pt, the empty lines too.
  assert.deepEqual([fit.count, fit.overflowing, fit.pitch], [35, 0, 15]);
  // The browser's face is wider than the one the text was laid out for, by a sixth or so.
  assert.match(fit.scale, /^scaleX\(0\.[89]\d*\)$/, 'narrowed, not squeezed');

  await page.locator('#Command1').click();  // Close
  assert.deepEqual([await dialogTitle(page), await page.locator('#Form2').count()], [kGuests, 0]);
  await settle(page);
  assert.deepEqual([await text(page, 'dosu(50)'), await page.locator('#Command1').isEnabled()],
    ['', true], 'a fresh main window');
  await page.keyboard.press('Shift+F10');  // its table's menu waits for a run again
  assert.deepEqual(await page.getByRole('menuitem').evaluateAll(
    (items) => items.map((item) => item.getAttribute('aria-disabled'))),
  ['true', 'true', null, null]);
});

test('the program ends on Cancel, Esc or an error, and starts again', async () => {
  const kExit = 'This software will exit.';
  for (const [end, said] of [
    [(page) => closeDialog(page, () => dialog(page).locator('#Cancel').click()), kExit],
    [(page) => closeDialog(page, () => page.keyboard.press('Escape')), kExit],
    // An error that escapes a command is reported: here Help's text cannot be measured.
    [async (page) => {
      await settle(page);
      await page.evaluate(() => { HTMLSpanElement.prototype.getBoundingClientRect = () => {
        throw new Error('no layout');
      }; });
      await page.locator('#Command4').click();
    }, 'Run-time error: no layout']]) {
    const page = await open();
    assert.equal(await page.locator('#ended').isVisible(), false);
    await end(page);
    assert.deepEqual([await dialogTitle(page), await text(page, 'Prompt')],
      ['Experiment of Ombrix', said]);
    await closeDialog(page, () => page.keyboard.press('Escape'));  // as with OK
    await page.locator('#ended').waitFor();
    assert.deepEqual([await page.locator('#desktop > *, dialog').count(),
      await page.evaluate(() => document.activeElement.textContent)], [0, 'Start again']);
    await page.keyboard.press('Enter');
    assert.equal(await dialogTitle(page), kGuests);
  }
});

test('a page whose module cannot be fetched says why it cannot start', async () => {
  const page = await open({ serviceWorkers: 'block' });
  await page.route('**/ombrix.wasm', (route) => route.abort());
  await page.reload();
  await page.locator('#failed').waitFor();
  assert.match(await page.locator('#failed p').textContent(), /Failed to fetch/);
  assert.deepEqual([await page.evaluate(() => document.activeElement.textContent),
    await page.locator('#desktop > *').count()], ['Try again', 0]);
});

test('the keyboard alone goes to the ending, a held Enter pressing one button; each run is told, each chime played', async () => {
  const page = await open();
  const cdp = await page.context().newCDPSession(page);
  // Enter held, each repeat marked as one or not, as browsers differ.
  const enter = (type, autoRepeat = false) => cdp.send('Input.dispatchKeyEvent',
    { type, key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13, text: '\r', autoRepeat });
  await page.evaluate(() => {  // what the live region tells, after how politely
    const region = document.getElementById('announced');
    window.told = [region.ariaLive];
    new MutationObserver(() => window.told.push(region.textContent)).observe(region,
      { childList: true });
  });
  // Where the focus is, whether Experiment Start is enabled, what the live region has told once
  // its frame has come, the counts drawn beyond their cells' borders (which keep each apart from
  // the next), and whether any is narrowed.
  const state = () => page.evaluate(async () => {
    await new Promise(requestAnimationFrame);
    const { activeElement: focus } = document;
    const counts = [...document.querySelectorAll('[id^="dosu("] > [aria-hidden]')];
    const off = counts.filter((count) => {
      const [box, cell] = [count.getBoundingClientRect(), count.parentElement];
      const left = cell.getBoundingClientRect().left + cell.clientLeft;
      return box.left < left - 0.01 || box.right > left + cell.clientWidth + 0.01;
    });
    const start = document.getElementById('Command1');
    return [`${focus.closest('section').id}.${focus.id}`, !start.disabled, window.told,
      off.map((count) => count.parentElement.id), counts.some((count) => count.style.transform)];
  });
  const told = async (runs) => `Run finished: ${runs} experiments, average of shortage ${
    await page.evaluate(() => document.querySelector('#Label3 > span')?.textContent)}`;
  await page.keyboard.type('10');
  await closeDialog(page, () => enter('keyDown'));
  await enter('keyDown', true);  // held on into the next dialog, which it leaves unanswered
  await enter('keyUp');
  await page.keyboard.type('10000');
  await closeDialog(page, () => enter('keyDown'));  // from the text box its repeats press nothing
  await enter('keyDown', true);
  assert.deepEqual(await state(), ['Form1.Command1', true, ['polite'], [], false], 'a repeat');
  await enter('keyUp');
  for (const autoRepeat of [false, false, true]) await enter('keyDown', autoRepeat);
  // Experiment Start, disabled by its run, hands the focus on to Help, which the held key
  // leaves; the counts of 4 digits are narrowed into their cells.
  const first = await told('10000');
  assert.deepEqual(await state(), ['Form1.Command4', false, ['polite', first], [], true], 'held');
  await enter('keyUp');
  await page.keyboard.press('Enter');  // a fresh press opens Help
  assert.equal((await state())[0], 'Form2.Command1', 'Enter pressed anew on Help');
  await page.keyboard.press('Space');  // on Close
  await closeDialog(page, () => page.keyboard.press('Enter'));
  await closeDialog(page, () => page.keyboard.press('NumpadEnter'));
  await page.keyboard.press('Space');  // on Experiment Start: the new run is told anew
  assert.deepEqual(await state(), ['Form1.Command4', false,
    ['polite', first, '', await told('1000')], [], false], 'the second run');
  // From Help by Init to Exit.
  for (const key of ['Shift+Tab', 'Shift+Tab', 'Space']) await page.keyboard.press(key);
  assert.equal(await dialogTitle(page), 'Experiment of Ombrix');
  await page.keyboard.press('Enter');
  await page.locator('#ended').waitFor();
  // Help played the ordinary chime, Exit the longer closing one, each decoded from its file.
  // Which command plays which, Init too, the commands' table holds.
  const cues = await page.cues();
  assert.ok(cues.length === 2 && cues[0] > 0.5 && cues[1] > cues[0], `chimes played: ${cues}`);
});
