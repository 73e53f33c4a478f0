#pragma once
// The texts a fuzz run types, pastes and answers input boxes with: numbers in
// every notation the fields may meet (exponents, signs, decimals, blanks,
// values at the edges of 16 and 32 bits), month names right and wrong, letters,
// digits of other scripts, control characters, very long texts, markup and
// format strings, and mixtures of these. About a third are plausible values
// (years, days, month names) so that runs get past the checks to results.

#include <QString>
#include <random>

namespace vantel::fuzz {

// A text for a field or an input box. Texts that are typed stay short (typing
// is one key event per character); a pasted text may be very long.
QString hostileText(std::mt19937_64& rng, bool forPaste);

// How many fixed texts the corpus holds (the mixtures come on top).
int hostileCorpusSize();

}  // namespace vantel::fuzz
