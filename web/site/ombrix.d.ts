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
  /** A text box that asks for a number. */
  number: boolean;
  /** What a screen reader says of it, for a label whose text says too little; else empty. */
  spoken: string;
  /** Its tooltip until a command sets another; empty for none. */
  toolTip: string;
}

export interface WindowLayout {
  name: string;
  caption: string;
  rect: Rect;
  points: number;
  bold: boolean;
  /** The controls that take the focus, in the order Tab goes; the first has it at loading. */
  tabOrder: string[];
  controls: ControlRecord[];
}

/** A window whose code finds some controls: their object names, by role. */
export interface RoledLayout<Roles extends string> extends WindowLayout {
  roles: Record<Roles, string>;
}

export interface MainWindowLayout extends WindowLayout {
  /** The sound files: `command` for Init and Help, `exit` for Exit. */
  cues: { command: string; exit: string };
  /** The table, whose right click opens its menu. */
  tableArea: Rect;
  /**
   * The table as a screen reader reads it: a row of headers over each row of counts, by the
   * labels' object names, the row's caption first.
   */
  table: { name: string; rows: { headers: boolean; names: string[] }[] };
  /**
   * The table's menu: Show chart, Copy table, and the next language in its own words. A
   * command that switches the language names it (`language`); the others wait for a run.
   */
  menu: { name: string; caption: string; shortcut: string; waitsForRun: boolean;
    language: string }[];
  /** What a screen reader calls the table's menu. */
  menuName: string;
}

export interface HelpWindowLayout extends RoledLayout<'text'> {
  lines: string[];
}

export interface ChartWindowRecord {
  name: string;
  caption: string;
  /** Its client area's size in CSS pixels, as it opens. */
  size: { width: number; height: number };
  /** The least its drawing is laid out at, in CSS pixels. */
  smallest: { width: number; height: number };
  /** The name of the coins marker, for a screen reader. */
  coinsMarker: string;
  /** A meeting's Back button, and the keys that do as it does. */
  back: string;
  backKeys: string;
  /** A meeting's Step button, and the key that does as it does: "Right". */
  step: string;
  stepKeys: string;
  /** The coins against the guests' button that clears their points. */
  clear: string;
  /** The page's close button: its name, and its tooltip with the keys that close it. */
  close: string;
  closeTip: string;
  /** The bars' fill, which the main window's table shares, as CSS writes a colour. */
  lightCyan: string;
  /** The size of the replay's buttons' words, in CSS pixels. */
  buttonPixels: number;
}

/** How a line is drawn: a CSS colour, a width in pixels and a dash ("8 4"; empty: solid). */
export interface Stroked {
  stroke: string;
  strokeWidth: number;
  dash: string;
}

/** A box in the drawing's pixels, from its top-left corner. */
export interface ChartBox {
  x: number;
  y: number;
  width: number;
  height: number;
}

/** What a shape shows, as the drawn element's class: "bar chosen", "marker by-run". */
interface Shaped {
  role: string;
}

export interface LineShape extends Shaped, Stroked {
  kind: 'line';
  x1: number;
  y1: number;
  x2: number;
  y2: number;
}

/** Joined straight lines through "x,y x,y ...", not closed. */
export interface PathShape extends Shaped, Stroked {
  kind: 'path';
  points: string;
}

/** Its edge is drawn where strokeWidth is more than 0. */
export interface RectShape extends Shaped, Stroked {
  kind: 'rect';
  box: ChartBox;
  fill: string;
  radius: number;
}

export interface CircleShape extends Shaped {
  kind: 'circle';
  cx: number;
  cy: number;
  r: number;
  fill: string;
  /** Its edge, of strokeWidth 0 for none. */
  stroke: string;
  strokeWidth: number;
  dash: string;
}

