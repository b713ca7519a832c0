// The files that a run writes (the reports, their pictures, the Word output), put in place together
// at the run's end. Each is first written whole under a temporary name beside its place
// (".<name>.qelt-XXXXXX", synced, and locked while this object holds it); only when all of them are
// written does Commit put them in place together. A file staged and not committed is removed with the
// object, so a run that fails changes none of them. Staging into a folder first removes the
// temporary files there that runs killed before their commit left behind (those no run holds).
#pragma once

#include <string>
#include <vector>

#include "host/app/JointCommit.h"

namespace qelt::app {

class OutputFiles {
public:
    OutputFiles() = default;
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;
    ~OutputFiles();  // removes what was staged and not committed

    // Makes an empty temporary file beside path, to be renamed onto path by Commit; its name, or ""
    // and *error set when it cannot be made.
    std::string Reserve(const std::string& path, std::string* error);
    // Writes the bytes to a temporary file beside path; "" on success, otherwise why not.
    std::string Stage(const std::string& path, const std::string& bytes);
    // Drops a reserved file that turned out not to be wanted (it is removed, path stays as it is).
    void Drop(const std::string& path);
    // Puts every staged file in place, in the order staged, and then the files after, as one
    // (JointCommit, under the journal): "" on success, otherwise why not, and every place holds
    // what it held before.
    std::string Commit(const std::string& journal, const std::vector<JointCommit::File>& after = {});

    // Whether path is among the files staged.
    bool Holds(const std::string& path) const;

private:
    struct File {
        std::string temporary;
        std::string path;
        int lock = -1;
    };
    void Remove(File& file);

    std::vector<File> m_files;
    std::vector<std::string> m_cleanedFolders;
};

}  // namespace qelt::app
