// SPDX-License-Identifier: GPL-3.0-or-later
// The sound cues, played through Web Audio from the chimes the build synthesises. A cue that
// cannot be fetched, decoded or played is silent, and the command goes on.

/**
 * The site's file of a cue: the desktop's WAV file encoded as MP3, a tenth of its size.
 * @param {string} name
 */
export const siteFile = (name) => name.replace(/\.wav$/, '.mp3');

export class Cues {
  /** @param {string[]} names the files, fetched at once so that the first cue is not late */
  constructor(names) {
    this.context = new AudioContext();
    /** @type {Map<string, Promise<AudioBuffer>>} */
    this.buffers = new Map(names.map((name) => {
      const loading = this.load(name);
      loading.catch(() => {});  // reported by play(), which is silent then
      return [name, loading];
    }));
    /** @type {AudioBufferSourceNode | null} */
    this.playing = null;
  }

  /** @param {string} name */
  async load(name) {
    const response = await fetch(siteFile(name));
    if (!response.ok) throw new Error(`${name}: ${response.status}`);
    return this.context.decodeAudioData(await response.arrayBuffer());
  }

  /**
   * Plays a cue, cutting off the one before it.
   * @param {string} name
   */
  async play(name) {
    try {
      const buffer = await this.buffers.get(name);
      if (!buffer || this.context.state === 'closed') return;
      // A page may start sound only after the user has acted; every cue follows a click.
      await this.context.resume();
      this.playing?.stop();
      const source = new AudioBufferSourceNode(this.context, { buffer });
      source.connect(this.context.destination);
      source.start();
      this.playing = source;
    } catch {
      // Silent, as on a machine without a sound device.
    }
  }

  /** Stops every sound for good. */
  close() {
    this.context.close().catch(() => {});
  }
}
