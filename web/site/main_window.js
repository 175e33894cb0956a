// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own ways in: the table's menu, opened by a right click on the table, a
// long press of a finger or the menu keys, and the table's shortcuts wherever the focus is in
// the window; and its table read as one by a screen reader. What each command does is the
// module's.

import { moduleKey } from './keys.js';
import { loadFace } from './languages.js';
import { scaleOf } from './screen_fit.js';
import { TableMenu } from './table_menu.js';
import { onLongPress } from './touch.js';
import { control } from './windows.js';

/** @typedef {import('./program.js').Program} Program */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */

/**
 * @param {import('./ombrix.js').Rect} rect
 * @param {number} x
 * @param {number} y
 */
const contains = (rect, x, y) =>
  x >= rect.left && x < rect.left + rect.width && y >= rect.top && y < rect.top + rect.height;

/**
 * Gives the table's labels the roles of a table, in the rows its record groups them in. The
 * table and its rows stand at the client's corner and take no room (style.css), so that each
 * label keeps its place.
 * @param {BuiltWindow} window
 * @param {import('./ombrix.js').MainWindowLayout['table']} table
 */
function readAsTable(window, { name, rows }) {
  const grid = document.createElement('div');
  grid.setAttribute('role', 'table');
  grid.setAttribute('aria-label', name);
  control(window, rows[0].names[0]).before(grid);  // where its labels were read
  grid.append(...rows.map(({ headers, names }) => {
    const row = document.createElement('div');
    row.setAttribute('role', 'row');
    row.append(...names.map((label, at) => {
      const cell = control(window, label);
      cell.setAttribute('role', at === 0 ? 'rowheader' : headers ? 'columnheader' : 'cell');
      return cell;
    }));
    return row;
  }));
}

export class MainWindow {
  /** @param {Program} program */
  constructor(program) {
    this.program = program;
    this.layout = program.layouts.Main;
    /** @type {Set<string>} the menu's commands enabled now */
    this.enabled = new Set();
    this.menu = new TableMenu([], '', (item) => this.enabled.has(item.name), program.desktop);
    this.relabel(this.layout);
    /** @type {HTMLElement | null} the loaded window's client area */
    this.client = null;
    document.addEventListener('keydown', (event) => this.onKeyDown(event));
  }

  /**
   * Takes the layout's words for the table's menu. A command that switches the language
   * fetches that language's face first, which the windows are measured in.
   * @param {import('./ombrix.js').MainWindowLayout} layout
   */
  relabel(layout) {
    const { program } = this;
    this.layout = layout;
    this.menu.name = layout.menuName;
    this.menu.items = layout.menu.map((item) => ({
      ...item,
      run: () => {
        const chosen = () => program.forward(() => program.module.menuChosen(item.name));
        if (item.language) loadFace(item.language).catch(() => {}).then(chosen);
        else chosen();
      },
    }));
  }

  /**
   * Takes a freshly built window: its table's menu waits for a run, but for the commands that
   * never wait.
   * @param {BuiltWindow} window
   */
  attach(window) {
    this.enabled = new Set(this.layout.menu.filter((item) => !item.waitsForRun)
      .map((item) => item.name));
    readAsTable(window, this.layout.table);
    const client = /** @type {HTMLElement} */ (window.frame.querySelector('.client'));
    this.client = client;
    // A point of the window's own in the table, from one of the page: the window may be scaled.
    const inTable = (/** @type {MouseEvent} */ event) => {
      const [box, scale] = [client.getBoundingClientRect(), scaleOf(client)];
      return contains(this.layout.tableArea, (event.clientX - box.left) / scale,
        (event.clientY - box.top) / scale);
    };
    client.addEventListener('contextmenu', (event) => {
      if (!inTable(event)) return;
      event.preventDefault();
      this.menu.open(event.clientX, event.clientY);
    });
    // Some browsers do not turn a finger's long press into a right click.
    onLongPress(client, (press) => {
      if (inTable(press) && !this.menu.isOpen) this.menu.open(press.clientX, press.clientY);
    });
  }

  /**
   * @param {string} name
   * @param {boolean} on
   */
  enableCommand(name, on) {
    if (on) this.enabled.add(name);
    else this.enabled.delete(name);
  }

  /** Opens the menu in the middle of the table, as the menu keys ask. */
  openMenuAtTable() {
    if (!this.client?.isConnected) return;
    const area = this.layout.tableArea;
    const [box, scale] = [this.client.getBoundingClientRect(), scaleOf(this.client)];
    this.menu.open(box.left + (area.left + area.width / 2) * scale,
      box.top + (area.top + area.height / 2) * scale);
  }

  /**
   * The table's keys, which the commands take or leave to the browser. A selection is copied
   * as the browser copies it; the table otherwise.
   * @param {KeyboardEvent} event
   */
  onKeyDown(event) {
    const key = moduleKey(event);
    if (!key || this.program.chart.frame.contains(/** @type {Node} */ (event.target))) return;
    this.program.forward(() => {
      const effects = this.program.module.tableKey(key.name, key.control, key.shift);
      const copying = effects.some((effect) => effect.kind === 'CopyText');
      if (copying && document.getSelection()?.toString()) return [];
      if (effects.length > 0) event.preventDefault();
      return effects;
    });
  }
}
