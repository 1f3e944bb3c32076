// The printer of the user-interface runtime: a font, bold on and off, lines, page breaks and the
// end of a document. The Qt runtime prints on the system printer (or into a PDF file when there
// is none); the scripted runtime records what was printed so tests and scripts can read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

/// The classic runtime's "Printer error".
inline constexpr int kPrinterError = 482;

class Printer
{
public:
    virtual ~Printer() = default;

    /// FontName and FontSize. A font this system lacks is replaced by its fixed-pitch font.
    virtual void setFont(std::string_view name, int points) = 0;
    /// FontBold, for the lines printed after it.
    virtual void setBold(bool bold) = 0;
    /// Print: one line, never folded.
    virtual void printLine(std::string_view text) = 0;
    /// NewPage.
    virtual void newPage() = 0;
    /// EndDoc: the document goes out. Returns the path of the file it went to when there is no
    /// printer (a PDF file), else the empty text. Throws VbError 482 when it cannot print.
    virtual std::string endDoc() = 0;
};

/// One line as it was printed.
struct PrintedLine
{
    std::string text;
    std::string font;
    int points = 0;
    bool bold = false;
    int page = 1; ///< from 1, within its document
};

/// A printer that keeps everything printed: the finished documents and the one under way.
class RecordingPrinter final : public Printer
{
public:
    struct Document
    {
        std::vector<PrintedLine> lines;
        int pages = 1;
    };

    void setFont(std::string_view name, int points) override;
    void setBold(bool bold) override;
    void printLine(std::string_view text) override;
    void newPage() override;
    std::string endDoc() override;

    /// The documents ended so far, oldest first.
    const std::vector<Document> &documents() const { return m_documents; }
    /// The document under way (not yet ended).
    const Document &current() const { return m_current; }
    void clear();

private:
    std::vector<Document> m_documents;
    Document m_current;
    std::string m_font;
    int m_points = 0;
    bool m_bold = false;
};

} // namespace qm::platform
