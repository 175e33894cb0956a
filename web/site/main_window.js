// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the settings, the frequency table, the average and the four commands;
// after a run, the table's tooltips, its menu, Copy table and the chart.

import { ChartWindow } from './chart_window.js';
import { moduleKey } from './keys.js';
import { TableMenu } from './table_menu.js';
import { onLongPress } from './touch.js';
import { buildWindow, control, showText } from './windows.js';

/** @typedef {import('./program.js').Program} Program */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */
/** @typedef {keyof import('./ombrix.js').MainWindowLayout['roles']} Role */
/** @typedef {import('./ombrix.js').RunResult} RunResult */

const kActivation = 0;
const kInit = 1;

/**
 * @param {import('./ombrix.js').Rect} rect
 * @param {number} x
 * @param {number} y
 */
const contains = (rect, x, y) =>
  x >= rect.left && x < rect.left + rect.width && y >= rect.top && y < rect.top + rect.height;

export class MainWindow {
  /** @param {Program} program */
  constructor(program) {
    this.program = program;
    this.module = program.module;
    this.layout = program.module.mainWindow();
    /** @type {BuiltWindow | null} the last one built */
    this.window = null;
    /** @type {RunResult | null} the run the table shows */
    this.run = null;
    const chartWindow = program.module.chartWindow();
    // The table's cells share the bars' light cyan.
    document.documentElement.style.setProperty('--light-cyan', chartWindow.lightCyan);
    this.chart = new ChartWindow(chartWindow, program.desktop, program.module);
    const [showChart, copyTable] = this.layout.menu;
    this.menu = new TableMenu([
      { ...showChart, run: () => this.showChart() },
      { ...copyTable, run: () => this.copyTable() },
    ]);
    document.addEventListener('keydown', (event) => this.onKeyDown(event));
  }

  /** Loads the window afresh and shows it; becoming active, it asks for the settings. */
  show() {
    const window = buildWindow(this.layout);
    this.window = window;
    this.program.show(window);
    // Tab goes from Experiment Start to Exit, Init and Help, as on the desktop: the buttons
    // stand at their places whatever their order, so they are put last in this one.
    const tabOrder = /** @type {const} */ (['start', 'exit', 'init', 'help']);
    const client = /** @type {HTMLElement} */ (window.frame.querySelector('.client'));
    client.append(...tabOrder.map((role) => this.control(role)));
    const on = (/** @type {Role} */ role, /** @type {() => void | Promise<void>} */ command) =>
      this.control(role).addEventListener('click', () => this.program.run(command));
    on('start', () => this.onStartClicked());
    on('exit', () => this.onExitClicked());
    on('init', () => this.onInitClicked());
    on('help', () => this.onHelpClicked());
    // The table's menu opens where the table is right-clicked, or pressed long by a finger,
    // which some browsers do not turn into a right click.
    const inTable = (/** @type {MouseEvent} */ event) => {
      const box = client.getBoundingClientRect();
      const at = [event.clientX - box.left, event.clientY - box.top];
      return contains(this.layout.tableArea, at[0], at[1]) ? at : null;
    };
    client.addEventListener('contextmenu', (event) => {
      const at = inTable(event);
      if (!at) return;
      event.preventDefault();
      this.menu.open(client, at[0], at[1], this.run !== null);
    });
    onLongPress(client, (press) => {
      const at = inTable(press);
      if (at && !this.menu.isOpen) this.menu.open(client, at[0], at[1], this.run !== null);
    });
    // A window loaded afresh shows no run, and has none to chart or copy.
    this.run = null;
    this.module.clearRun();
    this.control('start').focus();
    return this.askSettings(kActivation);
  }

  /**
   * A control of the loaded window, by what it does.
   * @param {Role} role
   */
  control(role) {
    return /** @type {HTMLButtonElement} */ (this.controlNamed(this.layout.roles[role]));
  }

  /** @param {string} name */
  controlNamed(name) {
    return control(/** @type {BuiltWindow} */ (this.window), name);
  }

