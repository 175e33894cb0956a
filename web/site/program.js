// SPDX-License-Identifier: GPL-3.0-or-later
// The program: its two windows, their commands and its ending, over the module that holds
// the settings, the experiment and every text.

import { Cues } from './cues.js';
import { Dialogs } from './dialogs.js';
import { buildWindow, control, printLines } from './windows.js';

/** @typedef {import('./ombrix.js').OmbrixModule} OmbrixModule */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */

const kActivation = 0;
const kInit = 1;

export class Program {
  /**
   * @param {OmbrixModule} module
   * @param {HTMLElement} desktop where the windows stand
   * @param {HTMLElement} endedNotice shown, alone, once the program has ended
   */
  constructor(module, desktop, endedNotice) {
    this.module = module;
    this.desktop = desktop;
    this.endedNotice = endedNotice;
    this.mainLayout = module.mainWindow();
    this.helpLayout = module.helpWindow();
    this.dialogs = new Dialogs(module);
    this.cues = new Cues([this.mainLayout.cues.command, this.mainLayout.cues.exit]);
    /** @type {BuiltWindow | null} */
    this.window = null;
    this.busy = false;
    this.ended = false;
    module.page = {
      inputBox: (prompt, title, text) => this.dialogs.inputBox(prompt, title, text),
      messageBox: (prompt, title, style) => this.dialogs.messageBox(prompt, title, style),
      showCount: (label, text) => {
        if (this.window) control(this.window, label).textContent = text;
      },
    };
  }

  start() {
    this.run(() => this.showMainWindow());
  }

  /**
   * Runs one command to its end. A command that waits for a dialog keeps the module
   * suspended in the middle of a call, and a second call into it then would overwrite that
   * call's saved stack: so while one runs, any other is dropped, as the desktop's modal
   * dialogs drop clicks.
   * @param {() => void | Promise<void>} command
   */
  async run(command) {
    if (this.busy || this.ended) return;
    this.busy = true;
    try {
      await command();
    } finally {
      this.busy = false;
    }
  }

  /**
   * Shows a freshly built window in place of the one before it.
   * @param {BuiltWindow} window
   */
  show(window) {
    this.window = window;
    this.desktop.replaceChildren(window.frame);
    document.title = window.frame.getAttribute('aria-label') ?? document.title;
  }

  /** @param {'start' | 'exit' | 'init' | 'help' | 'guestCount' | 'experimentCount' | 'average'} role */
  mainControl(role) {
    return /** @type {HTMLButtonElement} */ (control(/** @type {BuiltWindow} */ (this.window),
      this.mainLayout.roles[role]));
  }

  /** Loads the main window afresh; becoming active, it asks for the settings. */
  showMainWindow() {
    const main = buildWindow(this.mainLayout);
    this.show(main);
    // Tab goes from Experiment Start to Exit, Init and Help, as on the desktop: the buttons
    // stand at their places whatever their order, so they are put last in this one.
    const client = /** @type {HTMLElement} */ (main.frame.querySelector('.client'));
    const tabOrder = /** @type {const} */ (['start', 'exit', 'init', 'help']);
    client.append(...tabOrder.map((role) => this.mainControl(role)));
    const on = (/** @type {Parameters<Program['mainControl']>[0]} */ role,
      /** @type {() => void | Promise<void>} */ command) =>
      this.mainControl(role).addEventListener('click', () => this.run(command));
    on('start', () => this.onStartClicked());
    on('exit', () => this.onExitClicked());
    on('init', () => this.onInitClicked());
    on('help', () => this.onHelpClicked());
    this.mainControl('start').focus();
    return this.askSettings(kActivation);
  }

  /** @param {number} variant */
  async askSettings(variant) {
    const goOn = await this.module.ccall('ombrix_ask_settings', 'number', ['number'], [variant],
      { async: true });
    if (!goOn) this.end();
  }

  onStartClicked() {
    const start = this.mainControl('start');
    const exit = this.mainControl('exit');
    const init = this.mainControl('init');
    exit.disabled = true;
    init.disabled = true;
    const result = this.module.runExperiment();
    this.mainControl('average').textContent = result.average;
    this.mainLayout.cells.forEach((name, bin) => {
      control(/** @type {BuiltWindow} */ (this.window), name).textContent = result.cells[bin];
    });
    const hadFocus = document.activeElement === start;
    start.disabled = true;
    exit.disabled = false;
    init.disabled = false;
    // A disabled button drops the focus; pass it on, as the desktop does, to the next one.
    if (hadFocus) this.mainControl('help').focus();
  }

  async onExitClicked() {
    this.cues.play(this.mainLayout.cues.exit);
    const answer = await this.module.ccall('ombrix_exit_message', 'number', [], [],
      { async: true });
    if (answer === 1) this.end();
  }

  async onInitClicked() {
    this.cues.play(this.mainLayout.cues.command);
    this.mainControl('start').disabled = false;
    for (const name of this.mainLayout.cells)
      control(/** @type {BuiltWindow} */ (this.window), name).textContent = '';
    for (const role of /** @type {const} */ (['experimentCount', 'average', 'guestCount']))
      this.mainControl(role).textContent = '';
    this.module.clearRun();
    await this.askSettings(kInit);
  }

  onHelpClicked() {
    this.cues.play(this.mainLayout.cues.command);
    this.showHelpWindow();
  }

  showHelpWindow() {
    const help = buildWindow(this.helpLayout);
    this.show(help);
    const close = control(help, this.helpLayout.roles.close);
    close.addEventListener('click', () => this.run(() => this.showMainWindow()));
    close.focus();
    printLines(control(help, this.helpLayout.roles.text), this.helpLayout.lines);
  }

  /** Ends the program: every window and sound goes, and the page says how to start again. */
  end() {
    this.ended = true;
    this.window = null;
    this.cues.close();
    this.desktop.replaceChildren();
    this.endedNotice.hidden = false;
    this.endedNotice.querySelector('button')?.focus();
  }
}
