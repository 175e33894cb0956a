// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the chart of a run as SVG, from the figures the module gives: a bar chart, a line and
// two markers need no charting library, which would outweigh the rest of the site.

/** @typedef {import('./ombrix.js').ChartRecord} ChartRecord */
/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */

const kNamespace = 'http://www.w3.org/2000/svg';
/** The drawing's size in its own units; the client area scales it. */
export const kSize = { width: 640, height: 440 };
/** The plot area, inside the title, the axes' labels and their names. */
const kPlot = { left: 70, top: 40, right: 624, bottom: 372 };
// The desktop chart's colours.
const kBarFill = 'rgb(128 255 255)';
const kBarBorder = 'rgb(0 128 128)';
export const kMarkerColours = { run: 'rgb(0 0 192)', theory: 'rgb(192 0 0)' };

/**
 * @param {string} tag
 * @param {Record<string, string | number>} attributes
 * @param {string} [text]
 */
function element(tag, attributes, text) {
  const made = document.createElementNS(kNamespace, tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, String(value));
  if (text !== undefined) made.textContent = text;
  return made;
}

/**
 * The empty drawing with the chart's title alone.
 * @param {string} title
 */
function canvas(title) {
  const svg = element('svg', { viewBox: `0 0 ${kSize.width} ${kSize.height}`, class: 'chart' });
  svg.append(element('text', { x: kSize.width / 2, y: 24, class: 'chart-title' }, title));
  return svg;
}

/** @param {string} title */
export function drawNoRun(title) {
  return canvas(title);
}

/**
 * @param {ChartRecord} run
 * @param {ChartWindowLayout} layout the axes' and series' names
 */
export function drawRun(run, layout) {
  const svg = canvas(run.title);
  const bars = run.observed.length;
  const band = (kPlot.right - kPlot.left) / bars;
  const x = (/** @type {number} */ bar) => kPlot.left + band * (bar + 0.5);
  const y = (/** @type {number} */ count) =>
    kPlot.bottom - (kPlot.bottom - kPlot.top) * (count / run.countTop);

  // The count axis: a grid line and a label at each step.
  for (let count = 0; count <= run.countTop; count += run.countStep) {
    svg.append(element('line', { x1: kPlot.left, x2: kPlot.right, y1: y(count), y2: y(count),
      class: count ? 'grid' : 'axis' }));
    svg.append(element('text', { x: kPlot.left - 6, y: y(count), class: 'count-label' },
      String(count)));
  }
  svg.append(element('line', { x1: kPlot.left, x2: kPlot.left, y1: kPlot.top, y2: kPlot.bottom,
    class: 'axis' }));
  svg.append(element('text', { class: 'axis-name',
    transform: `translate(16 ${(kPlot.top + kPlot.bottom) / 2}) rotate(-90)` }, layout.countAxis));

  // The shortage axis: its values on multiples of the label step.
  const firstLabel = run.lowestValue - (run.lowestValue % run.valueLabelStep);
  for (let value = firstLabel; value <= 1; value += run.valueLabelStep) {
    const bar = value - run.lowestValue;
    if (bar < 0) continue;
    svg.append(element('line', { x1: x(bar), x2: x(bar), y1: kPlot.bottom,
      y2: kPlot.bottom + 4, class: 'axis' }));
    svg.append(element('text', { x: x(bar), y: kPlot.bottom + 16, class: 'value-label' },
      String(value)));
  }
  svg.append(element('text', { x: (kPlot.left + kPlot.right) / 2, y: kPlot.bottom + 44,
    class: 'axis-name' }, layout.valueAxis));

  run.observed.forEach((count, bar) => {
    const rect = element('rect', { x: x(bar) - band * 0.4, y: y(count), width: band * 0.8,
      height: y(0) - y(count), fill: kBarFill, stroke: kBarBorder, class: 'bar',
      'data-value': run.lowestValue + bar });
    svg.append(rect);
  });

  const points = run.expected.map((count, bar) => `${x(bar)},${y(count)}`).join(' ');
  svg.append(element('polyline', { points, class: 'expected' }));
  run.expected.forEach((count, bar) =>
    svg.append(element('circle', { cx: x(bar), cy: y(count), r: 2.5, class: 'expected-point' })));

  // Each marker stands at the left edge of the bar of -coins: the bars right of it are the
  // experiments those coins see through. Where the two agree, the theory's dashed line runs
  // along the middle of the run's wider one.
  const marker = (/** @type {number} */ coins, /** @type {string} */ colour,
    /** @type {string} */ kind) => {
    const at = x(-coins - run.lowestValue) - band / 2;
    svg.append(element('line', { x1: at, x2: at, y1: kPlot.top, y2: kPlot.bottom, stroke: colour,
      class: `marker ${kind}` }));
  };
  marker(run.coinsByRun, kMarkerColours.run, 'by-run');
  marker(run.coinsByTheory, kMarkerColours.theory, 'by-theory');
  return svg;
}
