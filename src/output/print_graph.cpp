#include "print_graph.h"

#include "model/app_state.h"
#include "output/print_job.h"
#include "platform/draw_surface.h"
#include "platform/print_service.h"

#include <QImage>

#include <algorithm>

namespace zyt {

void Form60_Command2_Click(const QImage &picture, AppState &st, double twipsPerPixel)
{
    if (!printingCanRun(st.platform))
        return;
    const QSizeF size(picture.width() * twipsPerPixel, picture.height() * twipsPerPixel);
    runPrintJob(st.platform, st.print, QStringLiteral("Graph"), std::max(size.width(), 1.0),
                [&](PrintJob &job) {
                    const double fit =
                        size.height() > job.pageHeight() ? job.pageHeight() / size.height() : 1.0;
                    job.page().drawPicture(picture, QRectF(QPointF(0.0, 0.0), size * fit));
                });
}

} // namespace zyt
