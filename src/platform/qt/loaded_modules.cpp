#include "loaded_modules.h"

#include "platform/message_boxes.h"
#include "platform/module_file.h"
#include "program_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

namespace zyt {

namespace {

// Why the module's file cannot be handed to the plugin loader, as the box
// says it; empty when it can.
QString fileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("is missing");
    // Only a plain file: a pipe or a device could keep the reader waiting.
    if (!info.isFile())
        return QStringLiteral("is not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    switch (checkModuleFile(file)) {
    case ModuleFile::Fits:
        return QString();
    case ModuleFile::Empty:
        return QStringLiteral("is empty");
    case ModuleFile::Unreadable:
        return QStringLiteral("cannot be read");
    case ModuleFile::NotAModule:
        return QStringLiteral("is not a program module");
    case ModuleFile::CutShort:
        return QStringLiteral("is incomplete");
    case ModuleFile::Damaged:
        break;
    }
    return QStringLiteral("is damaged");
}

} // namespace

ProgramModule::ProgramModule(QString fileName, MessageBoxes &messages, QString folder)
    : fileName_(std::move(fileName)), messages_(messages), folder_(std::move(folder))
{
}

QString ProgramModule::path() const
{
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    return QDir(folder).filePath(fileName_);
}

QObject *ProgramModule::load(const char *iid)
{
    if (tried_)
        return plugin_;
    tried_ = true;
    const QString file = path();
    problem_ = fileProblem(file);
    if (!problem_.isEmpty())
        return nullptr;
    // The file exists, so the loader takes it by this name alone. It reads
    // the plugin's description from the file, without running any of it.
    loader_.setFileName(file);
    if (loader_.metaData().value(QStringLiteral("IID")).toString() != QLatin1String(iid)) {
        problem_ = QStringLiteral("is not this program's module");
        return nullptr;
    }
    if (!loader_.load()) {
        problem_ = QStringLiteral("could not be loaded (%1)").arg(loader_.errorString());
        return nullptr;
    }
    QObject *plugin = loader_.instance();
    if (!plugin || !plugin->qt_metacast(iid)) {
        problem_ = QStringLiteral("is not this program's module");
        return nullptr;
    }
    plugin_ = plugin;
    return plugin_;
}

void ProgramModule::showProblem()
{
    messages_.show(MsgRequest{QStringLiteral("The program's module \"%1\" %2, so this command "
                                             "cannot run.\r\nPlease install the program again.")
                                  .arg(QDir::toNativeSeparators(path()), problem_),
                              MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt});
}

LoadedPrinting::LoadedPrinting(MessageBoxes &messages, QString folder)
    : module_(QStringLiteral("libzyt_print.so"), messages, std::move(folder))
{
}

LoadedPrinting::~LoadedPrinting() = default;

bool LoadedPrinting::load()
{
    if (!service_) {
        if (auto *module = qobject_cast<PrintModule *>(module_.load(ZYT_PRINT_MODULE_IID))) {
            service_ = module->newPrintService();
            catalog_ = module->newPrinterCatalog();
        }
    }
    return service_ && catalog_;
}

bool LoadedPrinting::canPrint()
{
    if (load())
        return true;
    module_.showProblem();
    return false;
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
    : module_(QStringLiteral("libzyt_sound.so"), messages, std::move(folder))
{
}

LoadedSound::~LoadedSound() = default;

void LoadedSound::playSound(const QString &path)
{
    if (!player_ && !told_) {
        if (auto *module = qobject_cast<SoundModule *>(module_.load(ZYT_SOUND_MODULE_IID))) {
            player_ = module->newSoundPlayer();
        } else {
            told_ = true;
            module_.showProblem();
        }
    }
    if (player_)
        player_->playSound(path);
}

} // namespace zyt
