// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window beside the main window: the chart of the last run, or after Init a title
// saying that no run is shown. In a run's chart the coins marker moves by pointer or arrow
// keys, and a bar chosen by pointer or Enter shows one of its meetings in place of the chart,
// the next such one each time, with its replay. Ctrl+C copies what it shows as a picture; Esc
// goes back from a meeting, or else closes it, as its close button does; it belongs to the
// main window and goes with it.

import { coinsAt, drawNoRun, drawRun, placeCoinsMarker } from './chart_drawing.js';
import { drawMeeting } from './meeting_drawing.js';
import { windowFrame } from './windows.js';

/** @typedef {import('./ombrix.js').ChartRecord} ChartRecord */
/** @typedef {import('./ombrix.js').ChartWindowLayout} ChartWindowLayout */
/** @typedef {import('./ombrix.js').MeetingRecord} MeetingRecord */
/** @typedef {Pick<import('./ombrix.js').OmbrixModule, 'nextMeeting' | 'replayMeeting'>}
 *  Meetings */

/** A replay draws any meeting in this long, whatever its guests. */
const kReplayMs = 4000;
/** While it plays, a screen reader is told its status no more often than this. */
const kSayEveryMs = 1000;

export class ChartWindow {
  /**
   * @param {ChartWindowLayout} layout
   * @param {HTMLElement} desktop where it stands, after the main window
   * @param {Meetings} meetings the last run's meetings, from the module
   */
  constructor(layout, desktop, meetings) {
    this.layout = layout;
    this.desktop = desktop;
    this.meetings = meetings;
    /** @type {HTMLElement | null} the frame while it is open */
    this.frame = null;
    /** @type {HTMLElement | null} what had the focus before it opened */
    this.opener = null;
    /** @type {ChartRecord | null} the run shown */
    this.run = null;
    this.coins = 0;
    /** The bar the bars' keys have chosen. */
    this.chosenBar = 0;
    /** @type {Map<number, number>} the last meeting shown of each value, for the next one */
    this.lastShown = new Map();
    /** @type {MeetingRecord | null} the meeting shown in place of the chart */
    this.meeting = null;
    /** @type {{ show: (guests: number, status: string) => void } | null} its drawing */
    this.walk = null;
    /** The replay: the guests shown, and while it plays its frame, when it started and from
     *  how many guests, and when it last spoke. */
    this.replay = { guests: 0, frame: 0, since: 0, from: 0, said: 0 };
  }

  get isOpen() {
    return this.frame !== null && this.frame.isConnected;
  }

  /**
   * Shows the chart of a run, opening the window if need be, or brings it the focus where it
   * shows that run already (the main window shows it each new run), as it stands: the coins
   * marker where it was, a meeting and its replay going on.
   * @param {ChartRecord} run
   */
  open(run) {
    if (!this.isOpen) {
      this.opener = /** @type {HTMLElement | null} */ (document.activeElement);
      this.frame = this.build();
      this.desktop.append(this.frame);
    }
    if (!this.run) this.showRun(run);
    this.part(this.meeting ? '.replay' : '.bars').focus();
  }

  /**
   * Shows the chart of a new run, if the window is open, its coins marker at the theory's
   * 95 % and the tallest bar chosen.
   * @param {ChartRecord} run
   */
  showRun(run) {
    if (!this.isOpen) return;
    this.run = run;
    this.coins = run.coinsByTheory;
    this.chosenBar = run.observed.indexOf(Math.max(...run.observed));
    this.lastShown.clear();
    this.showDistribution();
  }

  /** After Init: no bars, axes or legend, only a title saying that no run is shown. */
  showNoRun() {
    if (!this.isOpen) return;
    this.run = null;
    this.leaveMeeting();
    this.show(drawNoRun(this.layout.noRun.title), this.layout.noRun);
  }

  /** Closes it, giving the focus back to where it came from. */
  close() {
    this.leaveMeeting();
    this.run = null;
    if (!this.isOpen) return;
    const hadFocus = this.frame?.contains(document.activeElement);
    this.frame?.remove();
    this.frame = null;
    if (hadFocus && this.opener?.isConnected) this.opener.focus();
  }

  /** The chart: a group for a screen reader, with its name and description. */
  figure() {
    return /** @type {HTMLElement} */ (this.frame?.querySelector('.chart-figure'));
  }

  /**
   * @param {string} selector
   * @returns {HTMLElement}
   */
  part(selector) {
    return /** @type {HTMLElement} */ (this.frame?.querySelector(selector));
  }

