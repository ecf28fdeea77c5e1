#include "calc/app_state.h"
#include "calc/flow_test_sheet.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("zyt"));
    app.setApplicationVersion(QStringLiteral(ZYT_VERSION));

    zyt::AppState state;
    zyt::QtPlatform platform([&state] { return state.App_Title; });
    state.platform = platform.platform();
    const QLocale locale = QLocale::system();
    state.Set_Decimal_Separators(locale.decimalPoint().front(), locale.groupSeparator().front());
    state.App_Title = QStringLiteral("Vorn / ZYT -- Corin Yeldham and Jory Thane' -- Quarnel "
                                     "Airpath Studio -- Version: ") +
                      QStringLiteral(ZYT_VERSION);

    std::array<std::unique_ptr<zyt::Flow_Test_Sheet>, 5> sheets;
    for (int k = 0; k < 5; ++k)
        sheets[size_t(k)] =
            std::make_unique<zyt::Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));

    QMainWindow main;
    main.setObjectName(QStringLiteral("Main"));
    main.setWindowTitle(state.App_Title);
    main.resize(900, 600);
    main.show();
    return app.exec();
}
