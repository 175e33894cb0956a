// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the chart of a run as SVG, from the figures the module gives: a bar chart, a line and
// three markers need no charting library, which would outweigh the rest of the site. Every look
// is an attribute of the drawing, so that it stands alone when copied as a picture. The bars
// and the coins marker are the parts a user acts on: a listbox of options and a slider; the
// rest is hidden from a screen reader, which the chart's description tells.

/** @typedef {import('./ombrix.js').ChartRecord} ChartRecord */
/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */

const kNamespace = 'http://www.w3.org/2000/svg';
/** The drawing's size in its own units, the chart window's client area; it scales with it. */
export const kSize = { width: 640, height: 480 };
/** The plot area, inside the title, the axes' labels and names, and the legend. */
const kPlot = { left: 70, top: 56, right: 624, bottom: 372 };
const kFace = '"Ombrix Gothic", IPAPGothic, "IPA Pゴシック", sans-serif';
// The desktop chart's colours.
const kBar = { fill: 'rgb(128,255,255)', stroke: 'rgb(0,128,128)' };
const kMarkers = {
  'by-run': { stroke: 'rgb(0,0,192)', 'stroke-width': 6 },
  'by-theory': { stroke: 'rgb(192,0,0)', 'stroke-width': 2, 'stroke-dasharray': '8 4' },
};
const kLegendFont = 12;
/** The coins marker the student moves: green, between the two markers' widths. */
const kCoins = { stroke: 'rgb(0,128,0)', 'stroke-width': 4 };
const kCoinsText = 'rgb(0,100,0)';

/**
 * @param {string} tag
 * @param {Record<string, string | number>} attributes
 * @param {string} [text]
 */
export function element(tag, attributes, text) {
  const made = document.createElementNS(kNamespace, tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, String(value));
  if (text !== undefined) made.textContent = text;
  return made;
}

/** How wide a text is drawn at `points` (the legend's by default), in the window's face. */
export const measure = (() => {
  const context = /** @type {CanvasRenderingContext2D} */ (
    document.createElement('canvas').getContext('2d'));
  return (/** @type {string} */ text, points = kLegendFont, bold = false) => {
    context.font = `${bold ? 'bold ' : ''}${points}px ${kFace}`;
    return context.measureText(text).width;
  };
})();

/**
 * The drawing on white with its title alone, as large as fits its width, and `art`, a group
 * a screen reader passes over, to draw the rest in.
 * @param {string} title
 */
export function canvas(title, size = kSize) {
  const svg = /** @type {SVGSVGElement} */ (element('svg', { class: 'chart',
    viewBox: `0 0 ${size.width} ${size.height}`, width: size.width, height: size.height,
    'font-family': kFace }));
  const art = element('g', { 'aria-hidden': 'true' });
  const points = Math.min(15, 15 * (size.width - 16) / measure(title, 15, true));
  art.append(element('rect', { width: size.width, height: size.height, fill: 'white' }),
    element('text', { x: size.width / 2, y: 22, 'font-size': points.toFixed(1),
      'font-weight': 'bold', 'text-anchor': 'middle', class: 'chart-title' }, title));
  svg.append(art);
  return { svg, art };
}

/** @param {string} title */
export function drawNoRun(title) {
  return canvas(title).svg;
}

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

/** Where the bars stand: each a band wide, from the plot's left edge. */
function bands(/** @type {ChartRecord} */ run) {
  return (kPlot.right - kPlot.left) / run.observed.length;
}

/**
 * Where a marker of `coins` stands: at the left edge of the bar of -coins, so that the bars
 * right of it are the experiments those coins see through.
 * @param {ChartRecord} run
 * @param {number} coins
 */
const coinsEdge = (run, coins) => kPlot.left + bands(run) * (-coins - run.lowestValue);

/**
 * The coins whose marker stands nearest `x`, in the drawing's units, within 0 to mostCoins.
 * @param {ChartRecord} run
 * @param {number} x
 */
export function coinsAt(run, x) {
  const coins = -run.lowestValue - Math.round((x - kPlot.left) / bands(run));
  return Math.min(run.mostCoins, Math.max(0, coins));
}

/**
 * Moves the coins marker of a drawn run to `coins`, with its text.
 * @param {SVGSVGElement} svg
 * @param {ChartRecord} run
 * @param {number} coins
 */
export function placeCoinsMarker(svg, run, coins) {
  const marker = /** @type {SVGGElement} */ (svg.querySelector('.coins-marker'));
  marker.setAttribute('transform', `translate(${coinsEdge(run, coins)} 0)`);
  marker.setAttribute('aria-valuenow', String(coins));
  marker.setAttribute('aria-valuetext', run.coinsMarkerTexts[coins]);
  /** @type {SVGTextElement} */ (svg.querySelector('.coins-text')).textContent =
    run.coinsMarkerTexts[coins];
}

/**
 * The chart of a run. Its bars are options of a listbox, bar k with the id `${ids}-bar-k`; its
 * coins marker a slider, described by the element of id `${ids}-coins-description`, standing
 * nowhere until placeCoinsMarker places it.
 * @param {ChartRecord} run
 * @param {ChartWindowLayout} layout the axes' and series' names
 * @param {string} ids
 */
