#pragma once

#include "platform/capture.h"
#include "platform/choice_dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/printers.h"
#include "platform/shell.h"
#include "platform/wait_pointer.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

class QTemporaryDir;

namespace zyt::test {

// Stands in for the desktop in tests: records every request and answers
// message boxes, dialogs, links and sounds from a script. A box, dialog, link
// or sound with no answer scripted fails the test, unless a standing answer
// was given (benchmarks).
class ScriptedPlatform final : public MessageBoxes,
                               public Beeper,
                               public FileDialogs,
                               public ProgramFolder,
                               public FontDialogs,
                               public ColorDialogs,
                               public PrinterCatalog,
                               public Shell,
                               public SoundPlayer,
                               public Clock,
                               public PointerPosition,
                               public ScreenGrabber,
                               public ImageWriter,
                               public WaitPointer {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    Platform &platform() { return platform_; }

    // Queues `answer` for the next `times` message boxes.
    void answer(int answer, int times = 1);
    // Every box beyond the queue gets this answer instead of failing.
    void answerAllWith(int answer) { standing_ = answer; }

    // Queues the path the next file dialog returns, or a cancel.
    void choose(const QString &path) { choices_.push_back(Choice{false, path}); }
    // The same, with the user switching the filter to entry `filterIndex`.
    void choose(const QString &path, int filterIndex)
    {
        choices_.push_back(Choice{false, path, filterIndex});
    }
    void cancelDialog() { choices_.push_back(Choice{true, QString()}); }
    // Every dialog beyond the queue returns this path instead of failing.
    void chooseAlways(const QString &path) { standingChoice_ = path; }

    // Queues what the next font or colour dialog returns, or a cancel.
    void chooseFont(const FontChoice &font) { fonts_.push_back(font); }
    void cancelFontDialog() { fonts_.push_back(std::nullopt); }
    void chooseColor(std::int32_t color) { colors_.push_back(color); }
    void cancelColorDialog() { colors_.push_back(std::nullopt); }

    // Queues whether the desktop takes the next link.
    void linkOpens(bool opens) { links_.push_back(opens); }
    // Lets the next sound play.
    void expectSound() { ++soundsExpected_; }

    // The time every clock reading gives, and where the pointer is.
    void setNow(const QDateTime &now) { now_ = now; }
    void setPointer(const QPoint &at) { pointer_ = at; }
    // Queues the picture the next screen grab gives (a null image: nothing).
    void grabGives(const QImage &picture) { grabs_.push_back(picture); }
    // Every grab beyond the queue goes to `real` instead of failing.
    void grabWith(ScreenGrabber *real) { realGrabber_ = real; }
    // Picture writes go to `real`; without one, a write fails the test.
    void writeWith(ImageWriter *real) { realWriter_ = real; }

    // True when every queued answer, choice, link, sound and grab was used.
    bool scriptDone() const
    {
        return answers_.empty() && choices_.empty() && fonts_.empty() && colors_.empty() &&
               links_.empty() && soundsExpected_ == 0 && grabs_.empty();
    }

    int show(const MsgRequest &request) override;
    void beep() override { ++beeps; }
    std::optional<QString> show(const FileDialogRequest &request) override;
    std::optional<FileDialogChoice> showChoice(const FileDialogRequest &request) override;

    std::optional<FontChoice> showFontDialog() override;
    QString defaultFontName() override { return fontName; }
    std::optional<std::int32_t> showColorDialog(std::int32_t initial) override;
    bool canPrint() override { return printingRuns; }
    QStringList printerNames() override { return printers; }
    QString defaultPrinterName() override { return defaultPrinter; }
    bool openLink(const QString &target, const QString &folder) override;
    void playSound(const QString &path) override;
    QDateTime now() override;
    QPoint pointerPosition() override;
    QImage grabFrame(QWidget &window) override;
    int writeJpeg(const QImage &image, const QString &path, int quality) override;
    void begin() override { ++waits, ++waitDepth; }
    void end() override { --waitDepth; }

    // A fresh temporary folder, made on first use, unless one was set.
    QString path() override;
    void setProgramFolder(const QString &path) { folder_ = path; }
    QString earlierPath() override { return earlierFolder_; }
    void setEarlierFolder(const QString &path) { earlierFolder_ = path; }

    QStringList texts() const;
    void clear();

    QList<MsgRequest> shown;
    QList<FileDialogRequest> dialogs;
    int beeps = 0;
    int fontDialogs = 0;
    QList<std::int32_t> colorDialogs; // the colour each opened on
    QStringList openedLinks;
    QStringList linkFolders;
    QStringList playedSounds;
    int clockReadings = 0;
    int waits = 0;            // times the wait pointer was shown
    int waitDepth = 0;        // commands now showing it, none when it is off
    QList<QWidget *> grabbed; // the windows grabbed, in order

    // The system as the tests set it up: no printer unless given.
    bool printingRuns = true;
    QStringList printers;
    QString defaultPrinter;
    QString fontName = QStringLiteral("Sans Serif");

private:
    Platform platform_;
    std::deque<int> answers_;
    int standing_ = 0;
    struct Choice {
        bool cancel;
        QString path;
        int filterIndex = 0; // unset (0): the entry preselected
    };
    std::deque<Choice> choices_;
    std::optional<QString> standingChoice_;
    std::deque<std::optional<FontChoice>> fonts_;
    std::deque<std::optional<std::int32_t>> colors_;
    std::deque<bool> links_;
    int soundsExpected_ = 0;
    std::optional<QDateTime> now_;
    std::optional<QPoint> pointer_;
    std::deque<QImage> grabs_;
    ScreenGrabber *realGrabber_ = nullptr;
    ImageWriter *realWriter_ = nullptr;
    std::unique_ptr<QTemporaryDir> ownFolder_;
    QString folder_;
    QString earlierFolder_;
};

} // namespace zyt::test
