// The host program's store: one SQLite file holding the commands' parameters (CVuskSave) and the
// drawing parameters (CYorFile), each under a key in its own space.
//
// - Every write is one SQLite transaction with a rollback journal, unless it is made within a batch
//   (StoreBatch): the batch's writes are then one transaction, committed when the outermost batch
//   ends. A crash or a kill leaves the file with every value, or batch, committed before it, never
//   half of one. Commits are synced (synchronous=FULL) unless the store was opened without, for a
//   working copy whose owner syncs it once before it replaces the store.
// - The file carries the application id 0x51454C54 ("QELT") and the schema version 1 (user_version).
//   A file that is not a database (whatever its size), is damaged anywhere (the whole file is
//   checked, and its length is its header's pages), belongs to another program, has another version
//   or another table than the store's is refused with a message and never written to.
// - A missing file, or one of no bytes, becomes a new store; a database without tables does not.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/StoredValue.h"

namespace qelt::host {

enum class StoreSpace { Parameters = 0, Drawing = 1 };

enum class StoreSync { EachCommit, ByOwner };

// Opens the store at path, closing any store open before. Returns "" on success; otherwise a
// message for people (UTF-8) naming the file and what is wrong, and no store is open. With
// StoreSync::ByOwner commits are not synced: the caller syncs the file itself. Messages, those of
// later reads and writes too, name the file as shownPath when one is given (the store that a
// working copy stands for), else as path.
std::string OpenStore(const std::string& path, StoreSync sync = StoreSync::EachCommit,
                      const std::string& shownPath = "");
void CloseStore();
bool IsStoreOpen();
// The path of the open store, "" when none is open.
const std::string& StorePath();

// Writes one value in its own transaction. False, with a diagnostic, when no store is open or the
// write failed; the value stored before then stands.
bool WriteStoredValue(StoreSpace space, std::string_view key, const StoredValue& value);

// Starts a batch of writes: until the matching EndStoreBatch they join one transaction. Batches
// nest; the outermost one commits. A batch left open when the store closes is rolled back. False,
// with a diagnostic, when no store is open or the store refused; EndStoreBatch is then not called.
bool BeginStoreBatch();
// Ends the innermost batch. False, with a diagnostic, when the commit failed: the batch's writes are
// then lost and what was stored before stands.
bool EndStoreBatch();

// A batch for the life of a scope (the write walk of a save); none without an open store.
class StoreBatch {
public:
    StoreBatch() : m_open(IsStoreOpen() && BeginStoreBatch()) {}
    ~StoreBatch() {
        if (m_open) EndStoreBatch();
    }
    StoreBatch(const StoreBatch&) = delete;
    StoreBatch& operator=(const StoreBatch&) = delete;

private:
    bool m_open;
};

// Reads one value; nothing when the key is absent, or (with a diagnostic) when no store is open or
// the read failed.
std::optional<StoredValue> ReadStoredValue(StoreSpace space, std::string_view key);

// Typed reads: nothing when the key is absent, when the read failed, or (with a diagnostic naming the
// key and both kinds) when the stored value is of another kind.
std::optional<std::int32_t> ReadStoredInt(StoreSpace space, std::string_view key);
std::optional<double> ReadStoredDouble(StoreSpace space, std::string_view key);
std::optional<std::string> ReadStoredText(StoreSpace space, std::string_view key);
std::optional<std::vector<std::int32_t>> ReadStoredInts(StoreSpace space, std::string_view key);
std::optional<std::vector<double>> ReadStoredDoubles(StoreSpace space, std::string_view key);

}  // namespace qelt::host