  /**
   * Shows a text in a label, with what a screen reader says of it: "Number of guests: 100".
   * @param {string} label
   * @param {string} text
   */
  showCount(label, text) {
    showText(this.controlNamed(label), text, this.module.spoken(label, text));
  }

  /** @param {number} variant */
  async askSettings(variant) {
    const goOn = await this.module.ccall('ombrix_ask_settings', 'number', ['number'], [variant],
      { async: true });
    if (!goOn) this.program.end();
  }

  onStartClicked() {
    const start = this.control('start');
    this.control('exit').disabled = true;
    this.control('init').disabled = true;
    const run = this.module.runExperiment();
    this.showRun(run);
    const hadFocus = document.activeElement === start;
    start.disabled = true;
    this.control('exit').disabled = false;
    this.control('init').disabled = false;
    // A disabled button drops the focus; pass it on, as the desktop does, to the next one.
    if (hadFocus) this.control('help').focus();
  }

  async onExitClicked() {
    this.chart.exit();  // its replay pauses, not to play behind the exit message
    this.program.cues.play(this.layout.cues.exit);
    const answer = await this.module.ccall('ombrix_exit_message', 'number', [], [],
      { async: true });
    if (answer === 1) this.program.end();
  }

  async onInitClicked() {
    this.program.cues.play(this.layout.cues.command);
    this.control('start').disabled = false;
    this.showRun(null);
    for (const role of /** @type {const} */ (['experimentCount', 'guestCount']))
      this.showCount(this.layout.roles[role], '');
    this.module.clearRun();
    this.chart.init();
    await this.askSettings(kInit);
  }

  onHelpClicked() {
    this.program.cues.play(this.layout.cues.command);
    this.program.helpWindow.show();
  }

  /**
   * Shows a run in the table, with its tooltips, or clears the table.
   * @param {RunResult | null} run
   */
  showRun(run) {
    this.run = run;
    this.layout.cells.forEach((name, bin) => {
      this.showCount(name, run?.cells[bin] ?? '');
      setToolTip(this.controlNamed(name), run?.toolTips[bin]);
    });
    this.showCount(this.layout.roles.average, run?.average ?? '');
    setToolTip(this.control('average'), run?.averageToolTip);
    // An open chart follows the run; a closed one costs the run nothing.
    if (run && this.chart.isOpen) this.chart.run();
  }

  /** Opens the chart of the run, or brings it the focus. */
  showChart() {
    this.chart.open();
  }

  copyTable() {
    if (this.run) navigator.clipboard.writeText(this.run.copied).catch(() => {});
  }

  /**
   * The window's shortcuts, wherever the focus is in it: they wait for a run, as the table's
   * menu does, and the menu keys open that menu at the table.
   * @param {KeyboardEvent} event
   */
  onKeyDown(event) {
    const frame = this.window?.frame;
    if (!frame?.isConnected || this.program.busy || this.program.ended) return;
    if (this.chart.frame.contains(/** @type {Node} */ (event.target))) return;
    const key = moduleKey(event);
    const command = key ? this.module.tableCommand(key.name, key.control) : 'None';
    if (command === 'ShowChart') {
      event.preventDefault();
      this.showChart();
    } else if (command === 'CopyTable' && !document.getSelection()?.toString()) {
      // A selection is copied as the browser copies it; the table otherwise.
      event.preventDefault();
      this.copyTable();
    } else if (event.key === 'ContextMenu' || (event.shiftKey && event.key === 'F10')) {
      event.preventDefault();
      const area = this.layout.tableArea;
      this.menu.open(/** @type {HTMLElement} */ (frame.querySelector('.client')),
        area.left + area.width / 2, area.top + area.height / 2, this.run !== null);
    }
  }
}

/**
 * @param {HTMLElement} control
 * @param {string | undefined} text none to take it away
 */
function setToolTip(control, text) {
  if (text) control.title = text;
  else control.removeAttribute('title');
}
