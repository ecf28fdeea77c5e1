#include "calc/app_state.h"
#include "calc/calculate_sheet.h"
#include "calc/flow_test_sheet.h"
#include "platform/qt/qt_platform.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("zyt"));
    app.setApplicationVersion(QStringLiteral(ZYT_VERSION));
    QApplication::setStyle(QStringLiteral("Fusion"));

    zyt::AppState state;
    zyt::QtPlatform platform([&state] { return state.App_Title; });
    state.platform = platform.platform();
    const QLocale locale = QLocale::system();
    state.Set_Decimal_Separators(locale.decimalPoint().front(), locale.groupSeparator().front());
    state.App_Title = QStringLiteral("Vorn / ZYT -- Corin Yeldham and Jory Thane' -- Quarnel "
                                     "Airpath Studio -- Version: ") +
                      QStringLiteral(ZYT_VERSION);
    zyt::Fill_Sheet_Help_Texts(state);

    std::array<std::unique_ptr<zyt::Flow_Test_Sheet>, 5> sheets;
    std::array<std::unique_ptr<zyt::Flow_Test_Sheet_Window>, 5> windows;
    for (size_t k = 0; k < sheets.size(); ++k) {
        sheets[k] = std::make_unique<zyt::Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
        zyt::Calculate_Sheet(*sheets[k], state);
        windows[k] = std::make_unique<zyt::Flow_Test_Sheet_Window>(*sheets[k], state);
    }

    // Opens the five sheets until the main window has its own panels.
    QMainWindow main;
    main.setObjectName(QStringLiteral("Main"));
    main.setWindowTitle(state.App_Title);
    auto *panel = new QWidget(&main);
    auto *buttons = new QVBoxLayout(panel);
    for (size_t k = 0; k < windows.size(); ++k) {
        auto *open = new QPushButton(QStringLiteral("Flow Test %1").arg(k + 1), panel);
        buttons->addWidget(open);
        QObject::connect(open, &QPushButton::clicked, &main, [&, k] {
            zyt::Flow_Test_Sheet_Window &w = *windows[k];
            w.setWindowTitle(state.App_Title + QStringLiteral(" -- Flow Test %1").arg(k + 1));
            w.show();
            w.raise();
            w.activateWindow();
            if (QWidget *cell = w.cellWidget(zyt::Flow_Test_Sheet::Text108, 7))
                cell->setFocus(Qt::OtherFocusReason);
        });
    }
    buttons->addStretch();
    main.setCentralWidget(panel);
    main.resize(420, 260);
    main.show();
    const int result = app.exec();
    state.Exiting = 1;
    return result;
}
