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
}

export interface HelpWindowLayout extends WindowLayout<'close' | 'text'> {
  lines: string[];
}

export interface RunResult {
  average: string;
  cells: string[];
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
  runExperiment(): RunResult;
  clearRun(): void;
  ccall(name: string, returnType: 'number', argumentTypes: 'number'[], args: number[],
        options: { async: true }): Promise<number>;
}

export default function createOmbrix(options?: object): Promise<OmbrixModule>;
