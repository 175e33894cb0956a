// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window beside the main window. The module's chart model decides what it shows and
// how it answers: this window forwards its keys, its pointer, its buttons, its size and a
// replay's frames there, draws the model's view anew after each, and carries out what each
// event asks of it: to close, to copy the picture or the points, to move the focus, to say a
// replay's or a sweep's words, to show a tapped bar's or point's tooltip, to hand a command to
// the program. It belongs to the main window and goes with it. It is never
// scaled down as a window wider than the page is: it opens at a size the page has room for,
// never under the smallest the model lays its texts out at, and the model lays it out anew.

import { ChartDrawing, measure } from './chart_drawing.js';
import { moduleKey } from './keys.js';
import { pageRoom } from './screen_fit.js';
import { showTip } from './touch.js';
import { windowFrame } from './windows.js';

/** @typedef {import('./ombrix.js').ChartCommand} ChartCommand */
/** @typedef {import('./ombrix.js').ChartOutcome} ChartOutcome */
/** @typedef {import('./ombrix.js').ChartPart} ChartPart */
/** @typedef {import('./ombrix.js').ChartWindowRecord} ChartWindowRecord */
/** @typedef {import('./ombrix.js').OmbrixModule} OmbrixModule */

/**
 * @template {keyof HTMLElementTagNameMap} Tag
 * @param {Tag} tag
 * @param {string} className
 * @param {string} [text]
 */
function made(tag, className, text = '') {
  const element = document.createElement(tag);
  element.className = className;
  element.textContent = text;
  return element;
}

export class ChartWindow {
  /**
   * @param {ChartWindowRecord} record
   * @param {HTMLElement} desktop where it stands, after the main window
   * @param {OmbrixModule} module
   * @param {(command: ChartCommand) => void} programCommand takes the commands the chart hands
   *   to the program: the sweep's and the points'
   */
  constructor(record, desktop, module, programCommand) {
    this.record = record;
    this.desktop = desktop;
    this.module = module;
    this.programCommand = programCommand;
    /** @type {HTMLElement | null} what had the focus before it opened */
    this.opener = null;
    /** The replay's next frame, while its clock runs. */
    this.frameRequest = 0;
    /** @type {{ width: number, height: number } | null} a new size, till the model has it */
    this.resized = null;
    this.drawing = new ChartDrawing(record);
    this.frame = windowFrame(record.name, '');
    this.client = made('div', 'client chart-client');
    this.figure = made('div', 'chart-figure');
    this.figure.setAttribute('role', 'group');
    this.figure.tabIndex = -1;
    // Never laid out smaller than the model's least size, where its texts still fit.
    this.figure.style.minWidth = `${record.smallest.width}px`;
    this.figure.style.minHeight = `${record.smallest.height}px`;
    this.figure.append(this.drawing.svg);
    const spoken = (/** @type {string} */ id) => {
      const words = made('p', 'spoken');
      words.id = `${record.name}-${id}`;
      return words;
    };
    this.description = spoken('description');
    this.figure.setAttribute('aria-describedby', this.description.id);
    this.coinsDescription = spoken('coins-description');
    // A meeting's commands, under it: its replay, a step of it, and the way back.
    this.commands = made('div', 'chart-commands');
    this.commands.style.font = `${record.buttonPixels}px var(--window-face)`;
    this.replay = made('button', 'replay');
    this.step = made('button', 'step');
    this.back = made('button', 'back');
    this.said = spoken('replay-said');
    this.said.classList.add('replay-said');
    this.said.setAttribute('aria-live', 'polite');
    this.commands.append(this.replay, this.step, this.back, this.said);
    // The coins against the guests' commands: the sweep, Clear and the way back.
    this.coverage = made('div', 'chart-commands coverage-commands');
    this.coverage.style.font = this.commands.style.font;
    this.sweep = made('button', 'sweep');
    this.clear = made('button', 'clear-points');
    this.coverageBack = made('button', 'back coverage-back');
    this.coverage.append(this.sweep, this.clear, this.coverageBack);
    this.client.append(this.figure, this.commands, this.coverage, this.description,
      this.coinsDescription);
    this.closer = made('button', 'close', '×');
    this.frame.querySelector('.caption-bar')?.append(this.closer);
    this.frame.append(this.client);
    /** @type {Partial<Record<ChartPart, HTMLElement | SVGElement>>} where a key arrives */
    this.parts = { Bars: this.drawing.bars, Marker: this.drawing.marker, Replay: this.replay,
      Step: this.step, Sweep: this.sweep };
    this.listen(this.closer);
    this.relabel(record);
  }

