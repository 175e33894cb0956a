// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the page's module for the test that finds a word not from the catalogue: the
// module speaks the test language, en-XA, from its start.
#include "catalogue.h"

namespace ombrix {

extern const Catalogue kCatalogue_en_XA;

namespace {

const bool kInTestLanguage = (UseCatalogue(kCatalogue_en_XA), true);

}  // namespace
}  // namespace ombrix
