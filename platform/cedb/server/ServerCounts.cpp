#include "platform/cedb/server/ServerCounts.h"

#include "platform/cedb/Failures.h"

namespace cedb {

namespace {

// The functions run as their owner, so that a user who may write a table needs no privilege on the
// counts; their search path is fixed, so that nobody's own tables can stand in for cedb_counts.
const char* const countsSetup = R"(
BEGIN;
SELECT pg_advisory_xact_lock(hashtext('cedb_counts'));
CREATE TABLE IF NOT EXISTS cedb_counts (relid oid NOT NULL, records bigint NOT NULL);
CREATE INDEX IF NOT EXISTS cedb_counts_by_table ON cedb_counts (relid);
CREATE OR REPLACE FUNCTION cedb_count_added() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
  SET search_path FROM CURRENT AS $$
  BEGIN INSERT INTO cedb_counts SELECT TG_RELID, count(*) FROM cedb_added HAVING count(*) > 0; RETURN NULL; END $$;
CREATE OR REPLACE FUNCTION cedb_count_removed() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
  SET search_path FROM CURRENT AS $$
  BEGIN INSERT INTO cedb_counts SELECT TG_RELID, -count(*) FROM cedb_removed HAVING count(*) > 0; RETURN NULL; END $$;
CREATE OR REPLACE FUNCTION cedb_count_emptied() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER
  SET search_path FROM CURRENT AS $$
  BEGIN DELETE FROM cedb_counts WHERE relid = TG_RELID; INSERT INTO cedb_counts VALUES (TG_RELID, 0); RETURN NULL; END $$;
COMMIT;
)";

QByteArray triggers(const QByteArray& storage)
{
    return "CREATE OR REPLACE TRIGGER cedb_count_added AFTER INSERT ON " + storage +
           " REFERENCING NEW TABLE AS cedb_added FOR EACH STATEMENT EXECUTE FUNCTION cedb_count_added();"
           "CREATE OR REPLACE TRIGGER cedb_count_removed AFTER DELETE ON " + storage +
           " REFERENCING OLD TABLE AS cedb_removed FOR EACH STATEMENT EXECUTE FUNCTION cedb_count_removed();"
           "CREATE OR REPLACE TRIGGER cedb_count_emptied AFTER TRUNCATE ON " + storage +
           " FOR EACH STATEMENT EXECUTE FUNCTION cedb_count_emptied()";
}

// A table's rows of +N and -N, and whether its three triggers are there and enabled: a trigger someone
// dropped or disabled would leave the sum behind the table.
const char* const readCounts =
    "SELECT coalesce(sum(records), 0), count(*), (SELECT count(*) FROM pg_catalog.pg_trigger WHERE tgrelid = "
    "to_regclass(?) AND tgname IN ('cedb_count_added', 'cedb_count_removed', 'cedb_count_emptied') AND "
    "tgenabled <> 'D') FROM cedb_counts WHERE relid = to_regclass(?)";

// Past this many rows a table's are folded into one, so that reading them stays cheap.
constexpr qint64 foldAfter = 256;

} // namespace

std::optional<qint64> ServerCounts::records(const QByteArray& storage)
{
    // Nothing here may fail inside the user's transaction, which a failed statement would end.
    const ErrorInfo before = lastError();
    const auto kept = [&]() -> std::optional<qint64> {
        if (!m_setUp) {
            if (m_link.inTransaction())
                return std::nullopt;
            ServerResult exists;
            if (FAILED(m_link.exec("SELECT to_regclass('cedb_counts') IS NOT NULL", {}, exists)) || exists.rows() != 1)
                return std::nullopt;
            if (exists.bytes(0, 0) != "t" && FAILED(m_link.script(countsSetup))) {
                m_link.script("ROLLBACK");
                return std::nullopt;
            }
            m_setUp = true;
        }
        for (int attempt = 0; attempt < 2; ++attempt) {
            ServerResult result;
            if (FAILED(m_link.exec(readCounts, {QString::fromUtf8(storage), QString::fromUtf8(storage)}, result)) ||
                result.rows() != 1)
                return std::nullopt;
            if (result.bytes(0, 1).toLongLong() > 0 && result.bytes(0, 2).toInt() == 3) {
                if (result.bytes(0, 1).toLongLong() > foldAfter)
                    fold(storage);
                return result.bytes(0, 0).toLongLong();
            }
            if (attempt > 0 || m_link.inTransaction() || m_refused.count(storage) || !keep(storage))
                return std::nullopt;
        }
        return std::nullopt;
    }();
    fail(before.code, before.description);
    return kept;
}

bool ServerCounts::keep(const QByteArray& storage)
{
    // The table is counted while nobody may write it, so that no write falls between the count and the
    // triggers; a writer holding it for long is not waited for, and the table is counted as it is.
    const std::vector<StoredValue> table{QString::fromUtf8(storage)};
    ServerResult committed;
    const bool kept = SUCCEEDED(m_link.exec("BEGIN")) && SUCCEEDED(m_link.exec("SET LOCAL lock_timeout = '100ms'")) &&
                      SUCCEEDED(m_link.exec("LOCK TABLE " + storage + " IN SHARE ROW EXCLUSIVE MODE")) &&
                      SUCCEEDED(m_link.script(triggers(storage).constData())) &&
                      SUCCEEDED(m_link.exec("DELETE FROM cedb_counts WHERE relid = to_regclass(?)", table)) &&
                      SUCCEEDED(m_link.exec("INSERT INTO cedb_counts SELECT to_regclass(?), count(*) FROM " + storage,
                                            table)) &&
                      SUCCEEDED(m_link.exec("COMMIT", {}, committed)) && committed.command() == "COMMIT";
    if (!kept) {
        // Only a user who may not put triggers on the table is never going to; anything else is tried again.
        const bool denied = lastError().code == DB_SEC_E_PERMISSIONDENIED;
        m_link.exec("ROLLBACK");
        if (denied)
            m_refused.insert(storage);
    }
    return kept;
}

// Rows another reader folds at the same moment are each taken by one of the two only: a row the other
// deleted is skipped, and the other's new row is not seen by this statement.
void ServerCounts::fold(const QByteArray& storage)
{
    if (m_link.inTransaction())
        return;
    m_link.exec("WITH gone AS (DELETE FROM cedb_counts WHERE relid = to_regclass(?) RETURNING records) "
                "INSERT INTO cedb_counts SELECT to_regclass(?), sum(records) FROM gone HAVING count(*) > 0",
                {QString::fromUtf8(storage), QString::fromUtf8(storage)});
}

} // namespace cedb
