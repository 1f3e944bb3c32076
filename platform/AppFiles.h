// Where the add-in's own files live: the one place that answers it. Tools never build these
// paths themselves; they ask appFilePath for the file by name and read or write what it returns.
//
// Three layouts:
//  - $QM_APP_DIR set: every file lives there (shipped and written alike), as in the add-in's
//    original program directory. Nothing is seeded.
//  - Installed (the program runs from <prefix>/bin and <prefix>/share/quillmark exists): the
//    files that ship (templates "newproc.txt" and "doctmplt.txt", the settings template
//    "quillmrk.ini", the user guide, the library's first lists and objects) are read from
//    <prefix>/share/quillmark and never written. The files the add-in writes (the library's list
//    and object files, "ChgdCode.Txt", "tempcode.txt", "tmp_code.cod") live in the user's data
//    directory, $XDG_DATA_HOME/quillmark, else ~/.local/share/quillmark. A written file that also
//    ships (the library's first lists and objects) is copied from the shipped one the first time
//    it is asked for and is never overwritten after.
//  - Anything else (a build tree): every file lives in the directory of the program, where the
//    build copies resources/.
#pragma once

#include <string>
#include <string_view>

namespace qm::platform {

enum class AppFile {
    Shipped, ///< read-only: templates, the settings template, the user guide
    Written, ///< written by the add-in: library files, change report, temporary code files
};

/// The three directories appFilePath chooses between, given the program's own directory.
/// Exposed for tests and for messages that name the places involved.
struct AppFileLocations
{
    std::string shipped; ///< read-only files
    std::string data;    ///< written files
    bool seeded = false; ///< true when written files are seeded from `shipped` (installed layout)
};

/// The path of the add-in's file `name` (a bare file name, or a relative path under the
/// directory) for this system. For a Written file in an installed layout the data directory is
/// created when missing and the file is seeded from its shipped copy when it has one and the
/// user's copy does not exist yet; the seed appears whole or not at all, and when two programs
/// seed at once one copy wins and neither is half-written.
/// Throws VbError 70 (permission denied), 76 (path not found) or 61 (disk full) with a
/// description that names the path, when the data directory cannot be created or seeded.
/// The result may name a file that does not exist (a Shipped file deleted by hand, a Written
/// file not yet written): the caller's read reports that as usual.
std::string appFilePath(std::string_view name, AppFile kind);

/// The directory Written files go to (created on demand in an installed layout), for tools that
/// list their own files. No trailing separator.
std::string appDataDirectory();

/// The directory Shipped files are read from. No trailing separator.
std::string appShippedDirectory();

/// The layout for a program that runs from `programFolder`, after $QM_APP_DIR, $XDG_DATA_HOME
/// and $HOME.
AppFileLocations appFileLocations(std::string_view programFolder);

/// The layout for the running program.
AppFileLocations appFileLocations();

/// appFilePath within a given layout.
std::string appFilePath(std::string_view name, AppFile kind, const AppFileLocations &where);

} // namespace qm::platform
