#include "host/Store.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "host/Problem.h"
#include "mfc/base/Encoding.h"

namespace qelt::host {
namespace {

constexpr std::int64_t kApplicationId = 0x51454C54;  // "QELT"
constexpr std::int64_t kSchemaVersion = 1;

struct Connection {
    sqlite3* db = nullptr;
    sqlite3_stmt* write = nullptr;
    sqlite3_stmt* read = nullptr;
    std::string path;
    std::string shown;  // the name that messages give the file
    std::string failure;  // the reason of the last failure reported

    void Close() {
        sqlite3_finalize(write);
        sqlite3_finalize(read);
        sqlite3_close(db);
        *this = Connection{};
    }
};

Connection g_store;

// Reports a failure of the open store, unless it is the one reported last: a full disk fails every
// write after the first for the same reason.
void ReportStoreFailure(const std::string& what) {
    const std::string reason = sqlite3_errmsg(g_store.db);
    if (reason == g_store.failure) return;
    g_store.failure = reason;
    ReportProblem("store %s: %s (%s)", g_store.shown.c_str(), what.c_str(), reason.c_str());
}

// Runs a statement that yields one integer; false when it fails.
bool QueryInt(sqlite3* db, const char* sql, std::int64_t& result) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return false;
    bool ok = sqlite3_step(statement) == SQLITE_ROW;
    if (ok) result = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return ok;
}

// PRAGMA integrity_check over the whole file: "ok", or the first problem it names.
std::string IntegrityCheck(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check(1)", -1, &statement, nullptr) != SQLITE_OK)
        return sqlite3_errmsg(db);
    std::string result;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        result = text ? reinterpret_cast<const char*>(text) : "";
    } else {
        result = sqlite3_errmsg(db);
    }
    sqlite3_finalize(statement);
    return result;
}

// The store's one table, as SQLite keeps its definition.
const char kCreateTable[] =
    "CREATE TABLE value(space INTEGER NOT NULL, key BLOB NOT NULL, kind INTEGER NOT NULL,"
    " data BLOB NOT NULL, PRIMARY KEY(space, key)) WITHOUT ROWID";

const std::string kCreateSchema =
    std::string("BEGIN IMMEDIATE;") + kCreateTable + ";"
    "PRAGMA application_id = " + std::to_string(kApplicationId) + ";"
    "PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";"
    "COMMIT;";

// Whether the file's schema is the store's one table and nothing else: a table of that name made
// otherwise (without its key, say) would take the run's values in another way.
bool HasStoreSchema(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT type, name, sql FROM sqlite_schema", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    int objects = 0;
    bool same = true;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        ++objects;
        auto column = [&](int i) {
            const unsigned char* text = sqlite3_column_text(statement, i);
            return std::string(text ? reinterpret_cast<const char*>(text) : "");
        };
        same = same && column(0) == "table" && column(1) == "value" && column(2) == kCreateTable;
    }
    sqlite3_finalize(statement);
    return same && objects == 1;
}

// Checks an opened file and makes a new store of an empty one (a file of no bytes); "" when it is a
// usable store.
std::string Prepare(sqlite3* db, bool emptyFile) {
    std::int64_t applicationId = 0, version = 0, tables = 0;
    if (!QueryInt(db, "PRAGMA application_id", applicationId) ||
        !QueryInt(db, "PRAGMA user_version", version) ||
        !QueryInt(db, "SELECT count(*) FROM sqlite_schema", tables))
        return std::string("it is not a readable store (") + sqlite3_errmsg(db) + ")";
    if (applicationId == 0 && version == 0 && tables == 0) {
        if (!emptyFile) return "it is an empty database, not a qelt store";
        char* error = nullptr;
        if (sqlite3_exec(db, kCreateSchema.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = std::string("it could not be set up (") + (error ? error : "") + ")";
            sqlite3_free(error);
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return message;
        }
        return "";
    }
    if (applicationId != kApplicationId) return "it is a database of another program, not a qelt store";
    if (version != kSchemaVersion)
        return "it is a qelt store of version " + std::to_string(version) + ", this program reads version " +
               std::to_string(kSchemaVersion);
    std::string check = IntegrityCheck(db);
    if (check != "ok") {
        for (char& ch : check)
            if (ch == '\n') ch = ' ';
        return "it is damaged (" + check + ")";
    }
    if (!HasStoreSchema(db)) return "it is damaged (its table is not the one a qelt store has)";
    return "";
}

// A file that is not empty must begin as every SQLite database does, and be as long as its header
// says: SQLite itself would take a file shorter than its header for an empty database and write a
// new one over it, and reads a file cut short within its last page without a word. "" when the file
// is whole, otherwise what is wrong with it.
std::string CheckDatabaseFile(const std::string& path, std::uint64_t size) {
    static const char kMagic[16] = "SQLite format 3";  // with its closing zero byte
    unsigned char header[100] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(header), sizeof header) || std::memcmp(header, kMagic, sizeof kMagic) != 0)
        return "it is not a qelt store (not a database at all)";
    auto bigEndian = [&](int at, int bytes) {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | header[at + i];
        return value;
    };
    const std::uint64_t pageSize = bigEndian(16, 2) == 1 ? 65536 : bigEndian(16, 2);
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return "it is damaged (its page size is none)";
    // The page count in the header holds while the change counter matches the number it is valid for.
    const std::uint64_t pages = bigEndian(28, 4);
    const bool pagesValid = pages != 0 && bigEndian(24, 4) == bigEndian(92, 4);
    if (pagesValid ? size != pages * pageSize : size % pageSize != 0)
        return "it is damaged (it is " + std::to_string(size) + " bytes long, not a whole number of its pages" +
               (pagesValid ? ", " + std::to_string(pages) + " of " + std::to_string(pageSize) + " bytes" : std::string()) + ")";
    return "";
}

}  // namespace

