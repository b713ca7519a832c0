// qelt: the host program. It loads the module, lists its commands, and runs one command under a
// user script (or, without one, calculates on the stored or default input), then writes the
// reports out. Exit codes: 0 done, 1 the module or the output failed, 2 a bad command line,
// command name or script, 3 a store that cannot be used, 4 nothing was calculated.
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "com/ClassRegistry.h"
#include "host/CommandReports.h"
#include "host/ReportText.h"
#include "host/VuskMainInfo.h"
#include "host/YorWord.h"
#include "host/app/ModuleLoader.h"
#include "host/app/Options.h"
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

enum ExitCode { kDone = 0, kFailed = 1, kUsage = 2, kStore = 3, kNothingCalculated = 4 };

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

// A run in which nothing was calculated writes no reports: it tells why, with the text of the last
// prompt shown (the input check's list that ends in "请返回修改!"), when there was one.
int NothingCalculated() {
    std::string prompt;
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries()) {
        if (entry.kind != "prompt") continue;
        prompt.clear();
        for (char c : qelt::text::GbkToUtf8ForDisplay(entry.text.Str())) {
            if (c != '\r') prompt += c;
        }
    }
    if (!prompt.empty()) std::cout << prompt << "\n";
    return Fail(kNothingCalculated, prompt.empty() ? u8"nothing was calculated: the script ended before \"计算\""
                                                   : "nothing was calculated: the input check refused it");
}

// The script as messages name it: its file, or "script" when it comes from stdin.
std::string ScriptName(const std::string& path) { return path == "-" ? "script" : path; }

// The script's actions; without a script file, a click on "计算" (a prompt that comes up, such as a
// warning list, is then closed by the loop as with its close box, which lets the calculation go on).
bool LoadScript(const Options& options, qelt::UserScript& script, std::string& error) {
    if (!options.scriptPath) {
        script.Click(IDC_WORK_CALCULATE);
        return true;
    }
    const std::string& path = *options.scriptPath;
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            error = "cannot read the script " + path;
            return false;
        }
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
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

int Run(const Options& options) {
    qelt::UserScript script;
    std::string error;
    if (!LoadScript(options, script, error)) return Fail(kUsage, error);

    const qelt::text::Conversion name = qelt::text::Utf8ToGbk(options.command);
    const _tagCaltInfo* info = name.ok ? g_VuskMainInfo.FindCaltFunc(name.text.c_str()) : nullptr;
    if (!info) return Fail(kUsage, "unknown command \"" + options.command + "\" (\"qelt list\" shows the commands)");
    const std::string command = qelt::text::GbkToUtf8ForDisplay(info->strCommand.Str());

    // The output folder is made before the run, so that a run is never lost for want of it.
    error = MakeOutputFolder(options.outDir);
    if (!error.empty()) return Fail(kFailed, error);

    // Pictures of the dialog go to the --snap folder; one that cannot be written is told at the end
    // and fails the run, after the input is stored and the reports are written.
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
            ReportFileStem(command));
    }

    const std::string storePath = options.storePath ? *options.storePath : DefaultStorePath();
    if (storePath.empty()) return Fail(kStore, "no store: HOME is not set; give one with --store FILE");
    StoreSession store;
    error = store.Open(storePath);
    if (!error.empty()) return Fail(kStore, error);

    g_VuskMainInfo.SetCaltDlgType(options.mode);
    CYorWord::SetOutputPath(options.wordPath ? options.wordPath->c_str() : nullptr);
    qelt::host::ClearCommandReports();
    {
        qelt::ScopedUserScript installed(script);
        g_VuskMainInfo.CallCaltFunc(info->strCommand);
    }
    // What the script read goes to stdout; what the person saw and answered to stderr.
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries())
        (entry.kind == "read" ? std::cout : std::cerr) << entry.Describe() << "\n";
    if (script.Failed())
        return Fail(kUsage, ScriptName(options.scriptPath.value_or("-")) + ": " + script.Error() + "; nothing was stored");
    error = store.Commit();
    if (!error.empty()) return Fail(kStore, error);

    const CWordObject* fullReport = qelt::host::KeptFullReport();
    const CWordObject* shortReport = qelt::host::KeptShortReport();
    // A command without a report page hands over none: what it calculated is on its page, for the
    // script to read, and what it sent to draw is in the summary.
    if (!fullReport || !shortReport) {
        std::cout << RunSummary();
        for (const std::string& why : snapErrors) std::cerr << "qelt: " << why << "\n";
        return snapErrors.empty() ? kDone : kFailed;
    }
    if (fullReport->GetRowCount() == 0) return NothingCalculated();
    error = WriteReportFiles(options.outDir, ReportFileStem(command), *fullReport, *shortReport);
    if (!error.empty()) return Fail(kFailed, error);
    if (!options.quiet) std::cout << qelt::report::ReportText(*fullReport);
    std::cout << RunSummary();
    for (const std::string& why : snapErrors) std::cerr << "qelt: " << why << "\n";
    return snapErrors.empty() ? kDone : kFailed;
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
    std::string error;
    std::unique_ptr<LoadedModule> module = LoadedModule::Load(QELT_MODULE_PATH, &error);
    if (!module) return Fail(kFailed, error);
    return options.action == Action::List ? List() : Run(options);
}
