// SPDX-License-Identifier: GPL-3.0-or-later
// The program: forwards what happens on the page to the module's commands, and carries out the
// effects they give back with the DOM and <dialog>: which window is loaded, the dialogs, the
// controls' texts and states, the cues, the chart and the ending.

import { measure } from './chart_drawing.js';
import { ChartWindow } from './chart_window.js';
import { Cues } from './cues.js';
import { Dialogs } from './dialogs.js';
import { pressOneButtonPerKey } from './keys.js';
import { MainWindow } from './main_window.js';
import { showLanguage } from './languages.js';
import { fitToWidth } from './screen_fit.js';
import { buildWindow, control, printLines, relabelWindow, showText } from './windows.js';

/** @typedef {import('./ombrix.js').OmbrixModule} OmbrixModule */
/** @typedef {import('./ombrix.js').Effect} Effect */
/** @typedef {import('./ombrix.js').ProgramWindow} ProgramWindow */
/** @typedef {import('./windows.js').BuiltWindow} BuiltWindow */

/**
 * Tells a screen reader `words` through the page's polite live region, emptied first so that
 * the same words as last time are told again.
 * @param {string} words
 */
function announce(words) {
  const region = /** @type {HTMLElement} */ (document.getElementById('announced'));
  region.textContent = '';
  requestAnimationFrame(() => { region.textContent = words; });
}

export class Program {
  /**
   * @param {OmbrixModule} module
   * @param {HTMLElement} desktop where the loaded window stands
   * @param {HTMLElement} endedNotice shown, alone, once the program has ended
   */
  constructor(module, desktop, endedNotice) {
    this.module = module;
    this.desktop = desktop;
    this.endedNotice = endedNotice;
    this.dialogs = new Dialogs(module);
    this.layouts = Program.layoutsOf(module);
    const { cues } = this.layouts.Main;
    this.cues = new Cues([cues.command, cues.exit]);
    const chartWindow = module.chartWindow(measure);
    // The table's cells share the bars' light cyan.
    document.documentElement.style.setProperty('--light-cyan', chartWindow.lightCyan);
    this.chart = new ChartWindow(chartWindow, desktop, module,
      (command) => this.forward(() => module.chartCommand(command)));
    this.mainWindow = new MainWindow(this);
    pressOneButtonPerKey();
    /** @type {{ name: ProgramWindow, window: BuiltWindow } | null} */
    this.loaded = null;
  }

  /**
   * The windows' layouts, with their words in the current language.
   * @param {OmbrixModule} module
   */
  static layoutsOf(module) {
    return { Main: module.mainWindow(), Help: module.helpWindow() };
  }

  start() {
    this.forward(() => this.module.startUp());
  }

  /**
   * Hands one event to the commands and carries out its effects. Nothing inside the program
   * traps errors: one that escapes is reported by the commands, and the program ends.
   * @param {() => Effect[]} event
   */
  forward(event) {
    try {
      this.carry(event());
    } catch (error) {
      this.carry(this.module.failed(error instanceof Error ? error.message : String(error)));
    }
  }

  /**
   * Carries out effects in their order; a load's activation and a yield's answer come next.
   * @param {Effect[]} effects
   */
  carry(effects) {
    while (effects.length > 0) effects = effects.flatMap((effect) => this.carryOne(effect));
  }

