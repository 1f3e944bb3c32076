// The object library's store: the five list files, their records, numbering of new objects,
// and the object files in the library directory.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::library {

/// The five kinds, numbered as the library window's tabs (the list type).
enum class ObjectKind { Procs = 0, Controls = 1, Forms = 2, Modules = 3, Classes = 4 };

struct KindInfo
{
    const char *listFile;    ///< "qm_procs.txt"
    const char *firstAlias;  ///< "CTRL0001.frm"
    const char *rootItem;    ///< "Controls", the outline's root
    const char *listLabel;   ///< "Control Set List"
    const char *commandName; ///< "controls", as qm names the kind
};

const KindInfo &kindInfo(ObjectKind kind);
/// The kind qm calls `name` ("procs", "controls", "forms", "modules", "classes").
std::optional<ObjectKind> kindNamed(std::string_view name);

/// One stored object: one line of a list file.
struct ProcNameObj
{
    std::string ProcName;
    std::string ProcDesc;
    std::string ProcAlias;

    bool operator==(const ProcNameObj &) const = default;
};

/// The records of a list file in file order. Lines end at CR LF, a lone CR or a lone LF; lines
/// of blanks are skipped. The name ends at the first bar, the alias at the second; the
/// description is the rest of the line, bars included.
std::vector<ProcNameObj> parseObjectList(std::string_view text);

/// One list line: name, bar, alias, bar, description, CR LF. With `trimDescription` every
/// trailing CR LF pair is removed from the description first (as when a record is added).
/// Whether `name` reads back from a list file as itself: letters, digits, "_" and blanks, not
/// only blanks.
bool isStorableName(std::string_view name);

std::string formatListLine(const ProcNameObj &record, bool trimDescription);

/// The name of the next object of a kind after `records`: the last alias's prefix, its number
/// plus one (four digits at least, more past 9999) and its extension; the kind's first name for
/// an empty list. A name for which `exists` answers true is passed over, so nothing stored is
/// overwritten.
std::string nextObjectAlias(ObjectKind kind,
                            const std::vector<ProcNameObj> &records,
                            const std::function<bool(const std::string &)> &exists);

/// True for an alias that names a file inside the library directory: letters, digits, "_",
/// "." and "$" only, not made of dots alone.
bool isPlainAlias(std::string_view alias);

/// The form text a control set starts with, "Form1" replaced by `baseName`.
std::string controlSetHeader(std::string_view baseName);

/// The name of the procedure in a procedure text: on the first line holding "Sub " or
/// "Function ", the word after Sub or Function ("_" counts as a word character there). Empty
/// when no line qualifies.
std::string GetNameFromProc(std::string_view procText);

/// The library directory's files, reached through a function that answers where a file of the
/// library lives.
class ObjectLibrary
{
public:
    using PathOf = std::function<std::string(std::string_view fileName)>;

    explicit ObjectLibrary(PathOf pathOf);
    /// A library kept in a given directory.
    static ObjectLibrary inDirectory(std::string directory);
    /// The add-in's own library.
    static ObjectLibrary ofProgram();

    std::string pathOf(std::string_view fileName) const { return m_pathOf(fileName); }

    /// The records of a kind. Throws VbError when the list file cannot be read.
    std::vector<ProcNameObj> load(ObjectKind kind) const;

    /// Stores a new object: writes its file (and the ".frx" companion of a form when given)
    /// under a new name and appends its record. Returns the new alias. Throws VbError.
    std::string add(ObjectKind kind,
                    const std::string &name,
                    const std::string &description,
                    const std::string &bytes,
                    const std::optional<std::string> &frx = std::nullopt);

    /// The first record named `name` (letter case ignored), if any.
    std::optional<std::size_t> find(ObjectKind kind, std::string_view name) const;

    /// The bytes of a stored object. Throws VbError 53 when its file is missing, and a
    /// UserMessageError for an alias outside the library.
    std::string read(const ProcNameObj &record) const;

    /// Removes record `index` of a kind: rewrites the list without it (a new file renamed over
    /// the old), then deletes its file and, for a form file, its ".frx". An alias that names no
    /// plain file of the library is refused (UserMessageError) and nothing changes.
    void remove(ObjectKind kind, std::size_t index);

private:
    PathOf m_pathOf;
};

} // namespace qm::library
