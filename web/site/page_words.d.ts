// SPDX-License-Identifier: GPL-3.0-or-later
// page_words.js, which tools/page_texts writes from the catalogues as scripts/web.sh builds
// the site.

/**
 * The words of the page's own notices (FAILED, TRY_AGAIN, ENDED, HOW_TO_START_AGAIN,
 * START_AGAIN) in each built language, by its tag, English first.
 */
export const kPageWords: Readonly<Record<string, Readonly<Record<string, string>>>>;
