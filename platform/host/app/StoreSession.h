// The store of one run of the host program.
//
// - A store given as a symbolic link is the file the link leads to: that file is checked, locked
//   and replaced, and the link stays.
// - Runs on one store take turns: a run holds the lock file "<store>.lock" beside it (made when
//   missing, never removed) from Open until the session ends. A run that finds the lock held waits
//   for it, up to a bound, and is then refused, so that the last run to finish can never throw away
//   what another run stored.
// - The store is refused before anything runs when it cannot be used as it is: a file that is not a
//   store (a missing or empty file starts a new one), a store damaged anywhere, another program's
//   database or another version, a store or a folder that this user cannot write. Its file is then
//   left untouched, and messages name the store, never the working copy.
// - The run works on a copy beside the store (the run's writes are one transaction on it), which
//   replaces the store only at Replace, after Prepare has committed and synced it: a run that fails
//   or is interrupted leaves the store as it was. The copy keeps the store's permission bits.
// - Under the lock, a commit that a killed run left half done is finished (forward or back, as its
//   journal says), and copies and journals that killed runs left beside the store are removed.
#pragma once

#include <chrono>
#include <string>

#include "host/app/OutputFiles.h"

namespace qelt::app {

class StoreSession {
public:
    StoreSession() = default;
    StoreSession(const StoreSession&) = delete;
    StoreSession& operator=(const StoreSession&) = delete;
    ~StoreSession();  // discards the working copy unless the store was replaced; releases the lock

    // Takes the store at path for the run (waiting up to `wait` for another run on it to end),
    // checks it and opens a working copy of it as the host's store: a new store when there is none
    // yet (the store's folder is made). "" on success, otherwise why not (UTF-8).
    std::string Open(const std::string& path, std::chrono::milliseconds wait);
    // Commits the run's writes into the working copy and syncs it; the store is not touched yet.
    // "" on success, otherwise why not; the working copy is then discarded.
    std::string Prepare();
    // Puts the outputs staged in place and then the prepared working copy in the store's place, as
    // one (JointCommit, under the journal "<store>.commit"). "" on success, otherwise why not; the
    // store and the outputs are then as they were.
    std::string Replace(OutputFiles& outputs);

private:
    void Discard();
    std::string Lock(std::chrono::milliseconds wait);
    // Makes the (empty) working copy beside the store with the permission bits mode; "" on success.
    std::string MakeWorkingCopy(unsigned mode);

    std::string m_shown;     // the store as the person named it, for messages
    std::string m_path;      // the store's file, symbolic links followed
    std::string m_workPath;  // the working copy, while there is one
    int m_lock = -1;         // the lock file, locked
};

// The file that path names, symbolic links followed (the last link's target when it does not exist
// yet); path itself when it is no link.
std::string FollowLinks(const std::string& path);

// Removes the working copies (with their journals) beside the store at path. Only the holder of the
// store's lock calls it: no other run can be using them.
void RemoveLeftoverCopies(const std::string& path);

}  // namespace qelt::app
