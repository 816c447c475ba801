#include "management/ui/ReportBuilderLauncher.h"

namespace kelvo::management {

namespace {
ReportBuilderOpener& Opener()
{
    static ReportBuilderOpener opener;
    return opener;
}
} // namespace

void SetReportBuilderOpener(ReportBuilderOpener opener) { Opener() = std::move(opener); }

const ReportBuilderOpener& RegisteredReportBuilderOpener() { return Opener(); }

} // namespace kelvo::management
