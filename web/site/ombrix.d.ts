// SPDX-License-Identifier: GPL-3.0-or-later
// What the WebAssembly module (ombrix.js, built from the C++ core) gives the page.

/** The pixels a control or a client area covers: its twips divided by 15 (a line: 1 px high). */
export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export type ControlKind = 'button' | 'label' | 'line' | 'picture' | 'media' | 'text';

export interface ControlRecord {
  kind: ControlKind;
  name: string;
  caption: string;
  rect: Rect;
  points: number;
  bold: boolean;
  background: 'button-face' | 'white' | 'light-cyan';
  border: 'sunken' | 'flat' | 'none';
  topLeft: boolean;
  /** What a screen reader says of it, for a label whose text says too little; else empty. */
  spoken: string;
}

export interface WindowLayout<Roles extends string = string> {
  name: string;
  caption: string;
  rect: Rect;
  points: number;
  bold: boolean;
  controls: ControlRecord[];
  /** The object names of the controls the window's commands use, by role. */
  roles: Record<Roles, string>;
}

export interface MainWindowLayout
  extends WindowLayout<'start' | 'exit' | 'init' | 'help' | 'guestCount' | 'experimentCount' | 'average'> {
  /** The count cells' object names, bin 1 first. */
  cells: string[];
  /** The sound files: `command` for Init and Help, `exit` for Exit. */
  cues: { command: string; exit: string };
  /** The table, whose right click opens its menu. */
  tableArea: Rect;
  /** The table's menu: Show chart, then Copy table. */
  menu: { name: string; caption: string; shortcut: string }[];
}

export interface HelpWindowLayout extends WindowLayout<'close' | 'text'> {
  lines: string[];
}

export interface RunResult {
  average: string;
  /** Bin 1 first, as are the arrays below. */
  cells: string[];
  /** Each cell's observed and expected count. */
  toolTips: string[];
  averageToolTip: string;
  /** The table as tab-separated text, for the clipboard. */
  copied: string;
}

/** The chart's words: its title, and its name and description for a screen reader. */
export interface ChartWords {
  title: string;
  name: string;
  description: string;
}

export interface ChartRecord extends ChartWords {
  /** The value of the first bar; the last one is +1. */
  lowestValue: number;
  /** Each bar's experiments, from the lowest value up. */
  observed: number[];
  /** The experiments theory expects at each bar. */
  expected: number[];
  /** The count axis: from 0 to countTop, labelled every countStep. */
  countTop: number;
  countStep: number;
  /** The shortage axis is labelled on the multiples of this. */
  valueLabelStep: number;
  /** The coins that cover 95 % of experiments, by this run and by theory, and their legends. */
  coinsByRun: number;
  coinsByTheory: number;
  coinsByRunLegend: string;
  coinsByTheoryLegend: string;
  /** The coins marker moves from 0 to these, which see every bar through. */
  mostCoins: number;
  /** What the coins marker says, and what a screen reader says of it, at each number of coins. */
  coinsMarkerTexts: string[];
  coinsMarkerDescriptions: string[];
  /** Each bar's tooltip: its experiments, and whether it has a meeting to show. */
  barToolTips: string[];
}

/** One meeting of the last run, drawn again. */
export interface MeetingRecord {
  /** 1 to the run's experiments, in the order the run drew them. */
  experiment: number;
  guestCount: number;
  /** The coin balance after guest 1, 2, ... */
  balances: number[];
  lowest: number;
  /** The first guest after whom the balance was `lowest`. */
  lowestGuest: number;
  caption: string;
  /** What a screen reader calls the drawing, and says of it. */
  name: string;
  description: string;
  /** Beside the lowest point. */
  lowestLabel: string;
  /** What a replay says after 0, 1, ... guests. */
  statuses: string[];
  /** The ticks of the guest and balance axes. */
  guestStep: number;
  balanceStep: number;
}

export interface ChartWindowLayout {
  name: string;
  caption: string;
  /** Its client area's size in CSS pixels. */
  size: { width: number; height: number };
  valueAxis: string;
  countAxis: string;
  /** The series' names in the legend. */
  observed: string;
  expected: string;
  /** Its words after Init, when no run is shown. */
  noRun: ChartWords;
  /** The names of the coins marker and of the bars, for a screen reader. */
  coinsMarker: string;
  bars: string;
  /** A meeting's axes and commands. */
  guestAxis: string;
  balanceAxis: string;
  replay: string;
  pause: string;
  resume: string;
  back: string;
}

/** What the module asks of the page: its dialogs, and the labels that show the counts. */
export interface PageDialogs {
  inputBox(prompt: string, title: string, defaultText: string): Promise<string>;
  messageBox(prompt: string, title: string, style: number): Promise<number>;
  showCount(label: string, text: string): void;
}

export interface OmbrixModule {
  page: PageDialogs;
  mainWindow(): MainWindowLayout;
  helpWindow(): HelpWindowLayout;
  inputBox(): WindowLayout<'prompt' | 'answer' | 'ok' | 'cancel'>;
  messageBox(): WindowLayout<'prompt' | 'ok'>;
  /**
   * What a screen reader says of the main window's label `name` showing `text`: "shortage -3:
   * 120 experiments", "Number of guests: 100"; empty for a label whose text says it all.
   */
  spoken(name: string, text: string): string;
  chartWindow(): ChartWindowLayout;
  runExperiment(): RunResult;
  /** The chart of the last run; null after Init. */
  runChart(): ChartRecord | null;
  clearRun(): void;
  /**
   * The next experiment of the last run after `after` (0: from the first) whose shortage is
   * `value`, wrapping round; null when none had it.
   */
  nextMeeting(value: number, after: number): number | null;
  /** Experiment `experiment` of the last run drawn again; null without a run. */
  replayMeeting(experiment: number): MeetingRecord | null;
  /** The words of the message box that reports an error escaping a command. */
  runTimeError(what: string): { prompt: string; title: string };
  ccall(name: string, returnType: 'number', argumentTypes: 'number'[], args: number[],
        options: { async: true }): Promise<number>;
}

export default function createOmbrix(options?: object): Promise<OmbrixModule>;
