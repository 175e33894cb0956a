// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the module's view of the chart as SVG: each shape of its scene an element, in its
// order, its role as its class and every look an attribute, so that the drawing stands alone
// when copied as a picture. The bars are the options of a listbox and the coins marker is a
// slider, kept from one view to the next so that they keep the focus; the rest is hidden from
// a screen reader, which the chart's description tells.

/** @typedef {import('./ombrix.js').ChartChoice} ChartChoice */
/** @typedef {import('./ombrix.js').ChartShape} ChartShape */
/** @typedef {import('./ombrix.js').ChartView} ChartView */
/** @typedef {import('./ombrix.js').ChartWindowRecord} ChartWindowRecord */
/** @typedef {import('./ombrix.js').Stroked} Stroked */
/** @typedef {Record<string, string | number | undefined>} Attributes */

const kNamespace = 'http://www.w3.org/2000/svg';
/** @type {{ language: string, face: string }} */
let faced = { language: '', face: '' };

/**
 * The chart's face, named whole, as a canvas measuring it and an SVG copied alone need it: the
 * windows' face (style.css), its first the page's own for its language (faces.css).
 */
function chartFace() {
  const root = document.documentElement;
  if (faced.language !== root.lang) {
    faced = { language: root.lang,
      face: getComputedStyle(root).getPropertyValue('--window-face').trim().replace(/\s+/g, ' ') };
  }
  return faced.face;
}

/**
 * Sets each attribute, taking away those that are undefined.
 * @param {Element} element
 * @param {Attributes} attributes
 */
function set(element, attributes) {
  for (const [name, value] of Object.entries(attributes)) {
    if (value === undefined) element.removeAttribute(name);
    else element.setAttribute(name, String(value));
  }
}

/**
 * @param {string} tag
 * @param {Attributes} attributes
 * @param {string} [text]
 */
function element(tag, attributes, text) {
  const made = document.createElementNS(kNamespace, tag);
  set(made, attributes);
  if (text !== undefined) made.textContent = text;
  return made;
}

const context = /** @type {CanvasRenderingContext2D} */ (
  document.createElement('canvas').getContext('2d'));

/**
 * How wide a text is drawn at `pixels`, in the chart's face: the module lays texts out by it.
 * @param {string} text
 * @param {number} pixels
 * @param {boolean} bold
 */
export function measure(text, pixels, bold) {
  context.font = `${bold ? 'bold ' : ''}${pixels}px ${chartFace()}`;
  return context.measureText(text).width;
}

/** @param {Stroked} shape */
const stroke = (shape) => ({ stroke: shape.stroke, 'stroke-width': shape.strokeWidth,
  'stroke-dasharray': shape.dash || undefined });

/** @param {{ x: number, y: number, width: number, height: number }} box */
const place = (box) => ({ x: box.x, y: box.y, width: box.width, height: box.height });

/** @param {import('./ombrix.js').LineShape} line */
const drawLine = (line) => element('line',
  { x1: line.x1, y1: line.y1, x2: line.x2, y2: line.y2, ...stroke(line) });

/** @param {import('./ombrix.js').PathShape} path */
const drawPath = (path) => element('polyline',
  { points: path.points, fill: 'none', ...stroke(path) });

/** @param {import('./ombrix.js').RectShape} rect */
const drawRect = (rect) => element('rect', { ...place(rect.box), fill: rect.fill,
  rx: rect.radius || undefined, ...(rect.strokeWidth ? stroke(rect) : {}) });

/** @param {import('./ombrix.js').CircleShape} circle */
const drawCircle = (circle) => element('circle', { cx: circle.cx, cy: circle.cy, r: circle.r,
  fill: circle.fill, ...(circle.strokeWidth ? stroke(circle) : {}) });

