#pragma once

#include "platform/print_service.h"
#include "platform/printers.h"
#include "platform/shell.h"

#include <QtPlugin>

#include <memory>

namespace zyt {

// What the printing module (libzyt_print.so) makes: Qt's printing behind the
// program's interfaces. The module's plugin object offers it.
class PrintModule {
public:
    virtual ~PrintModule() = default;
    virtual std::unique_ptr<PrintService> newPrintService() = 0;
    virtual std::unique_ptr<PrinterCatalog> newPrinterCatalog() = 0;
};

// What the sound module (libzyt_sound.so) makes.
class SoundModule {
public:
    virtual ~SoundModule() = default;
    virtual std::unique_ptr<SoundPlayer> newSoundPlayer() = 0;
};

} // namespace zyt

#define ZYT_PRINT_MODULE_IID "org.zyt.PrintModule/1"
#define ZYT_SOUND_MODULE_IID "org.zyt.SoundModule/1"
Q_DECLARE_INTERFACE(zyt::PrintModule, ZYT_PRINT_MODULE_IID)
Q_DECLARE_INTERFACE(zyt::SoundModule, ZYT_SOUND_MODULE_IID)
