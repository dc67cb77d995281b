// orvoform --help documents every step and option and the exit statuses, and
// exits 0; a bad command line points to it and exits 2.
#include <gtest/gtest.h>

#include "orvoform_run.h"

namespace {

TEST(OrvoformHelp, DocumentsEveryStepOptionAndExitStatus) {
    for (const char* flag : {"--help", "-h"}) {
        const TToolRun run = RunTool({flag});
        EXPECT_EQ(run.Status, 0) << flag;
        for (const char* word : {"set:NAME.PROP=VALUE", "focus:NAME", "hover:NAME[@X,Y]", "press:NAME[@X,Y]",
                                 "release:NAME[@X,Y]", "click:NAME[@X,Y]", "dblclick:NAME[@X,Y]", "key:KEY",
                                 "alt:C", "pick:NAME=INDEX", "dialog:#RRGGBB", "dialog:cancel", "--output",
                                 "--control NAME", "Examples:", "Exit status:", "  0  ", "  1  ", "  2  "})
            EXPECT_NE(run.Out.find(word), std::string::npos) << flag << " lacks " << word;
    }
    const TToolRun bad = RunTool({"render", "demo", "--colour"});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_NE(bad.Err.find("unknown option '--colour'"), std::string::npos) << bad.Err;
    EXPECT_NE(bad.Err.find("orvoform --help"), std::string::npos) << bad.Err;
}

}  // namespace
