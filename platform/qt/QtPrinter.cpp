// Printing through Qt: lines in one font, top to bottom, a new sheet when asked or when a page
// is full.
#include "platform/qt/QtPrinter.h"

#include "platform/VbError.h"
#include "platform/qt/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace qm::platform {
namespace {

[[noreturn]] void printerError()
{
    throw VbError(kPrinterError, "Printer error");
}

QString listingFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

std::string pdfListingPath()
{
    const QDir folder(listingFolder());
    for (int n = 1;; ++n) {
        const QString path = folder.filePath(QStringLiteral("Quillmark listing %1.pdf").arg(n));
        if (!QFileInfo::exists(path))
            return fromQString(path);
    }
}

struct QtPrinter::Job
{
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    std::string pdfPath; ///< empty when a real printer prints
    int y = 0;
};

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter()
{
    if (m_job && m_job->painter.isActive())
        m_job->painter.end();
}

void QtPrinter::beginJob()
{
    if (m_job)
        return;
    auto job = std::make_unique<Job>();
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (system.isNull()) {
        job->pdfPath = pdfListingPath();
        job->printer.setOutputFormat(QPrinter::PdfFormat);
        job->printer.setOutputFileName(toQString(job->pdfPath));
    } else {
        job->printer.setPrinterName(system.printerName());
    }
    job->printer.setDocName(QStringLiteral("Quillmark"));
    if (!job->painter.begin(&job->printer))
        printerError();
    m_job = std::move(job);
    applyFont();
}

void QtPrinter::applyFont()
{
    if (!m_job)
        return;
    const QString family = toQString(m_fontName);
    QFont font(family);
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive) ||
        !QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(m_points > 0 ? m_points : 10);
    font.setBold(m_bold);
    m_job->painter.setFont(font);
}

void QtPrinter::setFont(std::string_view name, int points)
{
    m_fontName = name;
    m_points = points;
    applyFont();
}

void QtPrinter::setBold(bool bold)
{
    m_bold = bold;
    applyFont();
}

void QtPrinter::printLine(std::string_view text)
{
    beginJob();
    QPainter &painter = m_job->painter;
    const QFontMetrics metrics(painter.font(), &m_job->printer);
    const int pageHeight =
        m_job->printer.pageLayout().paintRectPixels(m_job->printer.resolution()).height();
    // A line that would run off the sheet goes to the next one: nothing is ever cut off.
    if (m_job->y > 0 && m_job->y + metrics.height() > pageHeight)
        newPage();
    painter.drawText(0, m_job->y + metrics.ascent(), toQString(text));
    m_job->y += metrics.lineSpacing();
}

void QtPrinter::newPage()
{
    beginJob();
    if (!m_job->printer.newPage())
        printerError();
    m_job->y = 0;
}

std::string QtPrinter::endDoc()
{
    if (!m_job)
        return {};
    std::unique_ptr<Job> job = std::move(m_job);
    if (!job->painter.end())
        printerError();
    return job->pdfPath;
}

} // namespace qm::platform
