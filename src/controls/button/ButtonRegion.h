#pragma once
// The window shape of each button style: corner pixels cut for the framed
// styles, an ellipse for the oval one, the full rectangle otherwise.
#include "Region.h"

namespace button {

Region RegionForStyle(int style, int width, int height);

} // namespace button
