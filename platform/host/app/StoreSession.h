// The store of one run of the host program. The run works on a copy beside the store file, and the
// copy replaces the store only when the run has succeeded: a run that fails, or is interrupted, leaves
// the store as it was. A store that cannot be read, is damaged or belongs to another program is
// refused before anything runs, and is left untouched.
//
// A run holds a lock on its working copy for as long as it runs, so that the next run can tell the
// copies (and their journals) that runs killed in the middle left behind from those of runs still
// going: Open removes the former.
#pragma once

#include <string>

namespace qelt::app {

class StoreSession {
public:
    StoreSession() = default;
    StoreSession(const StoreSession&) = delete;
    StoreSession& operator=(const StoreSession&) = delete;
    ~StoreSession();  // discards the working copy unless the run was committed

    // Checks the store at path and opens a working copy of it as the host's store: a new store when
    // there is none yet (the store's folder is made). "" on success, otherwise why not (UTF-8).
    std::string Open(const std::string& path);
    // Closes the working copy and puts it in the store's place (making the store when it was
    // missing). "" on success, otherwise why not; the store is then as it was.
    std::string Commit();

private:
    void Discard();
    // Makes the locked working copy beside the store; "" on success.
    std::string MakeWorkingCopy();

    std::string m_path;
    std::string m_workPath;
    int m_lock = -1;  // the open working copy, locked
};

// Removes the working copies of runs on the store at path that no longer run, with their journals.
void RemoveLeftoverCopies(const std::string& path);

}  // namespace qelt::app
