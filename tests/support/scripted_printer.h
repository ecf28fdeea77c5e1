#pragma once

#include "platform/print_service.h"
#include "platform/recording_surface.h"

#include <QList>

#include <memory>

namespace zyt::test {

// A print service whose documents are recording surfaces in twips. It can
// refuse to start a document or report a failure at its end, or say that
// printing cannot run here at all.
class ScriptedPrinter final : public PrintService {
public:
    bool printingRuns = true;
    int printingAsked = 0;
    bool startFails = false;
    bool finishFails = false;
    double pageHeight = 15840.0; // a US Letter page without margins

    QList<PrintRequest> requests;
    QList<std::shared_ptr<RecordingSurface>> documents; // every one started
    int finished = 0;

    RecordingSurface &last() { return *documents.last(); }

    bool canPrint() override { return ++printingAsked, printingRuns; }
    std::unique_ptr<PrintJob> start(const PrintRequest &request) override
    {
        requests << request;
        if (startFails)
            return nullptr;
        documents << std::make_shared<RecordingSurface>(1440.0);
        return std::make_unique<Job>(*this, documents.last());
    }

private:
    class Job final : public PrintJob {
    public:
        Job(ScriptedPrinter &owner, std::shared_ptr<RecordingSurface> page)
            : owner_(owner), page_(std::move(page))
        {
        }
        DrawSurface &page() override { return *page_; }
        double pageHeight() const override { return owner_.pageHeight; }
        bool finish() override { return ++owner_.finished, !owner_.finishFails; }

    private:
        ScriptedPrinter &owner_;
        std::shared_ptr<RecordingSurface> page_;
    };
};

} // namespace zyt::test