std::string OpenStore(const std::string& path, StoreSync sync, const std::string& shownPath) {
    CloseStore();
    const std::string& shown = shownPath.empty() ? path : shownPath;
    struct stat info;
    bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) return "store " + shown + ": not a regular file";
    // SQLite opens no file whose path, or its journal's ("-journal" after it), is longer than its
    // bound; it would only say that it cannot open it.
    const sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    std::error_code ec;
    const std::size_t length = std::filesystem::absolute(path, ec).string().size() + std::strlen("-journal");
    if (vfs && length > static_cast<std::size_t>(vfs->mxPathname))
        return "store " + shown + ": its path is too long for the database (a store's path and its working copy's name take at most " +
               std::to_string(vfs->mxPathname) + " characters); the file was left as it was";
    const bool emptyFile = !exists || info.st_size == 0;
    if (!emptyFile) {
        const std::string problem = CheckDatabaseFile(path, static_cast<std::uint64_t>(info.st_size));
        if (!problem.empty()) return "store " + shown + ": " + problem + "; the file was left as it was";
    }

    int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
    Connection connection;
    connection.path = path;
    connection.shown = shown;
    int rc = sqlite3_open_v2(path.c_str(), &connection.db, flags, nullptr);
    std::string problem;
    if (rc != SQLITE_OK) {
        problem = std::string("it cannot be opened (") + (connection.db ? sqlite3_errmsg(connection.db) : sqlite3_errstr(rc)) + ")";
    } else {
        sqlite3_busy_timeout(connection.db, 5000);
        problem = Prepare(connection.db, emptyFile);
    }
    if (problem.empty() &&
        (sqlite3_exec(connection.db, sync == StoreSync::EachCommit ? "PRAGMA synchronous = FULL" : "PRAGMA synchronous = OFF",
                      nullptr, nullptr, nullptr) != SQLITE_OK ||
         sqlite3_prepare_v2(connection.db, "INSERT OR REPLACE INTO value(space, key, kind, data) VALUES(?, ?, ?, ?)",
                            -1, &connection.write, nullptr) != SQLITE_OK ||
         sqlite3_prepare_v2(connection.db, "SELECT kind, data FROM value WHERE space = ? AND key = ?", -1,
                            &connection.read, nullptr) != SQLITE_OK))
        problem = std::string("it cannot be used (") + sqlite3_errmsg(connection.db) + ")";
    if (!problem.empty()) {
        connection.Close();
        return "store " + shown + ": " + problem + "; the file was left as it was";
    }
    g_store = std::move(connection);
    return "";
}

void CloseStore() { g_store.Close(); }

bool IsStoreOpen() { return g_store.db != nullptr; }

const std::string& StorePath() { return g_store.path; }

