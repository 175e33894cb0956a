// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one meeting of a run as SVG: the coin balance after each guest as a step line beside
// the zero line, its lowest point marked and labelled, the meeting's caption as the title and
// a replay's status under it. A replay shows the first guests alone, redrawing only the line.

import { canvas, element, measure } from './chart_drawing.js';

/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */
/** @typedef {import('./ombrix.js').MeetingRecord} MeetingRecord */

/**
 * The drawing's size in its own units: a little smaller than the distribution's, as the
 * meeting's commands take a row of the window under it, and so a little larger on the screen.
 */
export const kMeetingSize = { width: 600, height: 420 };
const kPlot = { left: 64, top: 58, right: 584, bottom: 360 };
/** Room in the plot above the highest balance, and below the lowest for its label. */
const kAbove = 10;
const kBelow = 28;
const kWalk = { stroke: 'rgb(0,0,192)', 'stroke-width': 2 };
const kLowest = 'rgb(192,0,0)';
const kLabel = 13;

/**
 * The drawing of `meeting`, and what shows the walk up to a number of guests with a status.
 * @param {MeetingRecord} meeting
 * @param {ChartWindowLayout} layout the axes' names
 */
export function drawMeeting(meeting, layout) {
  const { svg, art } = canvas(meeting.caption, kMeetingSize);
  const { balances, guestCount } = meeting;
  const highest = Math.max(0, ...balances);
  const lowest = Math.min(0, meeting.lowest);
  const perGuest = (kPlot.right - kPlot.left) / Math.max(1, guestCount - 1);
  const perCoin = (kPlot.bottom - kPlot.top - kAbove - kBelow) / Math.max(1, highest - lowest);
  const x = (/** @type {number} */ guest) =>
    guestCount > 1 ? kPlot.left + perGuest * (guest - 1) : (kPlot.left + kPlot.right) / 2;
  const y = (/** @type {number} */ balance) => kPlot.bottom - kBelow - perCoin * (balance - lowest);
  const label = { 'font-size': kLabel, 'text-anchor': 'middle' };
  const axisName = { 'font-size': 14, 'font-weight': 'bold', 'text-anchor': 'middle' };

  // The balance axis: a grid line and a label at each step that falls in the plot, the zero
  // line darker.
  const step = meeting.balanceStep;
  const bottomBalance = lowest - kBelow / perCoin;
  for (let balance = Math.ceil(bottomBalance / step) * step;
    balance <= highest + kAbove / perCoin; balance += step) {
    art.append(element('line', { x1: kPlot.left, x2: kPlot.right, y1: y(balance),
      y2: y(balance), stroke: balance ? '#d8d8d8' : 'black', class: balance ? '' : 'zero-line' }),
    element('text', { ...label, x: kPlot.left - 6, y: y(balance), 'text-anchor': 'end',
      'dominant-baseline': 'middle', class: 'balance-label' }, String(balance)));
  }
  art.append(element('text', { ...axisName, class: 'balance-axis',
    transform: `translate(18 ${(kPlot.top + kPlot.bottom) / 2}) rotate(-90)` },
  layout.balanceAxis));

  // The guest axis: guest 1, and the multiples of a step after it that stand clear of it.
  const { guestStep } = meeting;
  const guests = [1];
  for (let guest = guestStep; guest <= guestCount; guest += guestStep)
    if (guest > 1 && x(guest) - x(1) >= 28) guests.push(guest);
  for (const guest of guests) {
    art.append(element('line', { x1: x(guest), x2: x(guest), y1: kPlot.bottom,
      y2: kPlot.bottom + 4, stroke: 'black' }),
    element('text', { ...label, x: x(guest), y: kPlot.bottom + 18, class: 'guest-label' },
      String(guest)));
  }
  art.append(element('line', { x1: kPlot.left, x2: kPlot.right, y1: kPlot.bottom,
    y2: kPlot.bottom, stroke: 'black' }),
  element('line', { x1: kPlot.left, x2: kPlot.left, y1: kPlot.top, y2: kPlot.bottom,
    stroke: 'black' }),
  element('text', { ...axisName, class: 'guest-axis', x: (kPlot.left + kPlot.right) / 2,
    y: kPlot.bottom + 42 }, layout.guestAxis));

  const walk = element('path', { ...kWalk, fill: 'none', class: 'walk' });
  // The lowest point, and its label under it, where the line never goes, kept in the plot.
  const lowestAt = { x: x(meeting.lowestGuest), y: y(meeting.lowest) };
  const half = measure(meeting.lowestLabel, kLabel) / 2 + 2;
  const lowestPoint = element('g', { class: 'lowest' });
  lowestPoint.append(element('circle', { cx: lowestAt.x, cy: lowestAt.y, r: 5, fill: kLowest,
    class: 'lowest-point' }),
  element('text', { ...label, fill: kLowest, y: lowestAt.y + 20, class: 'lowest-label',
    x: Math.min(kPlot.right - half, Math.max(kPlot.left + half, lowestAt.x)) },
  meeting.lowestLabel));
  const status = element('text', { x: kMeetingSize.width / 2, y: 44, 'font-size': kLabel,
    'text-anchor': 'middle', class: 'replay-status' });
  art.append(walk, lowestPoint, status);

  /**
   * Shows the walk after guests 1 to `shown`, the lowest point once it is reached, and the
   * replay's status.
   * @param {number} shown
   * @param {string} said
   */
  const show = (shown, said) => {
    const path = [`M${x(1)} ${y(balances[0])}`];
    for (let guest = 2; guest <= shown; ++guest)
      path.push(`H${x(guest)}V${y(balances[guest - 1])}`);
    walk.setAttribute('d', shown > 0 ? path.join('') : '');
    lowestPoint.setAttribute('visibility', shown >= meeting.lowestGuest ? 'visible' : 'hidden');
    status.textContent = said;
  };
  return { svg, show };
}
