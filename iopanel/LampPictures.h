#pragma once

#include <QPixmap>

// The two pictures of a lamp, 32 x 32 pixels on a transparent ground: a red lamp with rays
// when lit, a dark lamp when unlit. Each is drawn once and shared.
QPixmap litLampPicture();
QPixmap unlitLampPicture();
