// qm: the toolbox's text engines on the command line, for scripts and CI pipelines.
#include "changes/CleanupCli.h"
#include "changes/ChangeBlockCli.h"
#include "clipper/ClipperCli.h"
#include "codetext/CodeTextCli.h"
#include "common/Cli.h"
#include "generators/DesignerCli.h"
#include "generators/ProcedureCli.h"
#include "layout/LayoutCli.h"
#include "library/LibraryCli.h"
#include "search/SearchCli.h"

int main(int argc, char **argv)
{
    qm::common::cli::CommandTable table;
    qm::codetext::addCommentCommands(table);
    qm::codetext::addXBaseCommands(table);
    qm::codetext::addModuleCommands(table);
    qm::changes::addChangeBlockCommands(table);
    qm::changes::addCleanupCommands(table);
    qm::generators::addMsgBoxCommands(table);
    qm::generators::addProcedureCommands(table);
    qm::generators::addDesignerCommands(table);
    qm::layout::addLayoutCommands(table);
    qm::library::addLibraryCommands(table);
    qm::search::addFindCommands(table);
    qm::clipper::addIconCommands(table);
    return qm::common::cli::runProcess(table, argc, argv);
}
