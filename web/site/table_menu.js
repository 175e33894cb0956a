// SPDX-License-Identifier: GPL-3.0-or-later
// The table's menu: a small pop-up menu, opened by a right click on the table or by the menu
// keys, with the arrow keys, Enter and Esc as in any menu. A page's own menu, since a
// browser's context menu cannot be given commands; it stands over the page, outside a window
// that is scaled down, so that its items keep their size.

import { popUpAt } from './screen_fit.js';

/**
 * A command of the menu, by its object name; one that switches the language is named in that
 * language, which a screen reader is told.
 * @typedef {{ name: string, caption: string, shortcut: string, language?: string,
 *   run: () => void }} MenuItem
 */

export class TableMenu {
  /**
   * @param {MenuItem[]} items
   * @param {string} name what a screen reader calls it
   * @param {(item: MenuItem) => boolean} isEnabled whether a command can be carried out now
   * @param {HTMLElement} page where it stands, over the windows, placed in the document
   */
  constructor(items, name, isEnabled, page) {
    this.items = items;
    this.name = name;
    this.page = page;
    this.isEnabled = isEnabled;
    /** @type {HTMLElement | null} the menu while it is open */
    this.menu = null;
    /** @type {HTMLElement | null} what had the focus before it opened */
    this.opener = null;
    this.closeOnOutside = (/** @type {Event} */ event) => {
      if (!this.menu?.contains(/** @type {Node} */ (event.target))) this.close();
    };
  }

  get isOpen() {
    return this.menu !== null;
  }

  /**
   * Opens the menu at a point of the layout viewport.
   * @param {number} x
   * @param {number} y
   */
  open(x, y) {
    this.close();
    this.opener = /** @type {HTMLElement | null} */ (document.activeElement);
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', this.name);
    const buttons = this.items.map((item) => {
      const enabled = this.isEnabled(item);
      const button = document.createElement('button');
      button.type = 'button';
      button.setAttribute('role', 'menuitem');
      button.tabIndex = -1;
      button.setAttribute('aria-keyshortcuts', item.shortcut.replace('Ctrl', 'Control'));
      if (!enabled) button.setAttribute('aria-disabled', 'true');
      if (item.language) button.lang = item.language;
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      shortcut.textContent = item.shortcut;
      button.append(item.caption, shortcut);
      button.addEventListener('click', () => {
        if (!enabled) return;
        this.close();
        item.run();
      });
      return button;
    });
    menu.append(...buttons);
    menu.addEventListener('keydown', (event) => this.onKeyDown(event, buttons));
    this.page.append(menu);
    popUpAt(menu, x, y);  // kept on the screen
    this.menu = menu;
    document.addEventListener('pointerdown', this.closeOnOutside, true);
    buttons[0].focus();
  }

  /**
   * @param {KeyboardEvent} event
   * @param {HTMLButtonElement[]} buttons
   */
  onKeyDown(event, buttons) {
    const at = buttons.indexOf(/** @type {HTMLButtonElement} */ (document.activeElement));
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: buttons.length - 1 };
    if (event.key in moves) {
      const to = moves[/** @type {keyof moves} */ (event.key)];
      buttons[(to + buttons.length) % buttons.length].focus();
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      this.close();
    } else {
      return;  // Enter and Space press the focused item
    }
    event.preventDefault();
    event.stopPropagation();
  }

  /** Closes it, giving the focus back to where it came from. */
  close() {
    if (!this.menu) return;
    const hadFocus = this.menu.contains(document.activeElement);
    this.menu.remove();
    this.menu = null;
    document.removeEventListener('pointerdown', this.closeOnOutside, true);
    if (hadFocus && this.opener?.isConnected) this.opener.focus();
  }
}
