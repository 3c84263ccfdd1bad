#include "platform/os/IntlSettings.h"
#include "platform/os/ProgramFile.h"
#include "runtime/datetime/EnvironmentFile.h"
#include "runtime/datetime/RegionalPictures.h"

// Kept apart from the build itself so that code which builds from a source of its own does not
// pull in the desktop's profile and locale readers.

namespace tamberlo {

void buildRegionalPictures() {
    buildRegionalPictures(os::desktopIntlSettings(), environmentFileOf(os::programFileName()));
}

} // namespace tamberlo
