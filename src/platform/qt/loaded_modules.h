#pragma once

#include "platform/print_service.h"
#include "platform/printers.h"
#include "platform/shell.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace zyt {

class MessageBoxes;

// A module of the program's own (a shared library beside the executable),
// loaded the first time a command needs it, so start-up does not load Qt's
// printing and sound libraries. A module that cannot be loaded is said once
// in a box; its commands then do nothing.
class ProgramModule {
public:
    // `name` without prefix or suffix ("zyt_print" for libzyt_print.so),
    // looked for in `folder`, the executable's folder when empty.
    ProgramModule(QString name, MessageBoxes &messages, QString folder = QString());

    // The made object of the module's function `maker`, nullptr when the
    // module or the function is missing.
    template <typename T> std::unique_ptr<T> make(const char *maker)
    {
        using Maker = T *(*)();
        const auto function = reinterpret_cast<Maker>(resolve(maker));
        return std::unique_ptr<T>(function ? function() : nullptr);
    }

private:
    QFunctionPointer resolve(const char *symbol);

    QString name_;
    MessageBoxes &messages_;
    QString folder_;
    QLibrary library_;
    bool failed_ = false;
};

// The printers and printing of the printing module.
class LoadedPrinting final : public PrintService, public PrinterCatalog {
public:
    explicit LoadedPrinting(MessageBoxes &messages, QString folder = QString());
    ~LoadedPrinting() override;
    std::unique_ptr<PrintJob> start(const PrintRequest &request) override;
    QStringList printerNames() override;
    QString defaultPrinterName() override;

private:
    bool load();

    ProgramModule module_;
    std::unique_ptr<PrintService> service_;
    std::unique_ptr<PrinterCatalog> catalog_;
};

// The sound of the sound module.
class LoadedSound final : public SoundPlayer {
public:
    explicit LoadedSound(MessageBoxes &messages, QString folder = QString());
    ~LoadedSound() override;
    void playSound(const QString &path) override;

private:
    ProgramModule module_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace zyt
