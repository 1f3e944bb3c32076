// The Printer object on Qt: the system's default printer, or a PDF file in the user's documents
// folder (else the temporary folder) when no printer is set up.
#pragma once

#include "platform/Printer.h"

#include <memory>

namespace qm::platform {

class QtPrinter final : public Printer
{
public:
    QtPrinter();
    ~QtPrinter() override;

    void setFont(std::string_view name, int points) override;
    void setBold(bool bold) override;
    void printLine(std::string_view text) override;
    void newPage() override;
    std::string endDoc() override;

private:
    struct Job;
    void beginJob();
    void applyFont();

    std::unique_ptr<Job> m_job;
    std::string m_fontName = "Courier";
    int m_points = 10;
    bool m_bold = false;
};

/// Where a listing goes when there is no printer: "Quillmark listing N.pdf" in the documents
/// folder, or the temporary folder when there is none, with the first N that is free.
std::string pdfListingPath();

} // namespace qm::platform
