// qm xbase: the xBase conversion engine on the command line.
#include "codetext/CodeTextCli.h"

#include "codetext/XBase.h"
#include "common/Cli.h"
#include "common/ErrorReports.h"

namespace qm::codetext {

void addXBaseCommands(common::cli::CommandTable &table)
{
    using common::cli::Invocation;
    common::cli::Command xbase{
        "xbase", "convert xBase code to Basic (editor)", true, {}, [](const Invocation &in) {
            XBaseConversion conversion = ConvertXBaseBlock(in.text());
            if (conversion.failure)
                throw common::UserMessageError(*conversion.failure);
            return conversion.text;
        }};
    xbase.readsInPlace = true;
    table.add(std::move(xbase));
}

} // namespace qm::codetext
