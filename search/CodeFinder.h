// The code finder's search: which files it searches, which lines are hits for each find kind,
// and a resumable cursor that streams the files and stops at every hit.
#pragma once

#include "search/TextScan.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qm::search {

enum class FindKind { AllInstances, Definitions, Assignments };

struct SearchFile
{
    std::string name; ///< as shown: the project line's file part, or the name in the directory
    std::string path; ///< the product path it is opened by, and named by in messages
    std::filesystem::path resolved; ///< where it is on this system; empty: resolve `path`
};

/// The files a project text names that the finder searches (form, module, class and xBase
/// files), in project order, resolved against the project's folder.
std::vector<SearchFile> projectSearchFiles(std::string_view projectText,
                                           std::string_view projectPath);

/// The form, module and xBase files of a directory (not its classes), in name order. An empty
/// list when the directory cannot be listed.
std::vector<SearchFile> directorySearchFiles(std::string_view directory);

/// True for a procedure header: after leading blanks the line begins with "Sub " or
/// "Function ", or begins with "Private ", "Public " or "Static " and holds "Sub" or "Function"
/// (letter case ignored).
bool isProcedureHeader(std::string_view line);
/// The procedure a header line names: the line up to its first "(".
std::string_view procedureOfHeader(std::string_view line);

/// A line holding "Function ", "Sub ", "Dim ", "Global " or "Const " (letter case ignored).
bool isDefinitionLine(std::string_view line);
/// A line where a word that is a whole word of the search text (letter case ignored) is followed
/// by a lone "=".
bool isAssignmentLine(std::string_view line, std::string_view searchText);

struct SearchHit
{
    size_t fileIndex = 0;
    std::string procedure;  ///< "declarations" before the first procedure of a file
    int64_t lineNumber = 0; ///< within the procedure; its header is line 1
    std::string line;       ///< without its line end
};

/// Walks the files line by line and stops at each hit, at each file it cannot open and, when
/// asked, after a slice of work, so that a window stays responsive and a search can be continued
/// or abandoned at any stop. Files are read in blocks: memory holds one block (or one line,
/// when a line is longer), never a whole file or project. CR LF, LF and CR alone end lines.
class SearchCursor
{
public:
    enum class Step {
        Hit,      ///< hit() holds the hit
        CantOpen, ///< file() could not be opened; the next call goes on with the next file
        Paused,   ///< the work slice ran out; call again to go on
        Done,     ///< every file searched
    };

    SearchCursor(std::vector<SearchFile> files, std::string_view searchText, FindKind kind);
    ~SearchCursor();
    SearchCursor(const SearchCursor &) = delete;
    SearchCursor &operator=(const SearchCursor &) = delete;

    /// Searches on from where the last call stopped. `sliceBytes` bounds the bytes read before
    /// the call returns Paused (at least one block is read).
    Step next(size_t sliceBytes = SIZE_MAX);

    const SearchHit &hit() const { return m_hit; }
    /// The file being searched (or just found unopenable); valid after the first call until Done.
    const SearchFile &file() const { return m_files[m_fileIndex]; }
    size_t fileIndex() const { return m_fileIndex; }
    const std::vector<SearchFile> &files() const { return m_files; }

    /// Closes the open file; the cursor is Done from then on.
    void close();

private:
    struct Reader;

    bool openFile(); // the file at m_fileIndex
    bool refill();   // false at the end of the file
    bool isHit(std::string_view line) const;
    void passLine(std::string_view line);             // counts a line, taking a header
    void passLines(const char *from, const char *to); // the same for every line in [from, to)

    std::vector<SearchFile> m_files;
    std::string m_text;
    FindKind m_kind;
    bool m_textHasLineEnd;
    FoldedText m_folded;
    std::unique_ptr<Reader> m_reader;
    size_t m_fileIndex = 0;
    bool m_started = false;
    bool m_done = false;
    std::string m_procedure;
    int64_t m_lineNumber = 0;
    SearchHit m_hit;
    std::map<std::string, std::filesystem::path> m_folders; // product folder -> on this system
};

} // namespace qm::search
