// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window beside the main window: the chart of the last run, or after Init a title
// saying that no run is shown. Ctrl+C copies it as a picture; Esc or its close button closes
// it; it belongs to the main window and goes with it.

import { drawNoRun, drawRun, kSize } from './chart_drawing.js';
import { windowFrame } from './windows.js';

/** @typedef {import('./ombrix.js').ChartRecord} ChartRecord */
/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */

export class ChartWindow {
  /**
   * @param {ChartWindowLayout} layout
   * @param {HTMLElement} desktop where it stands, after the main window
   */
  constructor(layout, desktop) {
    this.layout = layout;
    this.desktop = desktop;
    /** @type {HTMLElement | null} the frame while it is open */
    this.frame = null;
    /** @type {HTMLElement | null} what had the focus before it opened */
    this.opener = null;
  }

  get isOpen() {
    return this.frame !== null && this.frame.isConnected;
  }

  /**
   * Shows the chart of a run, opening the window if need be; it takes the focus.
   * @param {ChartRecord} run
   */
  open(run) {
    if (!this.isOpen) {
      this.opener = /** @type {HTMLElement | null} */ (document.activeElement);
      this.frame = this.build();
      this.desktop.append(this.frame);
    }
    this.showRun(run);
    this.figure().focus();
  }

  /**
   * Shows the chart of a new run, if the window is open.
   * @param {ChartRecord} run
   */
  showRun(run) {
    if (this.isOpen) this.show(drawRun(run, this.layout), run);
  }

  /** After Init: no bars, axes or legend, only a title saying that no run is shown. */
  showNoRun() {
    if (this.isOpen) this.show(drawNoRun(this.layout.noRun.title), this.layout.noRun);
  }

  /** Closes it, giving the focus back to where it came from. */
  close() {
    if (!this.isOpen) return;
    const hadFocus = this.frame?.contains(document.activeElement);
    this.frame?.remove();
    this.frame = null;
    if (hadFocus && this.opener?.isConnected) this.opener.focus();
  }

  /** The chart: an image for a screen reader, with its name and description. */
  figure() {
    return /** @type {HTMLElement} */ (this.frame?.querySelector('.chart-figure'));
  }

  build() {
    const { name, caption, size } = this.layout;
    const frame = windowFrame(name, caption);
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.textContent = '×';
    close.setAttribute('aria-label', 'Close chart');
    close.title = 'Close (Esc)';
    close.addEventListener('click', () => this.close());
    frame.querySelector('.caption-bar')?.append(close);

    const client = document.createElement('div');
    client.className = 'client chart-client';
    client.style.width = `${size.width}px`;
    client.style.height = `${size.height}px`;
    const figure = document.createElement('div');
    figure.className = 'chart-figure';
    figure.setAttribute('role', 'img');
    figure.tabIndex = 0;
    const description = document.createElement('p');
    description.className = 'spoken';
    description.id = `${name}-description`;
    figure.setAttribute('aria-describedby', description.id);
    client.append(figure, description);
    frame.append(client);
    frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.close();
      else if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === 'c') this.copyPicture();
      else return;
      event.preventDefault();
      event.stopPropagation();
    });
    return frame;
  }

  /**
   * @param {SVGElement} drawing
   * @param {{ name: string, description: string }} words
   */
  show(drawing, words) {
    const figure = this.figure();
    figure.replaceChildren(drawing);
    figure.setAttribute('aria-label', words.name);
    /** @type {HTMLElement} */ (this.frame?.querySelector('.spoken')).textContent =
      words.description;
  }

  /**
   * Puts the chart on the clipboard as a PNG picture, at twice its size for sharpness. The
   * picture is made while the clipboard waits for it, as some browsers ask of a copy.
   */
  copyPicture() {
    const drawing = /** @type {SVGSVGElement} */ (this.figure().querySelector('svg'));
    const picture = (async () => {
      const image = new Image();
      image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(
        new XMLSerializer().serializeToString(drawing))}`;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = 2 * kSize.width;
      canvas.height = 2 * kSize.height;
      /** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d'))
        .drawImage(image, 0, 0, canvas.width, canvas.height);
      return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    })();
    navigator.clipboard.write([new ClipboardItem({ 'image/png': picture })]).catch(() => {});
  }
}
