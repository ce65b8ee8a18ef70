#include "dialogs/notices.h"

namespace tarvo {

const char* const kCopyrightNotice =
    "SNG Tarvo 1.1, look angles for the uplink truck.\n"
    "Copyright \xA9 the SNG Tarvo authors.";

const char* const kDistributionTerms =
    "You may copy this program and give it to others free of charge, whole and unchanged, "
    "with its help file and this notice. It may not be sold.";

const char* const kDisclaimer =
    "The program comes as it is, without warranty of any kind. Its look angles are a "
    "starting point for pointing the dish, not a substitute for peaking on the signal. "
    "The authors accept no liability for any loss or damage arising from its use.";

const char* const kShortDisclaimer =
    "Provided as it is, without warranty of any kind; the authors accept no liability "
    "for its use.";

}  // namespace tarvo
