#include "host/CommandReports.h"

#include <memory>

#include "host/WordObject.h"
#include "mfc/person/InteractionLog.h"

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

struct Step {
    CalculationStep step = CalculationStep::None;
    size_t logLength = 0;
};

Step& LastStep() {
    static Step step;
    return step;
}

}  // namespace

void KeepCommandReports(const CWordObject& fullReport, const CWordObject& shortReport) {
    Reports() = std::make_unique<Kept>(Kept{fullReport, shortReport});
}

void ClearCommandReports() {
    Reports().reset();
    LastStep() = Step{};
}

CalculationStepScope::CalculationStepScope() : m_logStart(InteractionLog::Instance().Entries().size()) {
    InteractionLog::Instance().EnterCalculation();
}

CalculationStepScope::~CalculationStepScope() { InteractionLog::Instance().LeaveCalculation(); }

void CalculationStepScope::Note(CalculationStep outcome) { LastStep() = Step{outcome, m_logStart}; }

void NoteDrawingSent() { LastStep() = Step{CalculationStep::Drawn, InteractionLog::Instance().Entries().size()}; }

CalculationStep LastCalculationStep(size_t& logLength) {
    logLength = LastStep().logLength;
    return LastStep().step;
}

const CWordObject* KeptFullReport() { return Reports() ? &Reports()->full : nullptr; }

const CWordObject* KeptShortReport() { return Reports() ? &Reports()->brief : nullptr; }

}  // namespace qelt::host
