// Files put in place as one: a run's outputs and its store change together or not at all, even when
// a rename fails or the run is killed on the way.
//
// Each file is written whole under a temporary name beside its place first. Begin then writes the
// journal (the places in order, what each held, the names that keep the old files) and syncs it,
// and keeps each old file under a second name, a hard link ".<name>.qelt-old-XXXXXX" beside it.
// Put renames the files into place in order, the last one deciding the commit (the store); Finish
// lets the old files go and ends the journal. A failure on the way is undone at once (Undo): every
// place gets back what it held. A journal that a killed run left is finished by the next run
// (Recover): rolled forward when its last file was in place, otherwise rolled back.
#pragma once

#include <string>
#include <vector>

namespace qelt::app {

class JointCommit {
public:
    struct File {
        std::string temporary;  // written whole, beside path
        std::string path;
    };

    // The journal's path (beside the store); the files in the order they go into place.
    JointCommit(std::string journal, std::vector<File> files);
    JointCommit(const JointCommit&) = delete;
    JointCommit& operator=(const JointCommit&) = delete;

    // Writes the journal and keeps the old files; "" on success, otherwise why not (nothing changed).
    std::string Begin();
    // Puts file i in place; "" on success, otherwise why not.
    std::string Put(size_t i);
    // Once every file is in place: the old files go and the journal ends.
    void Finish();
    // Puts back what every place held and ends the journal.
    void Undo();

    // Begin, Put for every file, Finish; a failure is undone. "" on success, otherwise why not.
    std::string Run();

    // Finishes the commit that the journal at path describes, if any: forward when its last file is
    // in place, otherwise back. Only the holder of the store's lock calls it.
    static void Recover(const std::string& journal);

private:
    enum class Before { File, Nothing, Other };  // what a place held: a file, nothing, something else (a folder)
    struct Entry {
        std::string path;
        std::string kept;  // the old file's second name
        Before before = Before::Nothing;
    };

    static bool PutInPlace(const Entry& entry);
    static void Forward(const std::string& journal, const std::vector<Entry>& entries);
    static void Back(const std::string& journal, const std::vector<Entry>& entries);

    std::string m_journal;
    std::vector<File> m_files;
    std::vector<Entry> m_entries;
};

}  // namespace qelt::app
