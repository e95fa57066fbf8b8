// The pictures of the game's windows, drawn with flat colours: what the game reads back is exact.
#pragma once

#include <QImage>

namespace vantix::art {

QImage drawRadarPicture();  // 556 x 556: the terrain map behind the game window
QImage drawHeadingDial();   // 96 x 96: the heading dial of the panel
QImage drawScales();        // 96 x 96: the altitude and speed scales of the panel
QImage drawChartFrame();    // 360 x 105: the empty landing-interval chart of the front screen
QImage drawProgramIcon();   // 32 x 32: the windows' icon, transparent round the radar disc

}  // namespace vantix::art
