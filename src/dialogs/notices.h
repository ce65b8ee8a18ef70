#pragma once

namespace tarvo {

// The notices of the splash window and the About box (program text).

// A short copyright line.
extern const char* const kCopyrightNotice;

// The terms on which the program may be passed on.
extern const char* const kDistributionTerms;

// The disclaimer of liability, in full and in one line.
extern const char* const kDisclaimer;
extern const char* const kShortDisclaimer;

}  // namespace tarvo
