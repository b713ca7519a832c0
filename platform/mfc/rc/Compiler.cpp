#include "Compiler.h"

#include <strings.h>

#include "Generator.h"
#include "Parser.h"

namespace qelt::rc {
namespace {

bool SameName(const ResourceName& a, const ResourceName& b) {
    return a.name.empty() == b.name.empty() && (a.name.empty() ? a.number == b.number : strcasecmp(a.name.c_str(), b.name.c_str()) == 0);
}

template <class Resource>
bool SameKind(const Resource&, const Resource&) {
    return true;
}
bool SameKind(const BinaryResource& a, const BinaryResource& b) { return a.type == b.type; }

template <class Resource>
void CheckUnique(const std::vector<Resource>& resources, const char* kind) {
    for (size_t i = 0; i < resources.size(); ++i) {
        for (size_t k = 0; k < i; ++k) {
            if (SameName(resources[i].id, resources[k].id) && SameKind(resources[i], resources[k])) {
                throw CompileError(resources[i].where, std::string(kind) + " " + resources[i].id.Describe() +
                                                           " is defined twice (first at " +
                                                           resources[k].where.Describe() + ")");
            }
        }
    }
}

void CheckStrings(const std::vector<StringResource>& strings) {
    for (size_t i = 0; i < strings.size(); ++i) {
        for (size_t k = 0; k < i; ++k) {
            if (strings[i].id == strings[k].id) {
                throw CompileError(strings[i].where, "string " + std::to_string(strings[i].id) +
                                                         " is defined twice (first at " + strings[k].where.Describe() + ")");
            }
        }
    }
}

bool TakesListEntries(const std::string& className) {
    return strcasecmp(className.c_str(), "ComboBox") == 0 || strcasecmp(className.c_str(), "ListBox") == 0 ||
           strcasecmp(className.c_str(), "ComboBoxEx32") == 0;
}

void AttachInits(Model& model, const std::vector<PendingInit>& pending) {
    for (const PendingInit& init : pending) {
        Dialog* dialog = nullptr;
        for (Dialog& candidate : model.dialogs) {
            if (SameName(candidate.id, init.dialog)) dialog = &candidate;
        }
        if (!dialog) throw CompileError(init.entry.where, "list entries for dialog " + init.dialog.Describe() + ", which is not defined");
        const Control* control = nullptr;
        for (const Control& candidate : dialog->controls) {
            if (candidate.id == init.entry.controlId) control = &candidate;
        }
        if (!control) {
            throw CompileError(init.entry.where, "dialog " + dialog->id.Describe() + " has no control " +
                                                     std::to_string(init.entry.controlId));
        }
        if (!TakesListEntries(control->className)) {
            throw CompileError(init.entry.where, "control " + std::to_string(init.entry.controlId) + " is a " +
                                                     control->className + ", not a combo or list box");
        }
        dialog->init.push_back(init.entry);
    }
}

}  // namespace

Result Compile(const std::vector<std::string>& scripts, const std::vector<std::string>& includeDirs) {
    Result result;
    Preprocessor files(includeDirs);
    try {
        Model model;
        std::vector<PendingInit> pending;
        for (const std::string& script : scripts) {
            Parser parser(files.Run(script), files, model);
            parser.Run();
            pending.insert(pending.end(), parser.PendingInits().begin(), parser.PendingInits().end());
        }
        CheckUnique(model.dialogs, "dialog");
        CheckUnique(model.binaries, "bitmap or icon");
        CheckUnique(model.menus, "menu");
        CheckStrings(model.strings);
        AttachInits(model, pending);
        result.source = Generate(model, scripts);
        result.ok = true;
    } catch (const CompileError& error) {
        result.error = error.what();
    }
    result.dependencies.assign(files.FilesRead().begin(), files.FilesRead().end());
    return result;
}

}  // namespace qelt::rc