/** @param {import('./ombrix.js').TextShape} text its point is the middle of its height */
const drawText = (text) => element('text', { x: text.x, y: text.y, 'font-size': text.pixels,
  'font-weight': text.bold ? 'bold' : undefined, fill: text.fill, 'text-anchor': text.anchor,
  'dominant-baseline': 'central', transform: text.upright ? `rotate(-90 ${text.x} ${text.y})`
    : undefined }, text.text);

/** @param {ChartShape} shape */
function drawShape(shape) {
  switch (shape.kind) {
    case 'line': return drawLine(shape);
    case 'path': return drawPath(shape);
    case 'rect': return drawRect(shape);
    case 'circle': return drawCircle(shape);
    default: return drawText(shape);
  }
}

/** @param {ChartShape} shape */
function draw(shape) {
  const drawn = drawShape(shape);
  drawn.setAttribute('class', shape.role);
  return drawn;
}

/**
 * @param {Element} part
 * @param {boolean} shown
 */
const show = (part, shown) => set(part, { display: shown ? undefined : 'none' });

export class ChartDrawing {
  /** @param {ChartWindowRecord} window its names; bar k gets the id `${name}-bar-k` */
  constructor(window) {
    this.ids = window.name;
    this.svg = /** @type {SVGSVGElement} */ (element('svg', { class: 'chart' }));
    const art = () => element('g', { 'aria-hidden': 'true', 'pointer-events': 'none' });
    this.back = art();
    this.bars = element('g', { role: 'listbox', tabindex: 0, class: 'bars' });
    this.marker = element('g', { role: 'slider', tabindex: 0,
      'aria-valuemax': 0, 'aria-orientation': 'horizontal',
      'aria-describedby': `${window.name}-coins-description`, class: 'coins-marker' });
    this.front = art();
    this.svg.append(this.back, this.bars, this.marker, this.front);
    this.relabel(window);
  }

  /** @param {ChartWindowRecord} window its words, in the current language */
  relabel(window) {
    set(this.marker, { 'aria-label': window.coinsMarker });
  }

  /** @param {ChartView} view */
  draw(view) {
    const { scene } = view;
    set(this.svg, { viewBox: `0 0 ${scene.width} ${scene.height}`, width: scene.width,
      height: scene.height, 'font-family': chartFace() });
    this.back.replaceChildren(...scene.back.map(draw));
    // The focus frame is the bars' own, shown while they have the focus; a pointer goes
    // through it to the bar's band and tooltip.
    this.bars.replaceChildren(...scene.choices.map((choice) =>
      this.choice(choice, scene.bars[choice.bar], choice.bar === view.chosenBar)),
    ...scene.focus.map(draw).map((frame) => {
      frame.setAttribute('pointer-events', 'none');
      return frame;
    }));
    set(this.bars, { 'aria-activedescendant':
      view.chosenBar >= 0 ? `${this.ids}-bar-${view.chosenBar}` : undefined,
    'aria-label': view.itemsName });
    show(this.bars, scene.choices.length > 0);
    this.marker.replaceChildren(...scene.marker.map(draw));
    set(this.marker, { 'aria-valuenow': view.markerValue, 'aria-valuemin': view.leastMarkerValue,
      'aria-valuetext': view.coinsText });
    show(this.marker, scene.marker.length > 0);
    this.front.replaceChildren(...scene.front.map(draw));
  }

  /**
   * A bar as an option: its tooltip, its whole band taking the pointer, and the bar drawn.
   * @param {ChartChoice} choice
   * @param {ChartShape} bar
   * @param {boolean} chosen
   */
  choice(choice, bar, chosen) {
    const option = element('g', { role: 'option', id: `${this.ids}-bar-${choice.bar}`,
      'aria-selected': String(chosen), class: 'choice', 'data-bar': choice.bar });
    const drawn = draw(bar);
    drawn.setAttribute('data-value', String(choice.value));
    option.append(element('title', {}, choice.toolTip),
      element('rect', { ...place(choice.band), fill: 'none', 'pointer-events': 'all',
        class: 'band' }), drawn);
    return option;
  }
}
