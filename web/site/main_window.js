// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the settings, the frequency table, the average and the four commands.

import { buildWindow, control } from './windows.js';

/** @typedef {import('./program.js').Program} Program */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */
/** @typedef {keyof import('./ombrix.js').MainWindowLayout['roles']} Role */

const kActivation = 0;
const kInit = 1;

export class MainWindow {
  /** @param {Program} program */
  constructor(program) {
    this.program = program;
    this.module = program.module;
    this.layout = program.module.mainWindow();
    /** @type {BuiltWindow | null} the last one built */
    this.window = null;
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
   * Shows an accepted count in its label.
   * @param {string} label
   * @param {string} text
   */
  showCount(label, text) {
    this.controlNamed(label).textContent = text;
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
    const result = this.module.runExperiment();
    this.control('average').textContent = result.average;
    this.layout.cells.forEach((name, bin) => {
      this.controlNamed(name).textContent = result.cells[bin];
    });
    const hadFocus = document.activeElement === start;
    start.disabled = true;
    this.control('exit').disabled = false;
    this.control('init').disabled = false;
    // A disabled button drops the focus; pass it on, as the desktop does, to the next one.
    if (hadFocus) this.control('help').focus();
  }

  async onExitClicked() {
    this.program.cues.play(this.layout.cues.exit);
    const answer = await this.module.ccall('ombrix_exit_message', 'number', [], [],
      { async: true });
    if (answer === 1) this.program.end();
  }

  async onInitClicked() {
    this.program.cues.play(this.layout.cues.command);
    this.control('start').disabled = false;
    for (const name of this.layout.cells) this.controlNamed(name).textContent = '';
    for (const role of /** @type {const} */ (['experimentCount', 'average', 'guestCount']))
      this.control(role).textContent = '';
    this.module.clearRun();
    await this.askSettings(kInit);
  }

  onHelpClicked() {
    this.program.cues.play(this.layout.cues.command);
    this.program.helpWindow.show();
  }
}