bool WriteStoredValue(StoreSpace space, std::string_view key, const StoredValue& value) {
    if (!g_store.db) {
        ReportProblem("no store is open; the value of \"%s\" was not stored",
                      text::GbkToUtf8ForDisplay(key).c_str());
        return false;
    }
    sqlite3_stmt* statement = g_store.write;
    sqlite3_bind_int(statement, 1, static_cast<int>(space));
    sqlite3_bind_blob(statement, 2, key.data() ? key.data() : "", static_cast<int>(key.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(statement, 3, static_cast<int>(value.kind));
    sqlite3_bind_blob(statement, 4, value.bytes.data(), static_cast<int>(value.bytes.size()), SQLITE_TRANSIENT);
    int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (rc != SQLITE_DONE) {
        ReportStoreFailure("the value of \"" + text::GbkToUtf8ForDisplay(key) + "\" was not stored");
        return false;
    }
    return true;
}

bool BeginStoreBatch() {
    if (!g_store.db) {
        ReportProblem("no store is open; a batch of writes cannot begin");
        return false;
    }
    if (sqlite3_exec(g_store.db, "SAVEPOINT batch", nullptr, nullptr, nullptr) != SQLITE_OK) {
        ReportStoreFailure("a batch of writes cannot begin");
        return false;
    }
    return true;
}

bool EndStoreBatch() {
    if (!g_store.db) {
        ReportProblem("no store is open; the batch of writes was lost with it");
        return false;
    }
    // A write that failed may have rolled the batch back already; that was said with the write.
    const bool rolledBack = sqlite3_get_autocommit(g_store.db) && !g_store.failure.empty();
    if (sqlite3_exec(g_store.db, "RELEASE batch", nullptr, nullptr, nullptr) != SQLITE_OK) {
        if (!rolledBack) ReportStoreFailure("the batch of writes was not stored");
        if (!sqlite3_get_autocommit(g_store.db)) sqlite3_exec(g_store.db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return true;
}

std::optional<StoredValue> ReadStoredValue(StoreSpace space, std::string_view key) {
    if (!g_store.db) {
        ReportProblem("no store is open; \"%s\" cannot be read", text::GbkToUtf8ForDisplay(key).c_str());
        return std::nullopt;
    }
    sqlite3_stmt* statement = g_store.read;
    sqlite3_bind_int(statement, 1, static_cast<int>(space));
    sqlite3_bind_blob(statement, 2, key.data() ? key.data() : "", static_cast<int>(key.size()), SQLITE_TRANSIENT);
    std::optional<StoredValue> result;
    int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) {
        StoredValue value;
        value.kind = static_cast<ValueKind>(sqlite3_column_int(statement, 0));
        const void* data = sqlite3_column_blob(statement, 1);
        int size = sqlite3_column_bytes(statement, 1);
        if (data && size > 0) value.bytes.assign(static_cast<const char*>(data), static_cast<std::size_t>(size));
        result = std::move(value);
    } else if (rc != SQLITE_DONE) {
        ReportProblem("store %s: \"%s\" cannot be read (%s)", g_store.shown.c_str(),
                      text::GbkToUtf8ForDisplay(key).c_str(), sqlite3_errmsg(g_store.db));
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return result;
}

namespace {

template <typename T>
std::optional<T> ReadAs(StoreSpace space, std::string_view key, ValueKind wanted,
                        std::optional<T> (StoredValue::*convert)() const) {
    std::optional<StoredValue> value = ReadStoredValue(space, key);
    if (!value) return std::nullopt;
    std::optional<T> result = ((*value).*convert)();
    if (!result)
        ReportProblem("store %s: \"%s\" holds %s, not %s; the default is used", g_store.shown.c_str(),
                      text::GbkToUtf8ForDisplay(key).c_str(), value->Describe().c_str(), KindName(wanted));
    return result;
}

}  // namespace

std::optional<std::int32_t> ReadStoredInt(StoreSpace space, std::string_view key) {
    return ReadAs(space, key, ValueKind::Int, &StoredValue::ToInt);
}

std::optional<double> ReadStoredDouble(StoreSpace space, std::string_view key) {
    return ReadAs(space, key, ValueKind::Double, &StoredValue::ToDouble);
}

std::optional<std::string> ReadStoredText(StoreSpace space, std::string_view key) {
    return ReadAs(space, key, ValueKind::Text, &StoredValue::ToText);
}

std::optional<std::vector<std::int32_t>> ReadStoredInts(StoreSpace space, std::string_view key) {
    return ReadAs(space, key, ValueKind::IntArray, &StoredValue::ToInts);
}

std::optional<std::vector<double>> ReadStoredDoubles(StoreSpace space, std::string_view key) {
    return ReadAs(space, key, ValueKind::DoubleArray, &StoredValue::ToDoubles);
}

}  // namespace qelt::host