export function drawRun(run, layout, ids) {
  const { svg, art } = canvas(run.title);
  const band = bands(run);
  const x = (/** @type {number} */ bar) => kPlot.left + band * (bar + 0.5);
  const y = (/** @type {number} */ count) =>
    kPlot.bottom - (kPlot.bottom - kPlot.top) * (count / run.countTop);
  const label = { 'font-size': 12, 'text-anchor': 'middle' };
  const axisName = { 'font-size': 13, 'font-weight': 'bold', 'text-anchor': 'middle' };

  // The count axis: a grid line and a label at each step.
  for (let count = 0; count <= run.countTop; count += run.countStep) {
    art.append(element('line', { x1: kPlot.left, x2: kPlot.right, y1: y(count), y2: y(count),
      stroke: count ? '#d8d8d8' : 'black' }));
    art.append(element('text', { ...label, x: kPlot.left - 6, y: y(count), 'text-anchor': 'end',
      'dominant-baseline': 'middle', class: 'count-label' }, String(count)));
  }
  art.append(element('line', { x1: kPlot.left, x2: kPlot.left, y1: kPlot.top, y2: kPlot.bottom,
    stroke: 'black' }));
  art.append(element('text', { ...axisName, class: 'count-axis',
    transform: `translate(16 ${(kPlot.top + kPlot.bottom) / 2}) rotate(-90)` }, layout.countAxis));

  // The shortage axis: its values on multiples of the label step.
  const firstLabel = run.lowestValue - (run.lowestValue % run.valueLabelStep);
  for (let value = firstLabel; value <= 1; value += run.valueLabelStep) {
    const bar = value - run.lowestValue;
    if (bar < 0) continue;
    art.append(element('line', { x1: x(bar), x2: x(bar), y1: kPlot.bottom, y2: kPlot.bottom + 4,
      stroke: 'black' }));
    art.append(element('text', { ...label, x: x(bar), y: kPlot.bottom + 16,
      class: 'value-label' }, String(value)));
  }
  art.append(element('text', { ...axisName, class: 'value-axis', x: (kPlot.left + kPlot.right) / 2,
    y: kPlot.bottom + 40 }, layout.valueAxis));

  // The bars, each chosen by its whole band, empty or not.
  const choices = element('g', { role: 'listbox', tabindex: 0, 'aria-label': layout.bars,
    class: 'bars' });
  run.observed.forEach((count, bar) => {
    const choice = element('g', { role: 'option', id: `${ids}-bar-${bar}`, 'aria-selected': 'false',
      class: 'choice', 'data-bar': bar });
    choice.append(element('title', {}, run.barToolTips[bar]),
      element('rect', { x: x(bar) - band / 2, y: kPlot.top, width: band,
        height: kPlot.bottom - kPlot.top, fill: 'transparent', class: 'band' }),
      element('rect', { ...kBar, x: x(bar) - band * 0.4, y: y(count), width: band * 0.8,
        height: y(0) - y(count), class: 'bar', 'data-value': run.lowestValue + bar }));
    choices.append(choice);
  });
  svg.append(choices);

  const over = element('g', { 'aria-hidden': 'true', 'pointer-events': 'none' });
  const points = run.expected.map((count, bar) => `${x(bar)},${y(count)}`).join(' ');
  over.append(element('polyline', { points, fill: 'none', stroke: 'black', 'stroke-width': 2,
    class: 'expected-line' }));
  run.expected.forEach((count, bar) => over.append(element('circle', { cx: x(bar), cy: y(count),
    r: 2.5, class: 'expected-point' })));

  // Where the two agree, the theory's dashed line runs along the middle of the run's wider one.
  for (const [kind, coins] of /** @type {const} */ ([['by-run', run.coinsByRun],
    ['by-theory', run.coinsByTheory]])) {
    const at = coinsEdge(run, coins);
    over.append(element('line', { ...kMarkers[kind], x1: at, x2: at, y1: kPlot.top,
      y2: kPlot.bottom, class: `marker ${kind}` }));
  }
  over.append(element('text', { x: kSize.width / 2, y: 42, 'font-size': 12.5,
    'text-anchor': 'middle', fill: kCoinsText, class: 'coins-text' }));

  /** @param {Record<string, string | number>} look */
  const lineKey = (look) => (/** @type {number} */ left, /** @type {number} */ at) =>
    [element('line', { ...look, x1: left, x2: left + 18, y1: at, y2: at })];
  drawLegend(over, [
    { name: layout.observed, key: (left, at) => [element('rect', { ...kBar, x: left, y: at - 5,
      width: 18, height: 10 })] },
    { name: layout.expected, key: (left, at) => [...lineKey({ stroke: 'black',
      'stroke-width': 2 })(left, at), element('circle', { cx: left + 9, cy: at, r: 2.5 })] },
    { name: run.coinsByRunLegend, key: lineKey(kMarkers['by-run']) },
    { name: run.coinsByTheoryLegend, key: lineKey(kMarkers['by-theory']) },
  ]);
  svg.append(over);

  // The coins marker, drawn at 0 and moved along: a line with a grip at its top, and a wider
  // band round it that a pointer or a finger takes hold of.
  const marker = element('g', { role: 'slider', tabindex: 0, 'aria-label': layout.coinsMarker,
    'aria-valuemin': 0, 'aria-valuemax': run.mostCoins, 'aria-orientation': 'horizontal',
    'aria-describedby': `${ids}-coins-description`, class: 'coins-marker' });
  const span = { x1: 0, x2: 0, y1: kPlot.top, y2: kPlot.bottom };
  marker.append(element('line', { ...span, stroke: 'transparent', 'stroke-width': 20 }),
    element('line', { ...span, ...kCoins }),
    element('rect', { x: -7, y: kPlot.top - 2, width: 14, height: 26, rx: 3,
      fill: kCoins.stroke, class: 'grip' }),
    ...[8, 12, 16].map((down) => element('line', { x1: -4, x2: 4, y1: kPlot.top + down,
      y2: kPlot.top + down, stroke: 'white', 'stroke-width': 1.5 })));
  svg.append(marker);
  return svg;
}