  /**
   * Takes the record's words, in the current language, and shows what the chart shows in them.
   * @param {ChartWindowRecord} record
   */
  relabel(record) {
    this.record = record;
    this.frame.setAttribute('aria-label', record.caption);
    const title = /** @type {HTMLElement} */ (this.frame.querySelector('.caption-bar h1'));
    title.textContent = record.caption;
    this.step.textContent = record.step;
    this.step.title = record.stepKeys;
    for (const back of [this.back, this.coverageBack]) {
      back.textContent = record.back;
      back.title = record.backKeys;
    }
    this.clear.textContent = record.clear;
    this.closer.setAttribute('aria-label', record.close);
    this.closer.title = record.closeTip;
    this.drawing.relabel(record);
    this.draw();
  }

  /** @param {HTMLElement} close */
  listen(close) {
    const { module, drawing: { svg } } = this;
    close.addEventListener('click', () => this.close());
    this.replay.addEventListener('click', () => this.carry(module.chartReplay(performance.now())));
    this.step.addEventListener('click', () => this.carry(module.chartStep(performance.now())));
    for (const back of [this.back, this.coverageBack])
      back.addEventListener('click', () => this.carry(module.chartBack()));
    this.sweep.addEventListener('click', () => this.carry(module.chartSweep()));
    this.clear.addEventListener('click', () => this.carry(module.chartClear()));
    this.drawing.bars.addEventListener('focus', () => this.carry(module.chartFocusBars()));
    this.frame.addEventListener('keydown', (event) => this.onKeyDown(event));
    for (const kind of /** @type {const} */ (['down', 'move', 'up', 'cancel'])) {
      svg.addEventListener(`pointer${kind}`, (event) => {
        const at = new DOMPoint(event.clientX, event.clientY)
          .matrixTransform(svg.getScreenCTM()?.inverse());
        const grabs = module.chartGrabs(at.x, at.y);
        if (kind === 'move') {
          svg.classList.toggle('grabs', grabs);
          // The model follows a pointer only while it drags the marker.
          if (!svg.hasPointerCapture(event.pointerId)) return;
        } else if (kind === 'down') {
          if (event.button !== 0) return;
          event.preventDefault();  // the model says where the focus goes
          if (grabs) svg.setPointerCapture(event.pointerId);  // until it lets go
        }
        this.carry(module.chartPointer(kind, at.x, at.y, event.pointerType === 'touch'));
      });
    }
    new ResizeObserver(([{ contentRect: { width, height } }]) => {
      if (!width || !height) return;  // out of the page
      this.resized = { width, height };
      this.draw();
    }).observe(this.figure);
  }

  get isOpen() {
    return this.frame.isConnected;
  }

  /**
   * Opens the chart at what `event` opens it at, or brings it the focus as it stands: by
   * default the run's chart, nothing without a run; the coins against the guests, run or not.
   * @param {() => ChartOutcome | null} event
   */
  open(event = () => this.module.chartOpen()) {
    const outcome = event();
    if (!outcome) return;
    if (!this.isOpen) {
      this.opener = /** @type {HTMLElement | null} */ (document.activeElement);
      this.desktop.append(this.frame);
      this.fitToPage();
    }
    this.carry(outcome);
    this.frame.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }

  /** Sizes the drawing to the room the page has, from the record's smallest to its size. */
  fitToPage() {
    const { record: { size, smallest }, frame, client } = this;
    const room = pageRoom();
    // The window's own parts round its client area: its edges and its caption bar.
    const width = room.width - (frame.offsetWidth - client.offsetWidth);
    const height = room.height - (frame.offsetHeight - client.offsetHeight);
    const within = (/** @type {number} */ least, /** @type {number} */ most,
      /** @type {number} */ wanted) => `${Math.max(least, Math.min(most, wanted))}px`;
    client.style.width = within(smallest.width, size.width, width);
    client.style.height = within(smallest.height, size.height, height);
  }

  /**
   * What the main window's commands tell the chart: Open opens it or brings it the focus; an
   * open chart follows the others, the focus staying where it is.
   * @param {import('./ombrix.js').ChartCall} call
   */
  tell(call) {
    const { module } = this;
    if (call === 'Open') this.open();
    else if (call === 'Coverage') this.open(() => module.chartCoverage());
    else if (call === 'Points') this.carry(module.chartPoints(), false);
    else if (call === 'Run') this.carry(module.chartRun(), false);
    else if (call === 'Init') this.carry(module.chartInit(), false);
    else if (call === 'Exit') this.carry(module.chartExit(), false);
    else if (call === 'Relabel') this.relabel(module.chartWindow(measure));
    else this.close();
  }

