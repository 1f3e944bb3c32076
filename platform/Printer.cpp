// The recording printer of the scripted runtime.
#include "platform/Printer.h"

namespace qm::platform {

void RecordingPrinter::setFont(std::string_view name, int points)
{
    m_font = name;
    m_points = points;
}

void RecordingPrinter::setBold(bool bold)
{
    m_bold = bold;
}

void RecordingPrinter::printLine(std::string_view text)
{
    m_current.lines.push_back({std::string(text), m_font, m_points, m_bold, m_current.pages});
}

void RecordingPrinter::newPage()
{
    ++m_current.pages;
}

std::string RecordingPrinter::endDoc()
{
    m_documents.push_back(std::move(m_current));
    m_current = Document{};
    return {};
}

void RecordingPrinter::clear()
{
    m_documents.clear();
    m_current = Document{};
}

} // namespace qm::platform
