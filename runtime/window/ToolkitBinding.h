#pragma once

namespace tamberlo {

namespace toolkit {
class Toolkit;
}

// The toolkit that shows the windows, registered once before the first window opens (the
// runtime registers its input sink with it). Without one, windows are kept and run but not
// shown. nullptr removes it.
void setToolkit(toolkit::Toolkit* toolkit);

} // namespace tamberlo