  close() {
    this.carry(this.module.chartClose(), false);
  }

  /**
   * Hands a command to the program after the event that gave it, as the program may close this
   * window meanwhile.
   * @param {ChartCommand | null} command
   */
  handOn(command) {
    if (command) queueMicrotask(() => this.programCommand(command));
  }

  /** @param {KeyboardEvent} event */
  onKeyDown(event) {
    const key = moduleKey(event);
    if (!key) return;
    const [part] = Object.entries(this.parts).find(([, element]) => element === event.target)
      ?? ['Chart'];
    const outcome = this.module.chartKey(/** @type {ChartPart} */ (part), key.name, key.control,
      performance.now());
    if (!outcome.taken) return;
    event.preventDefault();
    this.carry(outcome);
  }

  /**
   * Carries out what an event asks, and draws what the chart shows then.
   * @param {ChartOutcome} outcome
   * @param {boolean} [focusing] whether the focus may come to the part the outcome names,
   *   else only a focus inside the window moves
   */
  carry(outcome, focusing = true) {
    this.handOn(outcome.command);
    if (outcome.close) {
      this.remove();
      return;
    }
    const view = this.draw();
    if (outcome.copyPicture) this.copyPicture();
    if (outcome.copyText) navigator.clipboard.writeText(outcome.copyText).catch(() => {});
    // A tapped bar's or point's tooltip, as a mouse resting on it is shown it.
    const chosen = outcome.showToolTip && this.drawing.bars
      .querySelector('.bar.chosen, [aria-selected="true"] > .point');
    if (view && chosen) showTip(view.chosenToolTip, chosen.getBoundingClientRect());
    if (outcome.say) this.said.textContent = outcome.say;
    const part = outcome.focus && this.parts[outcome.focus];
    if (part && (focusing || this.frame.contains(document.activeElement))) part.focus();
  }

  /** @returns {import('./ombrix.js').ChartView | null} what it shows now; null when closed */
  draw() {
    if (!this.isOpen) return null;
    if (this.resized) this.module.chartResize(this.resized.width, this.resized.height);
    this.resized = null;
    const view = this.module.chartNow();
    this.drawing.draw(view);
    this.figure.setAttribute('aria-label', view.name);
    this.description.textContent = view.description;
    this.coinsDescription.textContent = view.coinsDescription;
    this.commands.hidden = !view.inMeeting;
    this.replay.textContent = view.replayCaption;
    this.coverage.hidden = view.state !== 'coverage';
    this.sweep.textContent = view.sweepCaption;
    this.coverageBack.hidden = !view.canGoBack;
    // A replay's frames, while its clock runs.
    if (view.clockRunning && !this.frameRequest) {
      this.frameRequest = requestAnimationFrame((time) => {
        this.frameRequest = 0;
        this.carry(this.module.chartTick(time));
      });
    } else if (!view.clockRunning) {
      cancelAnimationFrame(this.frameRequest);
      this.frameRequest = 0;
    }
    return view;
  }

  /** Takes the window away, giving the focus back to where it came from. */
  remove() {
    cancelAnimationFrame(this.frameRequest);
    this.frameRequest = 0;
    const hadFocus = this.frame.contains(document.activeElement);
    this.frame.remove();
    if (hadFocus && this.opener?.isConnected) this.opener.focus();
  }

  /**
   * Puts what it shows on the clipboard as a PNG picture, at twice its size for sharpness.
   * The picture is made while the clipboard waits for it, as some browsers ask of a copy.
   */
  copyPicture() {
    const { svg } = this.drawing;
    const size = svg.viewBox.baseVal;
    const picture = (async () => {
      const image = new Image();
      image.src = URL.createObjectURL(new Blob([new XMLSerializer().serializeToString(svg)],
        { type: 'image/svg+xml' }));
      await image.decode().finally(() => URL.revokeObjectURL(image.src));
      const canvas = document.createElement('canvas');
      canvas.width = 2 * size.width;
      canvas.height = 2 * size.height;
      /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'))
        .drawImage(image, 0, 0, canvas.width, canvas.height);
      return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    })();
    navigator.clipboard.write([new ClipboardItem({ 'image/png': picture })]).catch(() => {});
  }
}
