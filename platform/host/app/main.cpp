// qelt: the host program. It loads the module, lists its commands, and runs one command under a
// user script (or, without one, calculates on the stored or default input), then writes the
// reports out. Exit codes: 0 done, 1 the module or the output failed, 2 a bad command line,
// command name or script, 3 a store that cannot be used, 4 the run's last calculation gave no
// result or its last drawing was declined, 5 the page refused a value that the script entered or an
// action it took. Only a run that ends with 0 changes the store and the output files.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "com/ClassRegistry.h"
#include "host/CommandReports.h"
#include "host/Help.h"
#include "host/ReportText.h"
#include "host/VuskApp.h"
#include "host/VuskMainInfo.h"
#include "host/VuskWorkDlg.h"
#include "host/YorWord.h"
#include "host/app/ModuleLoader.h"
#include "host/app/Options.h"
#include "host/app/OutputFiles.h"
#include "host/app/ReportFiles.h"
#include "host/app/RunSummary.h"
#include "host/app/ScriptFile.h"
#include "host/app/StoreSession.h"
#include "mfc/base/Encoding.h"
#include "mfc/person/InteractionLog.h"
#include "mfc/person/UserScript.h"
#include "plateserver/interface/PlateRecords.h"
#include "plateserver/interface/PlateSolver.h"
#include "render/Render.h"
#include "resources/FrameworkResource.h"

namespace {

using namespace qelt::app;

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2, kStore = 3, kNothingCalculated = 4, kRefusedValue = 5 };

// How long a run waits for another run on the same store to end.
constexpr std::chrono::seconds kStoreWait(30);

int Fail(int code, const std::string& message) {
    std::cerr << "qelt: " << message << "\n";
    return code;
}

int List() {
    for (int i = 0; i < g_VuskMainInfo.GetCaltFuncCount(); ++i) {
        const _tagCaltInfo* info = g_VuskMainInfo.GetCaltFuncAt(i);
        std::cout << qelt::text::GbkToUtf8ForDisplay(info->strCommand.Str()) << "\t"
                  << qelt::text::GbkToUtf8ForDisplay(info->strTitle.Str()) << "\t" << info->chLetter << "\n";
    }
    return kDone;
}

// A run whose last calculation gave no result, or whose last drawing was declined, writes no
// reports: it tells why, from the work dialog's last step toward a report or a drawing. The input
// check's list (ending in "请返回修改!") goes to stdout.
int NothingCalculated() {
    size_t start = 0;
    const qelt::host::CalculationStep step = qelt::host::LastCalculationStep(start);
    const std::string shown = qelt::InteractionLog::Instance().MessagesSince(start);
    if (step == qelt::host::CalculationStep::InputRefused) {
        if (!shown.empty()) std::cout << shown << "\n";
        return Fail(kNothingCalculated, "nothing was calculated: the input check refused it");
    }
    std::string oneLine = shown;
    for (char& c : oneLine) c = c == '\n' ? ' ' : c;
    if (step == qelt::host::CalculationStep::DrawingDeclined)
        return Fail(kNothingCalculated, "nothing was drawn: the page declined the drawing: " + oneLine);
    if (step != qelt::host::CalculationStep::None)
        return Fail(kNothingCalculated, shown.empty() ? "nothing was calculated: the calculation gave no result"
                                                      : "nothing was calculated: the calculation refused it: " + oneLine);
    return Fail(kNothingCalculated, u8"nothing was calculated: the script ended before \"计算\"");
}

// The script as messages name it: its file, or "script" when it comes from stdin.
std::string ScriptName(const std::string& path) { return path == "-" ? "script" : path; }

