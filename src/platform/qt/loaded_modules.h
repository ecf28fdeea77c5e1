#pragma once

#include "platform/print_service.h"
#include "platform/printers.h"
#include "platform/shell.h"

#include <QPluginLoader>
#include <QString>

#include <memory>

namespace zyt {

class MessageBoxes;
class PrintModule;
class SoundModule;

// A module of the program's own: a Qt plugin beside the executable, loaded
// the first time a command needs it, so start-up does not load Qt's printing
// and sound libraries. It is found by its one file name, never by another
// name the system's loader would try, and its file is checked before it is
// mapped: a damaged or foreign file is refused, never run.
class ProgramModule {
public:
    // `fileName` ("libzyt_print.so") in `folder`, the executable's folder
    // when empty.
    ProgramModule(QString fileName, MessageBoxes &messages, QString folder = QString());

    // The module's plugin object when the module loads and offers the
    // interface `iid`; nullptr when it does not, which is decided once.
    QObject *load(const char *iid);
    // The box that names the module's file, says why it cannot be used and
    // what to do.
    void showProblem();

private:
    QString path() const;

    QString fileName_;
    MessageBoxes &messages_;
    QString folder_;
    QPluginLoader loader_;
    QObject *plugin_ = nullptr;
    bool tried_ = false;
    QString problem_; // why it cannot be used, as the box says it
};

// The printers and printing of the printing module. A printing module that
// cannot be used says so on every question whether printing can run;
// the other requests then do nothing.
class LoadedPrinting final : public PrintService, public PrinterCatalog {
public:
    explicit LoadedPrinting(MessageBoxes &messages, QString folder = QString());
    ~LoadedPrinting() override;
    bool canPrint() override;
    std::unique_ptr<PrintJob> start(const PrintRequest &request) override;
    QStringList printerNames() override;
    QString defaultPrinterName() override;

private:
    bool load();

    ProgramModule module_;
    std::unique_ptr<PrintService> service_;
    std::unique_ptr<PrinterCatalog> catalog_;
};

// The sound of the sound module. A sound module that cannot be used says so
// at the first sound; sounds then stay silent.
class LoadedSound final : public SoundPlayer {
public:
    explicit LoadedSound(MessageBoxes &messages, QString folder = QString());
    ~LoadedSound() override;
    void playSound(const QString &path) override;

private:
    ProgramModule module_;
    std::unique_ptr<SoundPlayer> player_;
    bool told_ = false;
};

} // namespace zyt