  /**
   * @param {Effect} effect
   * @returns {Effect[]} what follows at once
   */
  carryOne(effect) {
    const { module } = this;
    switch (effect.kind) {
      case 'Load':
        this.load(effect.window);
        return module.activated(effect.window);  // at once: the window is the active one
      case 'Unload':
        this.mainWindow.menu.close();  // it stands over the page, not in the window
        this.loaded?.window.frame.remove();
        this.loaded = null;
        break;
      case 'AskText':
        this.dialogs.inputBox(effect.text, effect.title, effect.defaultText)
          .then((answer) => this.forward(() => module.textAnswered(answer)));
        break;
      case 'AskOk':
        this.dialogs.messageBox(effect.text, effect.title)
          .then((button) => this.forward(() => module.okAnswered(button)));
        break;
      case 'Yield':
        // Within one handler no event is pending; between a sweep's runs, the page's input
        // and drawing come first.
        if (!effect.on) return module.resumed();
        setTimeout(() => this.forward(() => module.resumed()));
        break;
      case 'RunExperiment':
        return module.runExperiment();
      case 'SetText':
        showText(this.control(effect.control), effect.text,
          module.spoken(effect.control, effect.text));
        break;
      case 'SetToolTip':
        if (effect.text) this.control(effect.control).title = effect.text;
        else this.control(effect.control).removeAttribute('title');
        break;
      case 'Enable':
        this.enable(effect.control, effect.on);
        break;
      case 'Busy':
        this.loaded?.window.frame.classList.toggle('busy', effect.on);
        break;
      case 'PlayCue':
        this.cues.play(effect.text);
        break;
      case 'PrintHelp':
        printLines(this.control(this.layouts.Help.roles.text), this.layouts.Help.lines);
        break;
      case 'Chart':
        this.chart.tell(effect.call);
        break;
      case 'CopyText':
        navigator.clipboard.writeText(effect.text).catch(() => {});
        break;
      case 'OpenTableMenu':
        this.mainWindow.openMenuAtTable();
        break;
      case 'Announce':
        announce(effect.text);
        break;
      case 'End':
        this.end();
        break;
      case 'Relabel':
        this.relabel(effect.text);
        break;
    }
    return [];
  }

  /**
   * Builds a window afresh from its layout, its buttons telling the commands of their clicks.
   * @param {ProgramWindow} name
   */
  load(name) {
    const layout = this.layouts[name];
    const window = buildWindow(layout);
    this.loaded = { name, window };
    this.desktop.append(window.frame);
    fitToWidth(window.frame);
    document.title = layout.caption;
    for (const [id, element] of window.controls) {
      if (element instanceof HTMLButtonElement)
        element.addEventListener('click', () => this.forward(() => this.module.clicked(name, id)));
    }
    if (name === 'Main') this.mainWindow.attach(window);
    control(window, layout.tabOrder[0]).focus();
  }

  /** @param {string} name */
  control(name) {
    return control(/** @type {BuiltWindow} */ (this.loaded?.window), name);
  }

  /**
   * A button, or a command of the table's menu. A focused button that is disabled passes the
   * focus on to the next one in the tab order that takes it, as the desktop's do.
   * @param {string} name
   * @param {boolean} on
   */
  enable(name, on) {
    const button = this.loaded?.window.controls.get(name);
    if (!(button instanceof HTMLButtonElement)) {
      this.mainWindow.enableCommand(name, on);
      return;
    }
    const hadFocus = document.activeElement === button;
    button.disabled = !on;
    if (!hadFocus || on || !this.loaded) return;
    const { window, name: loaded } = this.loaded;
    const order = this.layouts[loaded].tabOrder.map((id) => control(window, id));
    const at = order.indexOf(button);
    const next = [...order.slice(at + 1), ...order.slice(0, at)]
      .find((element) => !(element instanceof HTMLButtonElement) || !element.disabled);
    next?.focus();
  }

  /**
   * Shows the words afresh in `language`, which the commands have switched to: the page's
   * own, the loaded window's and the table menu's. A run's texts and the chart follow.
   * @param {string} language
   */
  relabel(language) {
    showLanguage(language);
    this.layouts = Program.layoutsOf(this.module);
    this.mainWindow.relabel(this.layouts.Main);
    if (!this.loaded) return;
    const layout = this.layouts[this.loaded.name];
    relabelWindow(this.loaded.window, layout);
    document.title = layout.caption;
  }

  /** Ends the program: every window and sound goes, and the page says how to start again. */
  end() {
    this.cues.close();
    this.chart.close();
    this.mainWindow.menu.close();
    this.loaded = null;
    this.desktop.replaceChildren();
    this.endedNotice.hidden = false;
    this.endedNotice.querySelector('button')?.focus();
  }
}