// The script's actions; without a script file, the mode's own "计算": the button "计算" (553), or in
// mode 0, where the work dialog's buttons are hidden, the host's message that calculates everything
// (a prompt that comes up, such as a warning list, is then closed by the loop as with its close
// box, which lets the calculation go on).
bool LoadScript(const Options& options, qelt::UserScript& script, std::string& error) {
    if (!options.scriptPath) {
        if (options.mode == 0) {
            qelt::UserAction calculate;
            calculate.kind = qelt::UserAction::Kind::Message;
            calculate.number = WM_VUSK_ONCALCULATEALL;
            script.Add(calculate);
        } else {
            script.Click(IDC_WORK_CALCULATE);
        }
        return true;
    }
    const std::string& path = *options.scriptPath;
    std::string text;
    error = ReadScriptFile(path, text);
    if (!error.empty()) return false;
    ParsedScript parsed = ParseScript(text);
    if (!parsed.ok) {
        error = ScriptName(path) + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error;
        return false;
    }
    for (const qelt::UserAction& action : parsed.actions) {
        if (action.kind == qelt::UserAction::Kind::Snap && !options.snapDir) {
            error = ScriptName(path) + ":" + std::to_string(action.line) + ": \"snap\" needs --snap DIR";
            return false;
        }
        script.Add(action);
    }
    return true;
}

// The end of a run that calculated or drew: the outputs (the reports, when given) are staged, the
// store's copy is made ready, and the outputs and the store are put in place as one. A failure on
// the way leaves both as they were.
int Finish(StoreSession& store, OutputFiles& outputs, const Options& options, const std::string& stem,
           const CWordObject* fullReport, const CWordObject* shortReport) {
    std::string error;
    if (fullReport && shortReport) error = StageReportFiles(outputs, options.outDir, stem, *fullReport, *shortReport);
    if (!error.empty()) return Fail(kFailed, error + "; the outputs and the store were left as they were");
    error = store.Prepare();
    if (!error.empty()) return Fail(kStore, error + "; the outputs and the store were left as they were");
    error = store.Replace(outputs);
    if (!error.empty()) return Fail(kFailed, error + "; the outputs and the store were left as they were");
    if (fullReport) RemoveEarlierPictures(options.outDir, stem, outputs);
    if (fullReport && !options.quiet) std::cout << qelt::report::ReportText(*fullReport);
    std::cout << RunSummary();
    return kDone;
}

