#include "main/main_window.h"
#include "main/program.h"
#include "platform/qt/font_warm_up.h"
#include "platform/qt/process_end.h"
#include "platform/qt/qt_platform.h"
#include "widgets/program_style.h"

#include <QApplication>
#include <QLocale>

#ifdef ZYT_FIRST_PAINT_REPORT
// The start-up benchmark's build of the program, which ends at the main
// window's first paint.
#include "first_paint_report.h"
#endif

int main(int argc, char *argv[])
{
    zyt::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("zyt"));
    app.setApplicationVersion(QStringLiteral(ZYT_VERSION));
    // Fusion, with the panels of the many cells drawn once and copied.
    QApplication::setStyle(zyt::programStyle());
    // The program ends through its exit, which closes every window itself.
    QApplication::setQuitOnLastWindowClosed(false);

    const zyt::FontConfigWarmUp::ApplicationScope fontsWhileApplication = fonts.applicationMade();

    zyt::Program *program = nullptr;
    zyt::QtPlatform platform([&program] { return program ? program->st.ui.App_Title : QString(); });
    zyt::Program p(platform.platform(), [&fonts] { fonts.wait(); });
    program = &p;
    const QLocale locale = QLocale::system();
    p.st.numbers.setLocaleSeparators(locale.decimalPoint().front(),
                                     locale.groupSeparator().front());

    p.Form_Load(QApplication::arguments().mid(1).join(u' '));
    // From here on the session is saved however the process is ended. Before
    // the last session has loaded, ending without a save keeps it as it was.
    const zyt::ProcessEndWatch endWatch([&p] { p.endOnRequest(); },
                                        [&p] { p.saveBeforeProcessEnd(); });
#ifdef ZYT_FIRST_PAINT_REPORT
    zyt::bench::FirstPaintReport firstPaint(p.mainWindow());
#endif
    p.mainWindow().show();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&p] { p.Exit_Click(); });
    const int result = app.exec();
    p.Exit_Click();
    return result;
}
