#pragma once

namespace swivlo {

// Makes everything Swivlo draws follow the host's light or dark appearance, now and whenever
// the host reports a change.
void followHostAppearance();

}  // namespace swivlo