/** A line of text whose point is the middle of its height; upright: turned a quarter left. */
export interface TextShape extends Shaped {
  kind: 'text';
  text: string;
  x: number;
  y: number;
  pixels: number;
  bold: boolean;
  fill: string;
  anchor: 'start' | 'middle' | 'end';
  upright: boolean;
}

export type ChartShape = LineShape | PathShape | RectShape | CircleShape | TextShape;

/** A bar or a point a student can choose: the band that takes a pointer, and what its tooltip
 * says. */
export interface ChartChoice {
  bar: number;
  value: number;
  band: ChartBox;
  toolTip: string;
}

/** What the chart draws, back to front; bars[k] is the bar of choices[k]. */
export interface ChartScene {
  width: number;
  height: number;
  back: ChartShape[];
  bars: ChartShape[];
  choices: ChartChoice[];
  marker: ChartShape[];
  front: ChartShape[];
  /** Drawn only while the bars have the focus. */
  focus: ChartShape[];
}

export type ChartState = 'closed' | 'no-run' | 'distribution' | 'meeting' | 'replaying' | 'paused'
  | 'coverage';

/** What the chart shows now, and its words. */
export interface ChartView {
  state: ChartState;
  /** Whether a meeting is shown in place of the distribution, with its commands. */
  inMeeting: boolean;
  scene: ChartScene;
  /** What a screen reader calls the drawing, and says of it. */
  name: string;
  description: string;
  /** The coins marker as a slider of -coins, from leastMarkerValue to 0; its text, and what a
   * screen reader says of it. */
  markerValue: number;
  leastMarkerValue: number;
  coinsText: string;
  coinsDescription: string;
  /** -1 for none. */
  chosenBar: number;
  /** The chosen bar's tooltip; empty for none. */
  chosenToolTip: string;
  /** The replay's one button: Replay, Pause or Resume. */
  replayCaption: string;
  /** While it runs, the replay asks for frames. */
  clockRunning: boolean;
  /** What a screen reader calls the bars, or the points of the coins against the guests. */
  itemsName: string;
  /** The sweep's button: Run 10 to 1000 guests, or Stop while a sweep runs. */
  sweepCaption: string;
  /** Whether the coins against the guests lead back to a run's distribution. */
  canGoBack: boolean;
}

/** Where a key arrives. */
export type ChartPart = 'Table' | 'Chart' | 'Bars' | 'Marker' | 'Replay' | 'Step' | 'Sweep';

export type ProgramWindow = 'Main' | 'Help';

export type ChartCall = 'Open' | 'Run' | 'Init' | 'Exit' | 'Close' | 'Relabel' | 'Coverage'
  | 'Points';

/** What the chart hands to the program's commands. */
export type ChartCommand = 'Sweep' | 'StopSweep' | 'ClearPoints';

/** One thing a command asks of the page, carried out in its order, with the fields its kind uses. */
export type Effect =
  | { kind: 'Load' | 'Unload'; window: ProgramWindow }
  | { kind: 'Chart'; call: ChartCall }
  | { kind: 'End'; status: number }
  /** The loaded window's words shown afresh in the language `text` (a BCP 47 tag). */
  | { kind: 'Relabel'; window: ProgramWindow; text: string }
  | { kind: 'AskText'; text: string; title: string; defaultText: string }
  | { kind: 'AskOk'; text: string; title: string }
  /** A cue's file name, the text put on the clipboard, or words for a screen reader. */
  | { kind: 'PlayCue' | 'CopyText' | 'Announce'; text: string }
  /** A control's caption, or its tooltip (empty for none). */
  | { kind: 'SetText' | 'SetToolTip'; control: string; text: string }
  /** A button, or a command of the table's menu, by its object name. */
  | { kind: 'Enable'; control: string; on: boolean }
  | { kind: 'Busy'; on: boolean }
  /** On: between a sweep's runs, where the page's input and drawing go first. */
  | { kind: 'Yield'; on: boolean }
  | { kind: 'RunExperiment' | 'PrintHelp' | 'OpenTableMenu' };

