#pragma once

#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>

class QTemporaryDir;

namespace zyt::fuzz {

// Stops the run with the reason, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The desktop as the fuzz targets see it: boxes answered from a byte of the
// input (bit i of it answers the i-th OK/Cancel box of eight with Cancel, or
// a Yes/No box with No), dialogs cancelled unless a path is set to choose,
// and a program folder of its own holding a flow data file and a logo.
class FuzzPlatform final : public MessageBoxes,
                           public Beeper,
                           public FileDialogs,
                           public ProgramFolder {
public:
    FuzzPlatform();
    ~FuzzPlatform() override;

    void reset(std::uint8_t answers);

    int show(const MsgRequest &request) override;
    void beep() override {}
    std::optional<QString> show(const FileDialogRequest &) override { return chosen; }
    QString path() override;

    Platform platform;
    QStringList texts;
    std::optional<QString> chosen; // what every file dialog returns

private:
    std::uint8_t answers_ = 0;
    int asked_ = 0;
    std::unique_ptr<QTemporaryDir> folder_;
};

// A fresh program state over the platform, decimal point.
void resetState(AppState &st, FuzzPlatform &platform);

// An import of an outside flow file as its target runs it: a fresh program
// state with the main window's cells, "Metric" and the decimal comma as the
// input chose; a sheet as start-up leaves it, with an earlier path line; and
// the cells the import writes outside the sheet's calculation.
class ImportRun {
public:
    ImportRun(FuzzPlatform &platform, bool metric, bool comma);
    ImportRun(const ImportRun &) = delete;
    ImportRun &operator=(const ImportRun &) = delete;
    ~ImportRun();

    // Stands in for the calculation an import ends with: counts it and
    // notes how many boxes were shown before it.
    static void calculate(Flow_Test_Sheet &sheet, bool metric, CalcState &calc,
                          const NumberStyle &numbers, const Platform &platform);

    // The lift rows 16 to 30 of the seven columns an import fills.
    static std::set<int> liftRowCells();

    static inline const QString before = QStringLiteral("before.dat");

    AppState st;
    MainModel main;
    Flow_Test_Sheet sheet;
    std::set<int> written;
    int calculations = 0;
    qsizetype boxesBeforeCalculation = -1;

private:
    FuzzPlatform &platform_;
    bool calculating_ = false;
};

// The text as the reader lower-cases a value, character by character.
QString lowerChars(const QString &text);
// A cell text as it comes back from a file: line breaks in a single-line
// value become blanks.
QString asWrittenValue(const QString &text);
// Comments as they come back from a file: every line break CR LF.
QString asWrittenComments(const QString &text);

// The file's bytes from a fuzz input: all but the first byte, which chose
// the answers.
QByteArrayView fileBytes(const std::uint8_t *data, size_t size);

} // namespace zyt::fuzz