  /** The run's chart again, with its bars and coins marker as they were. */
  showDistribution() {
    const run = /** @type {ChartRecord} */ (this.run);
    this.leaveMeeting();
    const svg = drawRun(run, this.layout, this.layout.name);
    this.show(svg, run);
    const bars = /** @type {SVGGElement} */ (svg.querySelector('.bars'));
    bars.addEventListener('click', (event) => {
      const choice = /** @type {Element} */ (event.target).closest('.choice');
      if (!choice) return;
      this.chooseBar(Number(choice.getAttribute('data-bar')));
      this.showMeeting();
    });
    bars.addEventListener('keydown', (event) => {
      const last = run.observed.length - 1;
      const to = { ArrowLeft: this.chosenBar - 1, ArrowRight: this.chosenBar + 1, Home: 0,
        End: last }[event.key];
      if (to !== undefined) this.chooseBar(Math.min(last, Math.max(0, to)));
      else if (event.key === 'Enter' || event.key === ' ') this.showMeeting();
      else return;
      event.preventDefault();
    });
    this.chooseBar(this.chosenBar);

    const marker = /** @type {SVGGElement} */ (svg.querySelector('.coins-marker'));
    marker.addEventListener('keydown', (event) => {
      // More coins stand further left: Left, as Up, adds one, and the marker goes its way.
      const to = { ArrowLeft: this.coins + 1, ArrowUp: this.coins + 1,
        ArrowRight: this.coins - 1, ArrowDown: this.coins - 1, PageUp: this.coins + 5,
        PageDown: this.coins - 5, Home: 0, End: run.mostCoins }[event.key];
      if (to === undefined) return;
      event.preventDefault();
      this.moveCoins(to);
    });
    // A drag holds the pointer until it lets go; the marker follows it a whole coin at a time.
    const follow = (/** @type {PointerEvent} */ event) => {
      const at = new DOMPoint(event.clientX, event.clientY)
        .matrixTransform(svg.getScreenCTM()?.inverse());
      this.moveCoins(coinsAt(run, at.x));
    };
    marker.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      marker.focus();
      marker.setPointerCapture(event.pointerId);
      follow(event);
    });
    marker.addEventListener('pointermove', (event) => {
      if (marker.hasPointerCapture(event.pointerId)) follow(event);
    });
    this.moveCoins(this.coins);
  }

  /**
   * Moves the coins marker, within 0 to the run's mostCoins.
   * @param {number} coins
   */
  moveCoins(coins) {
    const run = /** @type {ChartRecord} */ (this.run);
    this.coins = Math.min(run.mostCoins, Math.max(0, coins));
    placeCoinsMarker(/** @type {SVGSVGElement} */ (this.figure().querySelector('svg')), run,
      this.coins);
    this.part(`#${this.layout.name}-coins-description`).textContent =
      run.coinsMarkerDescriptions[this.coins];
  }

  /** @param {number} bar */
  chooseBar(bar) {
    const bars = this.part('.bars');
    bars.querySelector('[aria-selected="true"]')?.setAttribute('aria-selected', 'false');
    const chosen = /** @type {Element} */ (bars.querySelector(`[data-bar="${bar}"]`));
    chosen.setAttribute('aria-selected', 'true');
    bars.setAttribute('aria-activedescendant', chosen.id);
    this.chosenBar = bar;
  }

  /**
   * Shows in place of the chart the next meeting whose lowest balance is the chosen bar's,
   * after the last one shown of it; nothing for a bar without one.
   */
  showMeeting() {
    const run = /** @type {ChartRecord} */ (this.run);
    const value = run.lowestValue + this.chosenBar;
    const next = this.meetings.nextMeeting(value, this.lastShown.get(value) ?? 0);
    const meeting = next === null ? null : this.meetings.replayMeeting(next);
    if (!meeting) return;
    this.lastShown.set(value, meeting.experiment);
    this.meeting = meeting;
    const walk = drawMeeting(meeting, this.layout);
    this.walk = walk;
    this.show(walk.svg, meeting);
    this.part('.chart-commands').hidden = false;
    this.showGuests(meeting.guestCount);
    this.part('.replay').focus();
  }

  /** Stops any replay, and leaves the meeting's commands out of sight and out of reach. */
  leaveMeeting() {
    this.stopReplay();
    this.meeting = null;
    this.walk = null;
    if (this.isOpen) this.part('.chart-commands').hidden = true;
  }

  /** Back from a meeting to the chart, the bars taking the focus. */
  back() {
    this.showDistribution();
    this.part('.bars').focus();
  }

  /**
   * Shows the walk up to `guests` and says where it stands: at once to the eye, and to a
   * screen reader when `say` asks it to.
   * @param {number} guests
   * @param {boolean} [say]
   */
  showGuests(guests, say = false) {
    this.replay.guests = guests;
    this.walk?.show(guests, /** @type {MeetingRecord} */ (this.meeting).statuses[guests]);
    if (say) this.say();
  }

  say() {
    this.replay.said = performance.now();
    this.part('.replay-said').textContent =
      /** @type {MeetingRecord} */ (this.meeting).statuses[this.replay.guests];
  }

  get playing() {
    return this.replay.frame !== 0;
  }

  /**
   * The replay's one button: Replay from the first guest once it has ended, or before it has
   * begun; else Pause while it plays and Resume while it waits.
   */
  onReplayClicked() {
    const guestCount = /** @type {MeetingRecord} */ (this.meeting).guestCount;
    if (this.playing) this.pauseReplay();
    else this.play(this.replay.guests >= guestCount ? 0 : this.replay.guests);
  }

  /** @param {number} from the guests already shown */
  play(from) {
    this.replay = { ...this.replay, since: performance.now(), from };
    this.showGuests(from, true);
    this.replay.frame = requestAnimationFrame((time) => this.onFrame(time));
    this.labelReplay();
  }

  /** One frame of a replay: as many more guests as the time since it started gives. */
  onFrame(/** @type {number} */ time) {
    const meeting = /** @type {MeetingRecord} */ (this.meeting);
    if (!this.isOpen) return this.stopReplay();
    const { since, from, said } = this.replay;
    const guests = Math.min(meeting.guestCount,
      from + Math.floor(Math.max(0, time - since) * meeting.guestCount / kReplayMs));
    if (guests >= meeting.guestCount) {
      this.replay.frame = 0;
      this.showGuests(guests, true);
      this.labelReplay();
      return undefined;
    }
    if (guests !== this.replay.guests) this.showGuests(guests, time - said >= kSayEveryMs);
    this.replay.frame = requestAnimationFrame((next) => this.onFrame(next));
    return undefined;
  }

  pauseReplay() {
    this.stopReplay();
    this.say();
    this.labelReplay();
  }

  /** Cancels the replay's next frame, where the walk stands. */
  stopReplay() {
    const stopped = this.playing;
    cancelAnimationFrame(this.replay.frame);
    this.replay.frame = 0;
    if (stopped && this.meeting) this.labelReplay();
  }

  /** Steps the replay by one guest, pausing it; from a finished one, back to the first. */
  stepReplay() {
    const guestCount = /** @type {MeetingRecord} */ (this.meeting).guestCount;
    this.stopReplay();
    const guests = this.replay.guests >= guestCount ? 1 : this.replay.guests + 1;
    this.showGuests(guests, true);
    this.labelReplay();
  }

  labelReplay() {
    const { guests } = this.replay;
    const guestCount = /** @type {MeetingRecord} */ (this.meeting).guestCount;
    const { replay, pause, resume } = this.layout;
    this.part('.replay').textContent =
      this.playing ? pause : guests >= guestCount ? replay : resume;
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
    figure.setAttribute('role', 'group');
    figure.tabIndex = -1;
    const spoken = (/** @type {string} */ id) => {
      const words = document.createElement('p');
      words.className = 'spoken';
      words.id = `${name}-${id}`;
      return words;
    };
    const description = spoken('description');
    figure.setAttribute('aria-describedby', description.id);

    // A meeting's commands, under it: its replay and the way back.
    const commands = document.createElement('div');
    commands.className = 'chart-commands';
    commands.hidden = true;
    const button = (/** @type {string} */ className, /** @type {string} */ caption) => {
      const made = document.createElement('button');
      made.type = 'button';
      made.className = className;
      made.textContent = caption;
      return made;
    };
    const replay = button('replay', this.layout.replay);
    replay.addEventListener('click', () => this.onReplayClicked());
    replay.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowRight') return;
      event.preventDefault();
      this.stepReplay();
    });
    const back = button('back', this.layout.back);
    back.addEventListener('click', () => this.back());
    const said = spoken('replay-said');
    said.classList.add('replay-said');
    said.setAttribute('aria-live', 'polite');
    commands.append(replay, back, said);
    client.append(figure, commands, description, spoken('coins-description'));
    frame.append(client);
    frame.addEventListener('keydown', (event) => {
      if (this.meeting && (event.key === 'Escape' || event.key === 'Backspace')) this.back();
      else if (event.key === 'Escape') this.close();
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
    // The focus on a part that goes stays in the window.
    const hadFocus = figure.contains(document.activeElement);
    figure.replaceChildren(drawing);
    if (hadFocus) figure.focus();
    figure.setAttribute('aria-label', words.name);
    this.part(`#${this.layout.name}-description`).textContent = words.description;
  }

  /**
   * Puts what it shows on the clipboard as a PNG picture, at twice its size for sharpness.
   * The picture is made while the clipboard waits for it, as some browsers ask of a copy.
   */
  copyPicture() {
    const drawing = /** @type {SVGSVGElement} */ (this.figure().querySelector('svg'));
    const size = drawing.viewBox.baseVal;
    const picture = (async () => {
      const image = new Image();
      image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(
        new XMLSerializer().serializeToString(drawing))}`;
      await image.decode();
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
