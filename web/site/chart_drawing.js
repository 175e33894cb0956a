// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the chart of a run as SVG, from the figures the module gives: a bar chart, a line and
// two markers need no charting library, which would outweigh the rest of the site. Every look
// is an attribute of the drawing, so that it stands alone when copied as a picture.

/** @typedef {import('./ombrix.js').ChartRecord} ChartRecord */
/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */

const kNamespace = 'http://www.w3.org/2000/svg';
/** The drawing's size in its own units, the chart window's client area; it scales with it. */
export const kSize = { width: 640, height: 480 };
/** The plot area, inside the title, the axes' labels and names, and the legend. */
const kPlot = { left: 70, top: 40, right: 624, bottom: 372 };
const kFace = '"Ombrix Gothic", IPAPGothic, "IPA Pゴシック", sans-serif';
// The desktop chart's colours.
const kBar = { fill: 'rgb(128,255,255)', stroke: 'rgb(0,128,128)' };
const kMarkers = {
  'by-run': { stroke: 'rgb(0,0,192)', 'stroke-width': 6 },
  'by-theory': { stroke: 'rgb(192,0,0)', 'stroke-width': 2, 'stroke-dasharray': '8 4' },
};
const kLegendFont = 12;

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
 * The drawing on white with the chart's title alone.
 * @param {string} title
 */
function canvas(title) {
  const svg = element('svg', { viewBox: `0 0 ${kSize.width} ${kSize.height}`,
    width: kSize.width, height: kSize.height, 'font-family': kFace, class: 'chart' });
  svg.append(element('rect', { width: kSize.width, height: kSize.height, fill: 'white' }));
  svg.append(element('text', { x: kSize.width / 2, y: 24, 'font-size': 15, 'font-weight': 'bold',
    'text-anchor': 'middle', class: 'chart-title' }, title));
  return svg;
}

/** @param {string} title */
export function drawNoRun(title) {
  return canvas(title);
}

/** How wide a legend's text is drawn, measured in the window's face. */
const measure = (() => {
  const context = /** @type {CanvasRenderingContext2D} */ (
    document.createElement('canvas').getContext('2d'));
  return (/** @type {string} */ text) => {
    context.font = `${kLegendFont}px ${kFace}`;
    return context.measureText(text).width;
  };
})();

/**
 * The legend under the axes: each entry's key and name, centred in one row, or in two when
 * they do not fit in one.
 * @param {SVGElement} svg
 * @param {{ name: string, key: (x: number, y: number) => SVGElement[] }[]} entries
 */
function drawLegend(svg, entries) {
  const kKey = 18;
  const widths = entries.map(({ name }) => kKey + 6 + measure(name));
  const oneRow = widths.reduce((sum, width) => sum + width + 18, -18) <= kSize.width - 16;
  const rows = oneRow ? [entries.map((_, k) => k)] : [[0, 1], [2, 3]];
  rows.forEach((row, line) => {
    const y = kSize.height - 26 + line * 18 - (rows.length - 1) * 9;
    let x = (kSize.width - row.reduce((sum, k) => sum + widths[k] + 18, -18)) / 2;
    for (const k of row) {
      svg.append(...entries[k].key(x, y));
      svg.append(element('text', { x: x + kKey + 6, y, 'font-size': kLegendFont,
        'dominant-baseline': 'middle', class: 'legend' }, entries[k].name));
      x += widths[k] + 18;
    }
  });
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
  const label = { 'font-size': 12, 'text-anchor': 'middle' };
  const axisName = { 'font-size': 13, 'font-weight': 'bold', 'text-anchor': 'middle' };

  // The count axis: a grid line and a label at each step.
  for (let count = 0; count <= run.countTop; count += run.countStep) {
    svg.append(element('line', { x1: kPlot.left, x2: kPlot.right, y1: y(count), y2: y(count),
      stroke: count ? '#d8d8d8' : 'black' }));
    svg.append(element('text', { ...label, x: kPlot.left - 6, y: y(count), 'text-anchor': 'end',
      'dominant-baseline': 'middle', class: 'count-label' }, String(count)));
  }
  svg.append(element('line', { x1: kPlot.left, x2: kPlot.left, y1: kPlot.top, y2: kPlot.bottom,
    stroke: 'black' }));
  svg.append(element('text', { ...axisName, class: 'count-axis',
    transform: `translate(16 ${(kPlot.top + kPlot.bottom) / 2}) rotate(-90)` }, layout.countAxis));

  // The shortage axis: its values on multiples of the label step.
  const firstLabel = run.lowestValue - (run.lowestValue % run.valueLabelStep);
  for (let value = firstLabel; value <= 1; value += run.valueLabelStep) {
    const bar = value - run.lowestValue;
    if (bar < 0) continue;
    svg.append(element('line', { x1: x(bar), x2: x(bar), y1: kPlot.bottom, y2: kPlot.bottom + 4,
      stroke: 'black' }));
    svg.append(element('text', { ...label, x: x(bar), y: kPlot.bottom + 16,
      class: 'value-label' }, String(value)));
  }
  svg.append(element('text', { ...axisName, class: 'value-axis', x: (kPlot.left + kPlot.right) / 2,
    y: kPlot.bottom + 40 }, layout.valueAxis));

  run.observed.forEach((count, bar) => svg.append(element('rect', { ...kBar, x: x(bar) - band * 0.4,
    y: y(count), width: band * 0.8, height: y(0) - y(count), class: 'bar',
    'data-value': run.lowestValue + bar })));

  const points = run.expected.map((count, bar) => `${x(bar)},${y(count)}`).join(' ');
  svg.append(element('polyline', { points, fill: 'none', stroke: 'black', 'stroke-width': 2,
    class: 'expected-line' }));
  run.expected.forEach((count, bar) => svg.append(element('circle', { cx: x(bar), cy: y(count),
    r: 2.5, class: 'expected-point' })));

  // Each marker stands at the left edge of the bar of -coins: the bars right of it are the
  // experiments those coins see through. Where the two agree, the theory's dashed line runs
  // along the middle of the run's wider one.
  for (const [kind, coins] of /** @type {const} */ ([['by-run', run.coinsByRun],
    ['by-theory', run.coinsByTheory]])) {
    const at = x(-coins - run.lowestValue) - band / 2;
    svg.append(element('line', { ...kMarkers[kind], x1: at, x2: at, y1: kPlot.top,
      y2: kPlot.bottom, class: `marker ${kind}` }));
  }

  /** @param {Record<string, string | number>} look */
  const lineKey = (look) => (/** @type {number} */ left, /** @type {number} */ at) =>
    [element('line', { ...look, x1: left, x2: left + 18, y1: at, y2: at })];
  drawLegend(svg, [
    { name: layout.observed, key: (left, at) => [element('rect', { ...kBar, x: left, y: at - 5,
      width: 18, height: 10 })] },
    { name: layout.expected, key: (left, at) => [...lineKey({ stroke: 'black',
      'stroke-width': 2 })(left, at), element('circle', { cx: left + 9, cy: at, r: 2.5 })] },
    { name: run.coinsByRunLegend, key: lineKey(kMarkers['by-run']) },
    { name: run.coinsByTheoryLegend, key: lineKey(kMarkers['by-theory']) },
  ]);
  return svg;
}