int Run(const Options& options) {
    qelt::UserScript script;
    std::string error;
    if (!LoadScript(options, script, error)) return Fail(kUsage, error);
    script.StopAtRefusedValues(true);

    const qelt::text::Conversion name = qelt::text::Utf8ToGbk(options.command);
    const _tagCaltInfo* info = name.ok ? g_VuskMainInfo.FindCaltFunc(name.text.c_str()) : nullptr;
    if (!info) return Fail(kUsage, "unknown command \"" + options.command + "\" (\"qelt list\" shows the commands)");
    const std::string command = qelt::text::GbkToUtf8ForDisplay(info->strCommand.Str());
    const std::string stem = ReportFileStem(command);

    // The output folder is made before the run, so that a run is never lost for want of it.
    error = MakeOutputFolder(options.outDir);
    if (!error.empty()) return Fail(kFailed, error);

    // Pictures of the dialog go to the --snap folder as they are taken; one that cannot be written
    // fails the run at its end, which then changes neither the outputs nor the store.
    std::vector<std::string> snapErrors;
    if (options.snapDir) {
        error = MakeOutputFolder(*options.snapDir);
        if (!error.empty()) return Fail(kFailed, error);
        script.SetSnapHandler(
            [&](HWND dialog, const std::string& snapName) {
                std::string why;
                const std::string png = qelt::render::SnapWindow(dialog);
                if (png.empty()) why = "no picture of the dialog for " + snapName;
                else qelt::render::WriteFile(*options.snapDir + "/" + snapName + ".png", png, &why);
                if (!why.empty()) snapErrors.push_back(why);
                return std::string();
            },
            stem);
    }

    // The Word output is written under a temporary name and put in place with the reports.
    OutputFiles outputs;
    std::string wordStaged;
    if (options.wordPath) {
        wordStaged = outputs.Reserve(*options.wordPath, &error);
        if (wordStaged.empty()) return Fail(kFailed, "the Word output cannot be written: " + error);
    }

    const std::string storePath = options.storePath ? *options.storePath : DefaultStorePath();
    if (storePath.empty()) return Fail(kStore, "no store: HOME is not set; give one with --store FILE");
    StoreSession store;
    error = store.Open(storePath, kStoreWait);
    if (!error.empty()) return Fail(kStore, error);

    g_VuskMainInfo.SetCaltDlgType(options.mode);
    CYorWord::SetOutputPath(options.wordPath ? wordStaged.c_str() : nullptr);
    qelt::host::ClearCommandReports();
    {
        qelt::ScopedUserScript installed(script);
        g_VuskMainInfo.CallCaltFunc(info->strCommand);
    }
    // What the script read goes to stdout; what the person saw and answered, and the help asked
    // for, to stderr.
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries())
        (entry.kind == "read" || entry.kind == "controls" ? std::cout : std::cerr) << entry.Describe() << "\n";
    for (const qelt::host::HelpRequest& request : qelt::host::HelpRequests())
        std::cerr << "help \"" << request.product << "\": " << qelt::text::GbkToUtf8ForDisplay(request.topic) << "\n";
    const std::string scriptName = ScriptName(options.scriptPath.value_or("-"));
    if (script.PageRefusal())
        return Fail(kRefusedValue, scriptName + ": " + script.Error() + "; no report was written and the store was left as it was");
    if (script.Failed()) return Fail(kUsage, scriptName + ": " + script.Error() + "; nothing was stored");
    if (!CYorWord::GetOutputFailure().empty())
        return Fail(kFailed, "the Word output failed; the outputs and the store were left as they were");
    for (const std::string& why : snapErrors) std::cerr << "qelt: " << why << "\n";
    if (!snapErrors.empty()) return Fail(kFailed, "a picture failed; the outputs and the store were left as they were");

    // The run's last step decides: a calculation that refused, or gave an empty report, or a drawing
    // that the page declined, ends the run with nothing written or stored, whatever an earlier step
    // gave. A run whose last step sent a drawing ends with it: its reports are written when it built
    // them, and otherwise none. A command without a report page hands over no reports: what it
    // calculated is on its page, for the script to read, and what it sent to draw is in the summary.
    const CWordObject* fullReport = qelt::host::KeptFullReport();
    const CWordObject* shortReport = qelt::host::KeptShortReport();
    size_t stepStart = 0;
    const qelt::host::CalculationStep step = qelt::host::LastCalculationStep(stepStart);
    const bool reportBuilt = fullReport && fullReport->GetRowCount() > 0;
    if (step == qelt::host::CalculationStep::DrawingDeclined ||
        (fullReport && step != qelt::host::CalculationStep::Drawn &&
         (step != qelt::host::CalculationStep::Calculated || !reportBuilt)))
        return NothingCalculated();
    if (fullReport && !reportBuilt) {
        std::cout << "reports: none written (the run drew without building a report)\n";
        fullReport = shortReport = nullptr;
    }
    // A Word output that "加入列表" did not write stays as it was.
    std::error_code ec;
    if (options.wordPath && (std::filesystem::file_size(wordStaged, ec) == 0 || ec)) outputs.Drop(*options.wordPath);
    return Finish(store, outputs, options, stem, fullReport, shortReport);
}

}  // namespace

int main(int argc, char** argv) {
    ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "qelt: " << parsed.error << "\n" << UsageText();
        return kUsage;
    }
    const Options& options = *parsed.options;
    if (options.action == Action::Help) {
        std::cout << UsageText();
        return kDone;
    }
    // The irregular slab's analysis server is installed with the host: the records of its type
    // library, and its library, which CoCreateInstance loads when the slab first asks for the class.
    RegisterPlateRecordTypes();
    CoRegisterInprocServer(CLSID_PlateSolver, QELT_PLATESERVER_PATH);
    CVuskApp app;
    std::string error;
    std::unique_ptr<LoadedModule> module = LoadedModule::Load(QELT_MODULE_PATH, &error);
    if (!module) return Fail(kFailed, error);
    return options.action == Action::List ? List() : Run(options);
}
