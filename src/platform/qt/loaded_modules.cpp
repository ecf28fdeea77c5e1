#include "loaded_modules.h"

#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QDir>

namespace zyt {

ProgramModule::ProgramModule(QString name, MessageBoxes &messages, QString folder)
    : name_(std::move(name)), messages_(messages), folder_(std::move(folder))
{
}

QFunctionPointer ProgramModule::resolve(const char *symbol)
{
    if (failed_)
        return nullptr;
    if (!library_.isLoaded()) {
        const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
        library_.setFileName(QDir(folder).filePath(name_));
        library_.load();
    }
    const QFunctionPointer function = library_.isLoaded() ? library_.resolve(symbol) : nullptr;
    if (!function) {
        failed_ = true;
        messages_.show(MsgRequest{
            QStringLiteral("The program's module %1 could not be loaded from \"%2\", so this "
                           "command cannot run.\r\n%3")
                .arg(name_, QDir::toNativeSeparators(library_.fileName()), library_.errorString()),
            MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt});
    }
    return function;
}

LoadedPrinting::LoadedPrinting(MessageBoxes &messages, QString folder)
    : module_(QStringLiteral("zyt_print"), messages, std::move(folder))
{
}

LoadedPrinting::~LoadedPrinting() = default;

bool LoadedPrinting::load()
{
    if (!service_)
        service_ = module_.make<PrintService>("zytNewPrintService");
    if (service_ && !catalog_)
        catalog_ = module_.make<PrinterCatalog>("zytNewPrinterCatalog");
    return service_ && catalog_;
}

std::unique_ptr<PrintJob> LoadedPrinting::start(const PrintRequest &request)
{
    return load() ? service_->start(request) : nullptr;
}

QStringList LoadedPrinting::printerNames()
{
    return load() ? catalog_->printerNames() : QStringList();
}

QString LoadedPrinting::defaultPrinterName()
{
    return load() ? catalog_->defaultPrinterName() : QString();
}

LoadedSound::LoadedSound(MessageBoxes &messages, QString folder)
    : module_(QStringLiteral("zyt_sound"), messages, std::move(folder))
{
}

LoadedSound::~LoadedSound() = default;

void LoadedSound::playSound(const QString &path)
{
    if (!player_)
        player_ = module_.make<SoundPlayer>("zytNewSoundPlayer");
    if (player_)
        player_->playSound(path);
}

} // namespace zyt
