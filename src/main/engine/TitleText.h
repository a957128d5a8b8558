// The form in which a CSV column title is compared with field names, so that the spellings
// exporters and people give one title ("E-Mail-Adresse", "e-mail adresse", "EMAIL ADRESSE")
// compare equal.
#pragma once

#include <string>
#include <string_view>

// The UTF-8 title reduced to its letters and digits: ASCII and Latin-1/Latin Extended-A
// letters lower-cased and folded to their base letters ("É" and "é" to "e", "ß" to "ss",
// "Æ" to "ae"), Greek and Cyrillic capitals lower-cased, letters of other scripts kept as
// they are. Spaces, punctuation, symbols, combining marks and bytes that are not UTF-8 are
// dropped.
std::string TitleKey(std::string_view title);
