#pragma once

class QImage;

namespace zyt {

struct AppState;

// "Print Graph": the graph window's picture on the current printer, at the
// page's top-left corner and at its size on the screen (`twipsPerPixel`).
// A picture larger than the page is scaled down to fit it whole.
void Form60_Command2_Click(const QImage &picture, AppState &st, double twipsPerPixel = 15.0);

} // namespace zyt
