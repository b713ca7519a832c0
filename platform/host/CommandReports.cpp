#include "host/CommandReports.h"

#include <memory>

#include "host/WordObject.h"

namespace qelt::host {
namespace {

struct Kept {
    CWordObject full;
    CWordObject brief;
};

std::unique_ptr<Kept>& Reports() {
    static std::unique_ptr<Kept> reports;
    return reports;
}

}  // namespace

void KeepCommandReports(const CWordObject& fullReport, const CWordObject& shortReport) {
    Reports() = std::make_unique<Kept>(Kept{fullReport, shortReport});
}

void ClearCommandReports() { Reports().reset(); }

const CWordObject* KeptFullReport() { return Reports() ? &Reports()->full : nullptr; }

const CWordObject* KeptShortReport() { return Reports() ? &Reports()->brief : nullptr; }

}  // namespace qelt::host