/** What an event asks of the page beyond drawing the chart anew. */
export interface ChartOutcome {
  close: boolean;
  copyPicture: boolean;
  focus: ChartPart | null;
  /** Told to a screen reader now; empty for nothing. */
  say: string;
  /** The chosen bar's or point's tooltip is shown beside it, as a finger's tap asks. */
  showToolTip: boolean;
  /** Put on the clipboard as text; empty for nothing. */
  copyText: string;
  /** Handed to the program's commands (chartCommand); null for none. */
  command: ChartCommand | null;
}

export interface OmbrixModule {
  mainWindow(): MainWindowLayout;
  helpWindow(): HelpWindowLayout;
  inputBox(): RoledLayout<'prompt' | 'answer' | 'ok' | 'cancel'>;
  messageBox(): RoledLayout<'prompt' | 'ok'>;
  /**
   * What a screen reader says of the main window's label `name` showing `text`: "shortage -3:
   * 120 experiments", "Number of guests: 100"; empty for a label whose text says it all.
   */
  spoken(name: string, text: string): string;
  /** The chart window's record; the chart measures its texts' widths in pixels by `measure`. */
  chartWindow(measure: (text: string, pixels: number, bold: boolean) => number):
    ChartWindowRecord;
  /** The program's events, each answered with the effects the page carries out. */
  startUp(): Effect[];
  activated(window: ProgramWindow): Effect[];
  clicked(window: ProgramWindow, button: string): Effect[];
  /** A command of the table's menu, by its object name. */
  menuChosen(name: string): Effect[];
  /** A key anywhere in the main window: none when the commands leave it to the browser. */
  tableKey(key: string, control: boolean, shift: boolean): Effect[];
  /** A command the chart handed on in its outcome. */
  chartCommand(command: ChartCommand): Effect[];
  textAnswered(answer: string): Effect[];
  okAnswered(button: number): Effect[];
  resumed(): Effect[];
  runExperiment(): Effect[];
  /** An error escaped the page's carrying of an event. */
  failed(what: string): Effect[];
  /**
   * Takes the words' language: the first of `languages` (BCP 47 tags) a catalogue is built
   * for, else English. Answers the chosen one's tag.
   */
  useLanguage(languages: string[]): string;
  /** The chart's events. Open gives null without a run, and opens nothing then. */
  chartOpen(): ChartOutcome | null;
  chartRun(): ChartOutcome;
  chartInit(): ChartOutcome;
  /** Opens the chart at the coins against the guests, run or not. */
  chartCoverage(): ChartOutcome;
  /** The points or the sweep's progress changed. */
  chartPoints(): ChartOutcome;
  /** The coins against the guests' buttons: the sweep's (Stop while it runs) and Clear. */
  chartSweep(): ChartOutcome;
  chartClear(): ChartOutcome;
  chartExit(): ChartOutcome;
  chartClose(): ChartOutcome;
  chartBack(): ChartOutcome;
  /** `taken`: whether the key gives a command there; else it is the browser's. */
  chartKey(part: ChartPart, key: string, control: boolean, nowMs: number):
    ChartOutcome & { taken: boolean };
  chartFocusBars(): ChartOutcome;
  /** At a point of the drawing, in its own pixels; `touch` for a finger. */
  chartPointer(kind: 'down' | 'move' | 'up' | 'cancel', x: number, y: number, touch: boolean):
    ChartOutcome;
  /** Whether a press there takes hold of the coins marker. */
  chartGrabs(x: number, y: number): boolean;
  chartReplay(nowMs: number): ChartOutcome;
  chartStep(nowMs: number): ChartOutcome;
  chartTick(nowMs: number): ChartOutcome;
  /** The drawing's size in pixels. */
  chartResize(width: number, height: number): void;
  /** What it shows now. */
  chartNow(): ChartView;
}

export default function createOmbrix(options?: object): Promise<OmbrixModule>;
